#include "fw/forms/application.h"

#include "base/error.h"
#include "plat/dialogs/message_box.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace fw {

using namespace plat;

namespace {

constexpr const char* kApplicationClass = "TApplication";

}  // namespace

TApplication* Application() { return As<TApplication>(TApplicationCore::Running()); }

TScreen* Screen()
{
    TApplication* app = Application();
    return app ? app->Screen() : nullptr;
}

TApplication::TApplication()
{
    screen_ = new TScreen(this);
    WNDCLASSEX wc;
    if (!GetClassInfoEx(kApplicationClass, &wc)) {
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = kApplicationClass;
        RegisterClassEx(wc);
    }
    handle_ = CreateWindowEx(0, kApplicationClass, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                             {});
    if (!handle_) throw base::Error("The application window cannot be made");
    SetWindowProc(handle_, BindWndProc<&TApplication::WndProc>(this));
}

TApplication::~TApplication()
{
    Destroying();
    // Forms first, while the screen and the application window are still here.
    while (ComponentCount() > 0) {
        TComponent* last = Components(ComponentCount() - 1);
        if (last == screen_) break;
        delete last;
    }
    mainForm_ = nullptr;
    if (IsWindow(handle_)) {
        SetWindowProc(handle_, DefWindowProc);
        DestroyWindow(handle_);
    }
    DestroyComponents();
}

LRESULT TApplication::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CLOSE) {
        if (mainForm_) mainForm_->Close();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void TApplication::SetTitle(std::string_view title)
{
    title_ = title;
    if (handle_) SetWindowText(handle_, title);
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (!mainForm_) mainForm_ = form;
}

void TApplication::FormFailed(bool wasMain)
{
    if (wasMain) Terminate();
}

void TApplication::Run()
{
    if (mainForm_ && showMainForm_ && !terminated_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate()
{
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

bool TApplication::IsKeyMessage(const MSG& msg)
{
    if (msg.message < WM_KEYDOWN || msg.message > WM_SYSCHAR) return false;
    HWND target = GetCapture();
    if (!target) target = msg.hwnd;
    if (!TWinControl::FromHandle(target)) return false;
    return SendMessage(target, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::Dispatch(const MSG& msg)
{
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return;
    }
    if (IsKeyMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessage(&msg);
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!GetMessage(&msg)) {
        terminated_ = true;
        return;
    }
    Dispatch(msg);
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (!terminated_ && PeekMessage(&msg)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void TApplication::HandleException(TObject* sender)
{
    try {
        throw;
    } catch (const std::exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
}

void TApplication::ShowException(const std::exception& error)
{
    MessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(std::string_view text, std::string_view caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    if (owner == handle_) owner = {};
    if (!owner && mainForm_ && mainForm_->HandleAllocated() && IsWindowVisible(mainForm_->WindowHandle()))
        owner = mainForm_->WindowHandle();
    return plat::MessageBox(owner, text, caption.empty() ? std::string_view(title_) : caption, flags);
}

int TApplication::ScreenCursor() const { return screen_ ? screen_->Cursor() : crDefault; }

}  // namespace fw
