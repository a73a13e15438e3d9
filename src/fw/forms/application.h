#pragma once

#include <exception>
#include <functional>
#include <new>
#include <string>
#include <string_view>

#include "fw/controls/application_core.h"
#include "fw/forms/form.h"
#include "fw/forms/screen.h"
#include "plat/messages.h"

namespace fw {

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

// The program: its hidden window (class "TApplication"), title, forms and message loop, and the
// default handler of exceptions that reach the loop. One per run, made after the window system
// starts and destroyed before it stops; it owns the forms it creates and the screen.
class TApplication : public TApplicationCore {
    FW_CLASS(TApplication, TApplicationCore)
public:
    TApplication();
    ~TApplication() override;

    plat::HWND Handle() const { return handle_; }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string_view title);
    TScreen* Screen() { return screen_; }

    // The first form created is the main form; Run shows it and ends when it closes.
    TCustomForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool on) { showMainForm_ = on; }
    // Makes a form owned by the application; `reference` names it from the moment its object
    // exists, before its handlers run. An exception while the main form is made is shown and
    // ends the program; `reference` is then null.
    template <class T>
    void CreateForm(T*& reference);

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages waiting now, without waiting for more.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    // Handles one message as the loop does (keys go to the focused control first).
    void Dispatch(const plat::MSG& msg);

    // Called in a catch block: OnException, or the default: the error in a message box with the
    // application's title as caption, and the program goes on.
    void HandleException(TObject* sender) override;
    void ShowException(const std::exception& error);
    // The system message box over the active window; empty caption: the title.
    int MessageBox(std::string_view text, std::string_view caption, plat::UINT flags);

    TExceptionEvent OnException;

    int ScreenCursor() const override;

private:
    friend class TCustomForm;
    void FormCreated(TCustomForm* form);
    void FormFailed(bool wasMain);
    bool IsKeyMessage(const plat::MSG& msg);
    plat::LRESULT WndProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);

    plat::HWND handle_;
    std::string title_;
    TScreen* screen_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    bool creatingMain_ = false;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

// The application of this run (null outside one) and its screen.
TApplication* Application();
TScreen* Screen();

template <class T>
void TApplication::CreateForm(T*& reference)
{
    // The reference is set before the constructor runs, as handlers of the form may use it.
    void* memory = ::operator new(sizeof(T));
    reference = static_cast<T*>(memory);
    bool wasMain = !mainForm_ && !creatingMain_;
    creatingMain_ = creatingMain_ || wasMain;
    try {
        new (memory) T(this);
    } catch (...) {
        reference = nullptr;
        ::operator delete(memory);
        if (wasMain) creatingMain_ = false;
        HandleException(this);
        FormFailed(wasMain);
        return;
    }
    if (wasMain) creatingMain_ = false;
    FormCreated(reference);
}

}  // namespace fw
