#include "fw/stdctrls/label.h"

#include "base/letter_case.h"
#include "base/utf8.h"
#include "plat/gdi/dc.h"
#include "plat/gdi/gdi_constants.h"

namespace fw {

using namespace plat;

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks});
    SetBounds(0, 0, 65, 17);
}

TCustomLabel::~TCustomLabel() { SetFocusControl(nullptr); }

void TCustomLabel::SetAutoSize(bool on)
{
    if (autoSize_ == on) return;
    autoSize_ = on;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    if (layout_ == layout) return;
    layout_ = layout;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool on)
{
    if (wordWrap_ == on) return;
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool on)
{
    if (Transparent() == on) return;
    TControlStyle style = ControlStyle();
    if (on)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool on)
{
    if (showAccelChar_ == on) return;
    showAccelChar_ = on;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    if (focusControl_ == control) return;
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TCustomLabel::TextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (alignment_ == taCenter) flags |= DT_CENTER;
    if (alignment_ == taRightJustify) flags |= DT_RIGHT;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags)
{
    std::string text = GetLabelText();
    // An empty caption still measures one line, so an auto-sized label keeps its height.
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += " ";
    TCanvas& c = *Canvas();
    c.Font()->Assign(*Font());
    if (!Enabled() && !(flags & DT_CALCRECT)) {
        TRect shifted = rect.offset(1, 1);
        c.Font()->SetColor(clBtnHighlight);
        c.TextRect(shifted, text, flags);
        c.Font()->SetColor(clBtnShadow);
    }
    c.TextRect(rect, text, flags);
}

void TCustomLabel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    if (!Transparent()) {
        c.Brush()->SetColor(Color());
        c.Brush()->SetStyle(bsSolid);
        c.FillRect(r);
    }
    c.Brush()->SetStyle(bsClear);
    UINT flags = TextFlags();
    if (layout_ != tlTop) {
        TRect calc = r;
        DoDrawText(calc, flags | DT_CALCRECT);
        int free = r.height() - calc.height();
        r = r.offset(0, layout_ == tlBottom ? free : free / 2);
    }
    DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading)) return;
    HDC dc = CreateCompatibleDC({});
    if (!dc) return;
    TRect r = Rect(0, 0, Width(), 0);
    {
        TCanvas& c = *Canvas();
        c.Lock();
        HDC previous = c.HandleAllocated() ? c.Handle() : HDC{};
        c.SetHandle(dc);
        try {
            DoDrawText(r, TextFlags() | DT_CALCRECT);
        } catch (...) {
            c.SetHandle(previous);
            c.Unlock();
            DeleteDC(dc);
            throw;
        }
        c.SetHandle(previous);
        c.Unlock();
    }
    DeleteDC(dc);
    int left = Left();
    if (alignment_ == taRightJustify && !wordWrap_) left = Left() + Width() - r.right;
    SetBounds(left, Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

bool TCustomLabel::IsAccel(char32_t key) const
{
    if (!showAccelChar_) return false;
    std::string text = Caption();
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        char32_t c = base::decodeUtf8(text, i + 1).codePoint;
        return base::toUpperCodePoint(c) == base::toUpperCodePoint(key);
    }
    return false;
}

void TCustomLabel::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(m);
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (focusControl_ && Enabled() && IsAccel(char32_t(m.WParam)) && focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            m.Result = 1;
            return;
        }
        m.Result = 0;
        return;
    default: TGraphicControl::Dispatch(m); return;
    }
}

}  // namespace fw
