#pragma once

#include <string>
#include <string_view>

#include "fw/classes/component.h"
#include "fw/classes/events.h"
#include "fw/controls/control_messages.h"
#include "fw/controls/control_types.h"
#include "fw/controls/message.h"
#include "fw/graphics/color.h"
#include "fw/graphics/font.h"
#include "plat/gdi/gdi_types.h"

namespace fw {

class TWinControl;

// Anything shown in a form: a rectangle in its parent's client area with visibility, enabled
// state, text, cursor and mouse events. Every message reaches it through `WindowProc`, which
// others may save, replace and call on; the default one runs WndProc, then the class's handlers
// (Dispatch, overridden down the class chain), then DefaultHandler.
class TControl : public TComponent {
    FW_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const { return parent_ != nullptr; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    plat::RECT BoundsRect() const { return plat::RECT::fromSize(left_, top_, width_, height_); }
    void SetBoundsRect(const plat::RECT& r) { SetBounds(r.left, r.top, r.width(), r.height()); }
    // Moves and sizes the control; a change re-aligns the parent and the control's children.
    virtual void SetBounds(int left, int top, int width, int height);

    // The client area, from (0, 0).
    virtual plat::RECT ClientRect() const;
    int ClientWidth() const { return ClientRect().width(); }
    int ClientHeight() const { return ClientRect().height(); }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    // The screen position of the client area's top-left corner.
    virtual plat::POINT ClientOrigin() const;
    plat::POINT ClientToScreen(plat::POINT p) const;
    plat::POINT ScreenToClient(plat::POINT p) const;
    plat::POINT ClientToParent(plat::POINT p, const TWinControl* parent) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // The caption of a control is its text.
    std::string Text() const;
    void SetText(std::string_view text);
    std::string Caption() const { return Text(); }
    void SetCaption(std::string_view text) { SetText(text); }

    // Colour and font, taken from the parent while ParentColor / ParentFont hold (both do until
    // the control is given its own).
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle s) { controlStyle_ = s; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState s) { controlState_ = s; }

    bool MouseCapture() const;
    void SetMouseCapture(bool on);

    // Painting: Invalidate marks the control for painting later; Update paints what is marked now;
    // Repaint does both.
    virtual void Invalidate();
    void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // What a click does: the OnClick event.
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    void Notification(TComponent* component, TOperation operation) override;

protected:
    // The first step of every message through the default WindowProc.
    virtual void WndProc(TMessage& message);
    // The class's own handlers: an override handles what it knows and passes the rest to its
    // base class's Dispatch; TControl's ends in DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Resize();
    // May change or refuse a new size (false keeps the old one).
    virtual bool CanResize(int& width, int& height);

    // Text of a control without a window; a windowed control keeps it in its window.
    virtual std::string GetText() const { return text_; }
    virtual void SetTextValue(std::string_view text) { text_ = text; }

    // Remembers the distances to the parent's edges that the anchors keep.
    void UpdateAnchorRules();
    // Asks the parent to lay out its children again because this one changed.
    void RequestAlign();

private:
    friend class TWinControl;
    void DefaultWindowProc(TMessage& m) { WndProc(m); }
    void HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl);
    void FontChanged();
    void TakeParentLook();
    // Set by the parent's layout: moves without touching the anchor rules.
    void SetBoundsByLayout(int left, int top, int width, int height);

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = kDefaultAnchors;
    // Right and bottom distances to the parent's client edges, and the parent's client size then.
    int anchorRight_ = 0;
    int anchorBottom_ = 0;
    int anchorParentWidth_ = 0;
    int anchorParentHeight_ = 0;
    bool anchorRulesValid_ = false;
    bool layoutMove_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TCursor cursor_ = crDefault;
    TColor color_ = clWindow;
    TFont font_;
    bool parentColor_ = true;
    bool parentFont_ = true;
    bool takingParentFont_ = false;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
};

}  // namespace fw
