#pragma once

#include "fw/classes/component.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace fw {

class TWinControl;
plat::LRESULT FrameworkClassProc(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM);

// The part of the running application that controls lean on: where an exception from a message
// handler goes, and the control whose window is being made (its first messages arrive before
// the window's handle is known). One object of a run; the application derives from it.
class TApplicationCore : public TComponent {
    FW_CLASS(TApplicationCore, TComponent)
public:
    // The application of this run, or null outside one.
    static TApplicationCore* Running();

    // Called inside a catch block with the exception that a handler let out.
    virtual void HandleException(TObject* sender) = 0;
    // A cursor that overrides every control's (crDefault: none).
    virtual int ScreenCursor() const { return 0; }

protected:
    TApplicationCore();  // raises base::Error when another application is running
    ~TApplicationCore() override;

private:
    friend class TWinControl;
    friend plat::LRESULT FrameworkClassProc(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM);
    TWinControl* creating_ = nullptr;
};

}  // namespace fw
