#include "fw/controls/application_core.h"

#include "base/error.h"

namespace fw {
namespace {

TApplicationCore* running = nullptr;  // the one application of the run; it sets and clears this

}  // namespace

TApplicationCore* TApplicationCore::Running() { return running; }

TApplicationCore::TApplicationCore() : TComponent(nullptr)
{
    if (running) throw base::Error("An application is already running");
    running = this;
}

TApplicationCore::~TApplicationCore()
{
    if (running == this) running = nullptr;
}

}  // namespace fw
