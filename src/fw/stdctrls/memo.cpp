#include "fw/stdctrls/memo.h"

#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/edit_styles.h"
#include "plat/window_styles.h"

namespace fw {

using namespace plat;

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this))
{
    SetBounds(Left(), Top(), 185, 89);
    SetAutoSelect(false);
    TControlStyle style = ControlStyle();
    style.Exclude(csFixedHeight);
    SetControlStyle(style);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetAlignment(TAlignment alignment)
{
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle style)
{
    if (scrollBars_ == style) return;
    scrollBars_ = style;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool on)
{
    if (wordWrap_ == on) return;
    wordWrap_ = on;
    RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool on)
{
    if (wantReturns_ == on) return;
    wantReturns_ = on;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& p)
{
    TCustomEdit::CreateParams(p);
    p.Style &= ~ES_AUTOHSCROLL;
    p.Style |= ES_MULTILINE;
    if (!wordWrap_) p.Style |= ES_AUTOHSCROLL;
    if (wantReturns_) p.Style |= ES_WANTRETURN;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= WS_HSCROLL;
    if (alignment_ == taCenter) p.Style |= ES_CENTER;
    if (alignment_ == taRightJustify) p.Style |= ES_RIGHT;
}

void TCustomMemo::Dispatch(TMessage& m)
{
    if (m.Msg == WM_GETDLGCODE) {
        TCustomEdit::Dispatch(m);
        if (wantTabs_)
            m.Result |= DLGC_WANTTAB;
        else
            m.Result &= ~DLGC_WANTTAB;
        if (!wantReturns_) m.Result &= ~DLGC_WANTALLKEYS;
        return;
    }
    TCustomEdit::Dispatch(m);
}

}  // namespace fw
