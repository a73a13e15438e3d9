#pragma once

#include "fw/classes/loading_scope.h"
#include "fw/forms/form.h"

namespace fw {

// Builds a form in resource order inside its constructor: create the components and set their
// stored properties after opening it, then Finish: every component gets Loaded (the form first,
// then in creation order) and then the form's OnCreate runs.
class TFormResource {
public:
    explicit TFormResource(TCustomForm& form) : form_(form), loading_(form) {}
    void Finish()
    {
        loading_.Finish();
        form_.DoCreate();
    }

private:
    TCustomForm& form_;
    TLoadingScope loading_;
};

}  // namespace fw
