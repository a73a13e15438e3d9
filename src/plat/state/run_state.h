#pragma once

#include "plat/state/part_store.h"

namespace plat {

// Everything the window system keeps between calls lives in the parts of one run: StartWindowSystem
// begins a fresh run and StopWindowSystem ends it, destroying every part. Drawing calls made
// outside a started window system (memory DCs alone) get a run of their own, which lasts until
// the next start or stop.
PartStore& CurrentRun();
PartStore* CurrentRunIfAny();
void BeginRun();  // ends the current run first
void EndRun();

template <class T>
T& RunPart()
{
    return CurrentRun().get<T>();
}

}  // namespace plat
