#pragma once

#include "fw/classes/component.h"

namespace fw {

// Builds a root component (a form) the way a form resource is read: while the scope is open the
// root and every component created under it carry the loading state; Finish gives each of them
// Loaded, the root first and then in creation order. A scope left by an exception drops the
// loading state without Loaded, so a half-built form is still destroyed cleanly.
class TLoadingScope {
public:
    explicit TLoadingScope(TComponent& root);
    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;
    ~TLoadingScope();

    void Finish();

private:
    TComponent& root_;
    bool finished_ = false;
};

}  // namespace fw
