#include "fw/stdctrls/timer.h"

#include "base/error.h"
#include "fw/controls/application_core.h"
#include "plat/timer.h"
#include "plat/window.h"
#include "plat/window_styles.h"
#include "plat/wnd_proc.h"

namespace fw {

using namespace plat;

namespace {

constexpr const char* kTimerWindowClass = "TTimerWindow";
constexpr std::uintptr_t kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer()
{
    if (window_ && IsWindow(window_)) {
        KillTimer(window_, kTimerId);
        SetWindowProc(window_, DefWindowProc);
        DestroyWindow(window_);
    }
}

void TTimer::SetEnabled(bool on)
{
    if (enabled_ == on) return;
    enabled_ = on;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms)
{
    if (interval_ == ms) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (running_) {
        KillTimer(window_, kTimerId);
        running_ = false;
    }
    if (!enabled_ || interval_ == 0 || !onTimer_ || ComponentState().Contains(csDesigning)) return;
    if (!window_ || !IsWindow(window_)) {
        WNDCLASSEX wc;
        if (!GetClassInfoEx(kTimerWindowClass, &wc)) {
            wc.lpfnWndProc = DefWindowProc;
            wc.lpszClassName = kTimerWindowClass;
            RegisterClassEx(wc);
        }
        window_ = CreateWindowEx(0, kTimerWindowClass, "", WS_POPUP, 0, 0, 0, 0, {});
        if (!window_) throw base::Error("The timer's window cannot be made");
        SetWindowProc(window_, BindWndProc<&TTimer::WndProc>(this));
    }
    if (!SetTimer(window_, kTimerId, interval_)) throw base::Error("Not enough timers available");
    running_ = true;
}

void TTimer::Timer()
{
    if (onTimer_) onTimer_(this);
}

LRESULT TTimer::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == kTimerId) {
        try {
            Timer();
        } catch (...) {
            TApplicationCore* app = TApplicationCore::Running();
            if (!app) throw;
            app->HandleException(this);
        }
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace fw
