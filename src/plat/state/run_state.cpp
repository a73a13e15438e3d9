#include "plat/state/run_state.h"

namespace plat {

namespace {

std::unique_ptr<PartStore>& Current()
{
    static std::unique_ptr<PartStore> run;
    return run;
}

}  // namespace

PartStore& CurrentRun()
{
    std::unique_ptr<PartStore>& run = Current();
    if (!run) run = std::make_unique<PartStore>();
    return *run;
}

PartStore* CurrentRunIfAny() { return Current().get(); }

void BeginRun()
{
    EndRun();
    Current() = std::make_unique<PartStore>();
}

void EndRun()
{
    std::unique_ptr<PartStore>& run = Current();
    if (!run) return;
    // The run stays current while its parts die, so a destructor that reaches another part
    // finds this run's (or a fresh one that dies with it), never a new run.
    run->clear();
    run.reset();
}

}  // namespace plat
