#pragma once

#include "fw/classes/component.h"

namespace skin {

class TsSkinManager;

// What the skin engine keeps for the whole run: which manager is the default one. It is a
// component of the running application, so it lives and dies with the run.
class TsSkinEngineState : public fw::TComponent {
    FW_CLASS(TsSkinEngineState, fw::TComponent)
public:
    explicit TsSkinEngineState(fw::TComponent* owner) : fw::TComponent(owner) {}

    TsSkinManager* DefaultManager = nullptr;

    // The state of the running application; made on first need when `create` is set. Null
    // outside a run, and while the application is being destroyed.
    static TsSkinEngineState* Find(bool create);
};

// The first skin manager made in this run, used by controls that name none; null when there is none.
TsSkinManager* DefaultManager();

}  // namespace skin
