#pragma once

#include <vector>

#include "fw/controls/control.h"
#include "fw/controls/create_params.h"
#include "fw/graphics/brush.h"
#include "plat/handle.h"
#include "plat/wnd_proc.h"

namespace fw {

// A control with a window of its own, made on demand from its creation parameters and registered
// under the control's class name. It parents other controls, lays them out by Align and Anchors,
// keeps their tab order and paints its graphic children. Destroying the control destroys its
// window; a window destroyed from outside tells the control, which then simply has none until it
// is asked for one again.
class TWinControl : public TControl {
    FW_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, made first when there is none (and the parents' windows with it).
    plat::HWND Handle();
    plat::HWND WindowHandle() const { return handle_; }  // null when not made
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes it again from fresh creation parameters.
    void RecreateWnd();
    // The owner window of a control without a parent control (forms: the application window).
    plat::HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(plat::HWND owner);
    // The control whose window this is (also for a window whose procedure others replaced).
    static TWinControl* FromHandle(plat::HWND hwnd);
    // The platform procedure that DefaultHandler calls.
    const plat::WndProc& DefWndProc() const { return defWndProc_; }

    // Children, bottom of the z-order first.
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const;  // raises base::Error outside the list
    bool ContainsControl(const TControl* control) const;  // at any depth
    // The visible child under a client point, graphic children before windowed ones unless asked.
    TControl* ControlAtPos(plat::POINT p, bool allowDisabled, bool allowWinControls = false) const;

    // Layout: DisableAlign/EnableAlign pairs postpone it; Realign runs it now.
    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return alignLevel_ > 0; }

    int TabOrder() const;  // -1 without parent
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    // Windowed controls below this one in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The top parent hears which control a request wants focused and which one took the focus;
    // a form keeps its active control by them.
    virtual void FocusChild(TWinControl* control);
    virtual void FocusChanged(TWinControl* focused);
    // The top parent hears that `control` (and all inside it) is leaving the tree.
    virtual void ControlRemoving(TControl* control);
    // Whether this top parent sees its controls' keys before they do (a form's KeyPreview).
    virtual bool PreviewsKeys() const { return false; }
    // The window exists and it and all its parents are shown.
    bool Showing() const { return showing_; }

    void SetBounds(int left, int top, int width, int height) override;
    plat::RECT ClientRect() const override;
    plat::POINT ClientOrigin() const override;
    void Invalidate() override;
    void Repaint() override;
    void SetEnabled(bool enabled) override;

    // Paints the visible graphic children into `dc` (the client area's context), from `first` on.
    void PaintControls(plat::HDC dc, TControl* first = nullptr);
    // Sends a message to every child until one answers non-zero.
    void Broadcast(TMessage& message);
    // Sends a message to every child, whatever they answer.
    void NotifyControls(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The background: a brush of the control's colour.
    TBrush* Brush() { return &brush_; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& params);
    // Makes the window from the parameters (and the children's windows).
    virtual void CreateWnd();
    virtual void DestroyWnd();
    void CreateHandle();
    void DestroyHandle();

    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // The client rectangle children are laid out in (a border or bevel makes it smaller).
    virtual void AdjustClientRect(plat::RECT& rect) const;
    virtual void AlignControls(TControl* changed, plat::RECT& rect);
    // Paints the window's own client area (the platform procedure, given the context).
    virtual void PaintWindow(plat::HDC dc);
    void PaintHandler(TMessage& message);

    virtual void DoEnter();
    virtual void DoExit();
    // Key events; true when the handler swallowed the key.
    virtual bool DoKeyDown(TMessage& message);
    virtual bool DoKeyUp(TMessage& message);
    virtual bool DoKeyPress(TMessage& message);

    std::string GetText() const override;
    void SetTextValue(std::string_view text) override;

private:
    friend class TControl;
    friend plat::LRESULT FrameworkClassProc(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM);
    plat::LRESULT MainWndProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);
    void AttachWindow(plat::HWND hwnd);
    void DetachWindow();
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void AlignChild(TControl* changed);
    void UpdateBoundsFromWindow();
    void UpdateShowing();
    bool IsControlMouseMsg(TMessage& m);
    void TrackMouse(TMessage& m);
    void SetHoverChild(TControl* child);
    void HandleKeyMessage(TMessage& m);
    bool HandleDialogKeys(TMessage& m);
    bool ReflectToChild(plat::HWND child, TMessage& m);

    plat::HWND handle_;
    plat::HWND parentWindow_;
    TBrush brush_;
    plat::WndProc defWndProc_;
    std::vector<TControl*> controls_;       // z-order, bottom first
    std::vector<TWinControl*> tabList_;     // windowed children in tab order
    int alignLevel_ = 0;
    bool alignPending_ = false;
    bool aligning_ = false;
    bool tabStop_ = false;
    bool showing_ = false;
    bool mouseInWindow_ = false;
    TControl* captureChild_ = nullptr;  // the graphic child that holds the mouse through this window
    TControl* hoverChild_ = nullptr;    // the graphic child under the mouse
};

}  // namespace fw
