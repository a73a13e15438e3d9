#include "fw/stdctrls/custom_edit.h"

#include <algorithm>

#include "base/utf8.h"
#include "plat/controls/edit_styles.h"
#include "plat/message_queue.h"
#include "plat/window.h"
#include "plat/window_styles.h"

namespace fw {

using namespace plat;

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

void TCustomEdit::SetReadOnly(bool on)
{
    if (readOnly_ == on) return;
    readOnly_ = on;
    if (HandleAllocated()) SendMessage(WindowHandle(), EM_SETREADONLY, on, 0);
}

void TCustomEdit::SetMaxLength(int length)
{
    length = std::max(0, length);
    if (maxLength_ == length) return;
    maxLength_ = length;
    if (HandleAllocated()) SendMessage(WindowHandle(), EM_LIMITTEXT, WPARAM(length), 0);
}

void TCustomEdit::SetPasswordChar(char32_t c)
{
    if (passwordChar_ == c) return;
    passwordChar_ = c;
    if (HandleAllocated()) {
        SendMessage(WindowHandle(), EM_SETPASSWORDCHAR, WPARAM(c), 0);
        Invalidate();
    }
}

void TCustomEdit::SetBorderStyle(TBorderStyle style)
{
    if (style != bsSingle) style = bsNone;
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomEdit::SetCtl3D(bool on)
{
    if (ctl3D_ == on) return;
    ctl3D_ = on;
    Perform(CM_CTL3DCHANGED);
    RecreateWnd();
}

void TCustomEdit::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.PlatformClass = "Edit";
    p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (readOnly_) p.Style |= ES_READONLY;
    if (passwordChar_) p.Style |= ES_PASSWORD;
    if (borderStyle_ == bsSingle) {
        if (ctl3D_)
            p.ExStyle |= WS_EX_CLIENTEDGE;
        else
            p.Style |= WS_BORDER;
    }
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND h = WindowHandle();
    SendMessage(h, EM_LIMITTEXT, WPARAM(maxLength_), 0);
    if (passwordChar_) SendMessage(h, EM_SETPASSWORDCHAR, WPARAM(passwordChar_), 0);
    SendMessage(h, EM_SETMODIFY, modified_, 0);
}

void TCustomEdit::DestroyWnd()
{
    if (HandleAllocated()) modified_ = SendMessage(WindowHandle(), EM_GETMODIFY, 0, 0) != 0;
    TWinControl::DestroyWnd();
}

void TCustomEdit::GetSel(int& start, int& end) const
{
    start = end = 0;
    if (!HandleAllocated()) return;
    DWORD s = 0;
    DWORD e = 0;
    SendMessage(WindowHandle(), EM_GETSEL, WPARAM(&s), LPARAM(&e));
    start = int(s);
    end = int(e);
}

int TCustomEdit::SelStart() const
{
    int s, e;
    GetSel(s, e);
    return s;
}

int TCustomEdit::SelLength() const
{
    int s, e;
    GetSel(s, e);
    return e - s;
}

void TCustomEdit::SetSelStart(int start)
{
    if (!HandleAllocated()) return;
    SendMessage(WindowHandle(), EM_SETSEL, WPARAM(start), LPARAM(start));
}

void TCustomEdit::SetSelLength(int length)
{
    if (!HandleAllocated()) return;
    int s = SelStart();
    SendMessage(WindowHandle(), EM_SETSEL, WPARAM(s), LPARAM(s + std::max(0, length)));
}

std::string TCustomEdit::SelText() const
{
    int s, e;
    GetSel(s, e);
    if (e <= s) return "";
    std::string text = Text();
    std::size_t from = text.size();
    std::size_t to = text.size();
    int index = 0;
    for (auto it = base::Utf8View(text).begin(); it != base::Utf8View(text).end(); ++it, ++index) {
        if (index == s) from = it.offset();
        if (index == e) {
            to = it.offset();
            break;
        }
    }
    return from < to ? text.substr(from, to - from) : std::string();
}

void TCustomEdit::SetSelText(std::string_view text)
{
    std::string s(text);
    if (HandleAllocated()) SendMessage(WindowHandle(), EM_REPLACESEL, 0, LPARAM(s.c_str()));
}

void TCustomEdit::SelectAll()
{
    if (HandleAllocated()) SendMessage(WindowHandle(), EM_SETSEL, 0, -1);
}

bool TCustomEdit::Modified() const
{
    if (HandleAllocated()) return SendMessage(WindowHandle(), EM_GETMODIFY, 0, 0) != 0;
    return modified_;
}

void TCustomEdit::SetModified(bool on)
{
    modified_ = on;
    if (HandleAllocated()) SendMessage(WindowHandle(), EM_SETMODIFY, on, 0);
}

void TCustomEdit::Change()
{
    Perform(CM_CHANGED, 0, LPARAM(static_cast<TControl*>(this)));
    if (OnChange) OnChange(this);
}

void TCustomEdit::DoEnter()
{
    if (autoSelect_ && HandleAllocated() && !(GetWindowStyle(WindowHandle()) & ES_MULTILINE)) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (m.NotifyCode() == EN_CHANGE && !ControlState().Contains(csCreating)) Change();
        return;
    default: TWinControl::Dispatch(m); return;
    }
}

}  // namespace fw
