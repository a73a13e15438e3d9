#include <memory>
#include <utility>

#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/dialogs/dialog_state.h"
#include "plat/gdi/gdi.h"
#include "plat/input.h"
#include "plat/message_queue.h"
#include "plat/modal_loop.h"
#include "plat/state/run_state.h"
#include "plat/window/window_data.h"
#include "plat/window.h"
#include "plat/window_pos.h"

namespace plat {

namespace {

struct DialogParts {
    // Handed from creation to WM_NCCREATE, where the window's handle is first known.
    std::unique_ptr<DialogState> pending;
    HFONT font;
};

// Holds a dialog's state for its window while CreateWindowEx runs, and drops what is left when
// creation ends however it ends.
class PendingState {
public:
    explicit PendingState(std::unique_ptr<DialogState> state) { RunPart<DialogParts>().pending = std::move(state); }
    ~PendingState() { RunPart<DialogParts>().pending.reset(); }
    PendingState(const PendingState&) = delete;
    PendingState& operator=(const PendingState&) = delete;
};

bool AnswersDirectly(UINT m)
{
    return m == WM_INITDIALOG || m == WM_CTLCOLORDLG || m == WM_CTLCOLORSTATIC || m == WM_CTLCOLORBTN ||
           m == WM_CTLCOLOREDIT || m == WM_CTLCOLORLISTBOX || m == WM_CTLCOLORSCROLLBAR;
}

LRESULT DialogWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        std::unique_ptr<DialogState>& pending = RunPart<DialogParts>().pending;
        DialogState* own = pending ? WindowData<DialogState>(hwnd) : nullptr;
        if (own) *own = *std::exchange(pending, nullptr);
    }
    DialogState* st = DialogStateOf(hwnd);
    if (st && st->proc) {
        SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 0);
        LRESULT r = st->proc(hwnd, message, wParam, lParam);
        if (r) return AnswersDirectly(message) ? r : GetWindowLongPtr(hwnd, DWLP_MSGRESULT);
    }
    return DefDlgProc(hwnd, message, wParam, lParam);
}

HWND FirstTabStop(HWND dialog) { return GetNextDlgTabItem(dialog, {}, FALSE); }

RECT CentredOn(HWND owner, SIZE size)
{
    RECT area = GetWorkArea();
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : HWND{};
    RECT on = root && IsWindowVisible(root) && !IsIconic(root) ? WindowRect(root) : area;
    int x = on.left + (on.width() - size.width) / 2, y = on.top + (on.height() - size.height) / 2;
    x = std::max(area.left, std::min(x, area.right - size.width));
    y = std::max(area.top, std::min(y, area.bottom - size.height));
    return {x, y, x + size.width, y + size.height};
}

}  // namespace

DialogState* DialogStateOf(HWND dialog) { return FindWindowData<DialogState>(dialog); }

HFONT DialogFont()
{
    HFONT& font = RunPart<DialogParts>().font;
    if (!GetObjectType(font)) {
        LOGFONT lf;
        lf.lfHeight = -11;
        lf.lfFaceName = "MS Sans Serif";
        font = CreateFontIndirect(&lf);
    }
    return font;
}

void RegisterDialogClass()
{
    WNDCLASSEX wc;
    wc.lpfnWndProc = DialogWindowProc;
    wc.lpszClassName = kDialogClassName;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.hCursor = LoadCursor(IDC_ARROW);
    wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
    RegisterClassEx(wc);
}

LRESULT DefDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogState* st = DialogStateOf(hwnd);
    switch (message) {
    case DM_GETDEFID:
        return st && st->defId ? LRESULT(MAKELPARAM(st->defId, DC_HASDEFID)) : 0;
    case DM_SETDEFID:
        if (st) {
            st->defId = int(wParam);
            ShowDefaultButtonFor(hwnd, GetFocus());
        }
        return TRUE;
    case WM_CLOSE: {
        // Closing is cancelling, unless the Cancel button is there and disabled.
        HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel)) PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(cancel.value));
        return 0;
    }
    case WM_ACTIVATE:
        if (st && LOWORD(wParam) == WA_INACTIVE) {
            HWND f = GetFocus();
            if (f && IsChild(hwnd, f)) st->lastFocus = f;
        } else if (st && LOWORD(wParam) != WA_INACTIVE) {
            HWND f = st->lastFocus && IsChild(hwnd, st->lastFocus) ? st->lastFocus : FirstTabStop(hwnd);
            if (f) SetFocus(f);
            ShowDefaultButtonFor(hwnd, GetFocus());
        }
        return 0;
    case WM_SETFOCUS: {
        HWND f = st && st->lastFocus && IsChild(hwnd, st->lastFocus) ? st->lastFocus : FirstTabStop(hwnd);
        if (f) SetFocus(f);
        return 0;
    }
    default: return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

HWND CreateDialogIndirectParam(const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM init)
{
    auto st = std::make_unique<DialogState>();
    st->proc = proc;
    st->font = GetObjectType(t.font) ? t.font : DialogFont();
    DWORD style = t.style & ~WS_VISIBLE;
    DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    RECT frame{0, 0, t.rect.width(), t.rect.height()};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    SIZE size{frame.width(), frame.height()};
    RECT at = (t.style & DS_CENTER) ? CentredOn(owner, size)
                                    : RECT{t.rect.left + frame.left, t.rect.top + frame.top,
                                           t.rect.left + frame.left + size.width, t.rect.top + frame.top + size.height};
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : HWND{};
    HWND dlg;
    {
        PendingState pending(std::move(st));
        dlg = CreateWindowEx(exStyle, kDialogClassName, t.caption, style, at.left, at.top, at.width(), at.height(),
                             (style & WS_CHILD) ? owner : root, {}, nullptr);
    }
    DialogState* state = DialogStateOf(dlg);
    if (!dlg || !state) {
        if (dlg) DestroyWindow(dlg);
        return {};
    }
    for (const DialogItem& item : t.items) {
        HWND c = CreateWindowEx(item.exStyle, item.className, item.text, item.style | WS_CHILD | WS_VISIBLE,
                                item.rect.left, item.rect.top, item.rect.width(), item.rect.height(), dlg,
                                ChildId(item.id));
        if (!c) {
            DestroyWindow(dlg);
            return {};
        }
        // Tab order is z-order, top to bottom: each control goes below the ones before it.
        SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        SendMessage(c, WM_SETFONT, WPARAM(state->font.value), FALSE);
        if (!state->defId && IsPushButton(c) && (GetWindowStyle(c) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            state->defId = item.id;
    }
    HWND first = FirstTabStop(dlg);
    LRESULT focusIt = SendMessage(dlg, WM_INITDIALOG, WPARAM(first.value), init);
    if (!IsWindow(dlg)) return {};
    if (focusIt && first) DialogStateOf(dlg)->lastFocus = first;
    if (t.style & WS_VISIBLE) ShowWindow(dlg, SW_SHOW);
    return dlg;
}

BOOL EndDialog(HWND dialog, std::intptr_t result)
{
    DialogState* st = DialogStateOf(dialog);
    if (!st) return FALSE;
    st->ended = true;
    st->result = result;
    PostMessage({}, WM_NULL, 0, 0);  // wakes the modal loop
    return TRUE;
}

std::intptr_t DialogBoxIndirectParam(const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM init)
{
    DialogTemplate hidden = t;
    hidden.style &= ~WS_VISIBLE;
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : HWND{};
    HWND dlg = CreateDialogIndirectParam(hidden, root, proc, init);
    if (!dlg) return -1;
    // However the loop ends (a script running out throws), the owner comes back enabled, before
    // the dialog goes so that the focus can return to it, and then active.
    ModalLoop loop(dlg);
    loop.disable(root);
    loop.closeOnExit(dlg);
    loop.activateOnExit(root);
    DialogState* st = DialogStateOf(dlg);
    if (!st->ended) {
        ShowWindow(dlg, SW_SHOW);
        SetActiveWindow(dlg);
    }
    MSG msg;
    while ((st = DialogStateOf(dlg)) && !st->ended && loop.next(&msg)) {
        if (!IsDialogMessage(dlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    // A quit, or the dialog gone without an answer (its owner destroyed), gives -1.
    std::intptr_t result = st && st->ended && !loop.quitTaken() ? st->result : -1;
    loop.leave();
    return result;
}

BOOL SetDlgItemText(HWND dialog, int id, std::string_view text) { return SetWindowText(GetDlgItem(dialog, id), text); }
std::string GetDlgItemText(HWND dialog, int id) { return GetWindowText(GetDlgItem(dialog, id)); }
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

}  // namespace plat
