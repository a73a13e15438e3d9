#pragma once

#include "fw/controls/control_canvas.h"
#include "fw/controls/win_control.h"
#include "fw/forms/form_types.h"

namespace fw {

// A top-level window of the program with its frame, caption, active control and modal run.
// A form built in resource order opens a TFormResource in its constructor (see form_resource.h).
class TCustomForm : public TWinControl {
    FW_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    plat::HICON Icon() const { return icon_; }
    void SetIcon(plat::HICON icon);  // the caller keeps the icon alive while the form has it
    plat::HMENU Menu() const { return menu_; }
    void SetMenu(plat::HMENU menu);  // the main menu's bar; the menu's owner keeps it
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value) { alphaBlendValue_ = value < 0 ? 0 : value > 255 ? 255 : value; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // The control that has (or gets, when the form is activated) the focus.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool Active() const { return active_; }
    TCanvas* Canvas() { return &canvas_; }

    // Show makes the form visible and active; ShowModal also runs until ModalResult is set.
    void Show();
    void Hide() { SetVisible(false); }
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Asks OnCloseQuery, then OnClose decides what happens: hide (the default), free, minimise or
    // nothing. Closing the main form ends the application; closing a modal form ends its run.
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now queued for it are handled.
    void Release();

    void SetFocus() override;
    void FocusChild(TWinControl* control) override;
    void FocusChanged(TWinControl* focused) override;
    void ControlRemoving(TControl* control) override;
    bool PreviewsKeys() const override { return keyPreview_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // Runs OnCreate; called once the form's components are loaded.
    virtual void DoCreate();

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void AdjustClientRect(plat::RECT& rect) const override;
    void PaintWindow(plat::HDC dc) override;
    virtual void DoClose(TCloseAction& action);
    virtual void DoShow();
    virtual void DoHide();

private:
    friend class TWinControl;
    void ShowingChanged();
    void Activated(bool active);
    void PlaceForShowing();
    bool HandleDialogKey(TMessage& m);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    int borderWidth_ = 0;
    plat::HICON icon_;
    plat::HMENU menu_;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    bool modal_ = false;
    bool* modalAlive_ = nullptr;  // the running modal loop's "form still there"
    bool placed_ = false;
    TModalResult modalResult_ = mrNone;
    TControlCanvas canvas_;
};

// The form class programs derive from.
class TForm : public TCustomForm {
    FW_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};

// The form a control sits in, or null.
TCustomForm* GetParentForm(TControl* control);

}  // namespace fw
