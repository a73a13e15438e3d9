#include <vector>

#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/dialogs/dialog_state.h"
#include "plat/input.h"
#include "plat/menus/menu_store.h"
#include "plat/message_queue.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

constexpr UINT EM_SETSEL = 0x00B1;

// The dialog's direct children in tab order: z-order from the top (the creation order of a
// dialog's controls).
std::vector<HWND> Controls(HWND dialog)
{
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

bool Usable(HWND c) { return IsWindowVisible(c) && IsWindowEnabled(c); }

LRESULT CodeOf(HWND c, MSG* msg = nullptr)
{
    return SendMessage(c, WM_GETDLGCODE, msg ? msg->wParam : 0, LPARAM(msg));
}

HWND ControlOf(HWND dialog, HWND hwnd)
{
    while (hwnd && GetParent(hwnd) != dialog) hwnd = GetParent(hwnd);
    return hwnd;
}

void Focus(HWND dialog, HWND c)
{
    if (!c) return;
    SetFocus(c);
    if (CodeOf(c) & DLGC_HASSETSEL) SendMessage(c, EM_SETSEL, 0, -1);
    ShowDefaultButtonFor(dialog, c);
}

void Click(HWND dialog, int id)
{
    HWND b = GetDlgItem(dialog, id);
    if (b && !IsWindowEnabled(b)) return;
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(b.value));
}

int DefaultId(HWND dialog)
{
    LRESULT d = SendMessage(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(WPARAM(d)) == DC_HASDEFID ? LOWORD(WPARAM(d)) : IDOK;
}

// A control whose text has this access key: buttons are clicked, statics hand the focus to the
// next control that takes it.
bool OnAccessKey(HWND dialog, HWND from, char32_t key)
{
    if (key >= 'A' && key <= 'Z') key = key - 'A' + 'a';
    std::vector<HWND> all = Controls(dialog);
    std::size_t start = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == from) start = i + 1;
    for (std::size_t k = 0; k < all.size(); ++k) {
        HWND c = all[(start + k) % all.size()];
        if (!Usable(c) || AccessKeyOf(GetWindowText(c)) != key) continue;
        LRESULT code = CodeOf(c);
        if (code & DLGC_STATIC) {
            Focus(dialog, GetNextDlgTabItem(dialog, c, FALSE));
        } else if (code & DLGC_BUTTON) {
            Focus(dialog, c);
            if (IsPushButton(c)) Click(dialog, GetDlgCtrlID(c));
            else SendMessage(c, BM_CLICK, 0, 0);
        } else {
            Focus(dialog, c);
        }
        return true;
    }
    return false;
}

}  // namespace

bool IsPushButton(HWND control) { return (CodeOf(control) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0; }

void ShowDefaultButtonFor(HWND dialog, HWND focus)
{
    DialogState* st = DialogStateOf(dialog);
    if (!st) return;
    HWND showDefault = focus && GetParent(focus) == dialog && IsPushButton(focus) ? focus : GetDlgItem(dialog, st->defId);
    for (HWND c : Controls(dialog)) {
        if (!IsPushButton(c)) continue;
        bool isDefault = (CodeOf(c) & DLGC_DEFPUSHBUTTON) != 0;
        bool wanted = c == showDefault;
        if (isDefault != wanted) SendMessage(c, BM_SETSTYLE, wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> all = Controls(dialog);
    if (all.empty()) return {};
    int n = int(all.size()), at = -1;
    for (int i = 0; i < n; ++i)
        if (all[std::size_t(i)] == control) at = i;
    if (at < 0) at = previous ? 0 : n - 1;  // from no control: the first (or the last) tab stop
    for (int k = 1; k <= n; ++k) {
        HWND c = all[std::size_t(((at + (previous ? -k : k)) % n + n) % n)];
        if (Usable(c) && (GetWindowStyle(c) & WS_TABSTOP)) return c;
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> all = Controls(dialog);
    int n = int(all.size()), at = -1;
    for (int i = 0; i < n; ++i)
        if (all[std::size_t(i)] == control) at = i;
    if (at < 0) return {};
    // The group runs from a WS_GROUP control up to the next one.
    int first = at;
    while (first > 0 && !(GetWindowStyle(all[std::size_t(first)]) & WS_GROUP)) --first;
    int last = at;
    while (last + 1 < n && !(GetWindowStyle(all[std::size_t(last + 1)]) & WS_GROUP)) ++last;
    int size = last - first + 1;
    for (int k = 1; k <= size; ++k) {
        int i = first + ((at - first + (previous ? -k : k)) % size + size) % size;
        if (Usable(all[std::size_t(i)])) return all[std::size_t(i)];
    }
    return control;
}

BOOL IsDialogMessage(HWND dialog, MSG* msg)
{
    if (!msg || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) return FALSE;
    ShowDefaultButtonFor(dialog, GetFocus());  // a click may have moved the focus
    HWND control = ControlOf(dialog, msg->hwnd);
    LRESULT code = control ? CodeOf(msg->hwnd, msg) : 0;
    bool wantsAll = code & DLGC_WANTALLKEYS;
    if (msg->message == WM_KEYDOWN && !wantsAll) {
        switch (msg->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) break;
            Focus(dialog, GetNextDlgTabItem(dialog, control, GetKeyState(int(VK_SHIFT)) < 0));
            return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (code & DLGC_WANTARROWS) break;
            bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
            HWND next = control ? GetNextDlgGroupItem(dialog, control, back) : HWND{};
            if (next) {
                Focus(dialog, next);
                if (CodeOf(next) & DLGC_RADIOBUTTON) SendMessage(next, BM_CLICK, 0, 0);
            }
            return TRUE;
        }
        case VK_RETURN: {
            HWND f = GetFocus();
            Click(dialog, f && GetParent(f) == dialog && IsPushButton(f) ? GetDlgCtrlID(f) : DefaultId(dialog));
            return TRUE;
        }
        case VK_ESCAPE: Click(dialog, IDCANCEL); return TRUE;
        default: break;
        }
    }
    if (msg->message == WM_CHAR && !wantsAll && (msg->wParam == '\t' || msg->wParam == '\r' || msg->wParam == 27))
        return TRUE;
    if ((msg->message == WM_SYSCHAR && msg->wParam != ' ') ||
        (msg->message == WM_CHAR && !(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) && msg->wParam > ' ')) {
        if (OnAccessKey(dialog, control, char32_t(msg->wParam))) return TRUE;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}

}  // namespace plat
