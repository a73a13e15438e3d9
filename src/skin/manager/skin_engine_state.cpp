#include "skin/manager/skin_engine_state.h"

#include "fw/forms/application.h"

namespace skin {

TsSkinEngineState* TsSkinEngineState::Find(bool create)
{
    fw::TApplication* app = fw::Application();
    if (!app || app->IsDestroying()) return nullptr;
    for (int i = 0; i < app->ComponentCount(); ++i)
        if (auto* state = fw::As<TsSkinEngineState>(app->Components(i))) return state;
    return create ? new TsSkinEngineState(app) : nullptr;
}

TsSkinManager* DefaultManager()
{
    TsSkinEngineState* state = TsSkinEngineState::Find(false);
    return state ? state->DefaultManager : nullptr;
}

}  // namespace skin
