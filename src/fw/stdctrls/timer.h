#pragma once

#include "fw/classes/component.h"
#include "fw/classes/events.h"
#include "plat/handle.h"
#include "plat/types.h"

namespace fw {

// Calls OnTimer every Interval milliseconds while Enabled, through a window timer on a hidden
// window of its own (made when the timer first runs, destroyed with the timer).
class TTimer : public TComponent {
    FW_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // Whether a window timer runs now.
    bool Running() const { return running_; }

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    plat::LRESULT WndProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    plat::HWND window_;
    bool running_ = false;
};

}  // namespace fw
