#pragma once

#include "plat/handle.h"
#include "plat/state/part_store.h"

namespace plat {

// The data a part of the window system keeps for one window lives on the window: one object per
// type, made on first use and destroyed with the window. Stale handles have none.
PartStore* WindowPartsOf(HWND hwnd);

template <class T>
T* FindWindowData(HWND hwnd)
{
    PartStore* parts = WindowPartsOf(hwnd);
    return parts ? parts->find<T>() : nullptr;
}

template <class T>
T* WindowData(HWND hwnd)  // made when missing
{
    PartStore* parts = WindowPartsOf(hwnd);
    return parts ? &parts->get<T>() : nullptr;
}

}  // namespace plat
