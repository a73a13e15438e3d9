#include <algorithm>

#include "fw/controls/control_messages.h"
#include "fw/controls/win_control.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/input.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"

namespace fw {

using namespace plat;

int TWinControl::TabOrder() const
{
    if (!parent_) return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!parent_) return;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool on)
{
    if (on == tabStop_) return;
    tabStop_ = on;
    if (handle_) {
        DWORD style = GetWindowStyle(handle_);
        SetWindowLongPtr(handle_, GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

bool TWinControl::CanFocus() const
{
    for (const TWinControl* c = this; c; c = c->parent_) {
        if (!c->visible_ || !c->enabled_) return false;
        if (!c->parent_) return true;
    }
    return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = int(list.size());
    int start = int(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == n) start = goForward ? n - 1 : 0;  // not in the list: begin at the first / last
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = goForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[std::size_t(i)];
        if (c == current) break;
        if ((!checkTabStop || c->tabStop_) && (!checkParent || c->parent_ == this) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::SetFocus()
{
    TWinControl* root = this;
    while (root->parent_) root = root->parent_;
    root->FocusChild(this);
}

void TWinControl::FocusChild(TWinControl* control)
{
    if (control->CanFocus()) plat::SetFocus(control->Handle());
}

void TWinControl::FocusChanged(TWinControl*) {}
void TWinControl::ControlRemoving(TControl*) {}

// A key the focused control does not want for itself may be a dialog key of its form (Tab,
// Enter, Escape, arrows): true when the form took it.
bool TWinControl::HandleDialogKeys(TMessage& m)
{
    if (Perform(CM_CHILDKEY, m.WParam, LPARAM(this)) != 0) return true;
    LRESULT mask = 0;
    switch (m.CharCode()) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_ESCAPE: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (!mask) return false;
    if (Perform(CM_WANTSPECIALKEY, m.WParam) != 0) return false;
    if (Perform(WM_GETDLGCODE) & mask) return false;
    TWinControl* root = this;
    while (root->parent_) root = root->parent_;
    return root->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0;
}

namespace {

// The top parent that sees the keys of `control` first, if it asks to.
TWinControl* Previewer(TWinControl* control)
{
    TWinControl* root = control;
    while (root->Parent()) root = root->Parent();
    return root != control && root->PreviewsKeys() ? root : nullptr;
}

}  // namespace

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

bool TWinControl::DoKeyDown(TMessage& m)
{
    if (TWinControl* root = Previewer(this); root && root->DoKeyDown(m)) return true;
    if (!OnKeyDown) return false;
    unsigned short key = m.CharCode();
    OnKeyDown(this, key, ShiftFromKeyboard());
    m.SetCharCode(key);
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& m)
{
    if (TWinControl* root = Previewer(this); root && root->DoKeyUp(m)) return true;
    if (!OnKeyUp) return false;
    unsigned short key = m.CharCode();
    OnKeyUp(this, key, ShiftFromKeyboard());
    m.SetCharCode(key);
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m)
{
    if (TWinControl* root = Previewer(this); root && root->DoKeyPress(m)) return true;
    if (!OnKeyPress) return false;
    char32_t ch = char32_t(m.WParam);
    OnKeyPress(this, ch);
    m.WParam = WPARAM(ch);
    return ch == 0;
}

}  // namespace fw
