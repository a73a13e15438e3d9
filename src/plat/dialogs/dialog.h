#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"
#include "plat/messages.h"
#include "plat/types.h"
#include "plat/window_styles.h"

namespace plat {

// Dialogs: "#32770" windows made from a description of their controls, run modeless or modal,
// with the usual keyboard interface (IsDialogMessage).
constexpr const char* kDialogClassName = "#32770";

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

constexpr UINT DM_GETDEFID = WM_USER + 0;  // answers MAKELRESULT(id, DC_HASDEFID), or 0
constexpr UINT DM_SETDEFID = WM_USER + 1;  // wParam: the new default button's id
constexpr WORD DC_HASDEFID = 0x534B;

constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_MODALFRAME = 0x0080;
constexpr DWORD DS_CENTER = 0x0800;

// Extra window bytes of a dialog: what its procedure answers for messages it handles.
constexpr int DWLP_MSGRESULT = 0;
constexpr int DWLP_USER = 16;
constexpr int DLGWINDOWEXTRA = 24;

// A dialog procedure answers TRUE for what it handled (then the answer is in DWLP_MSGRESULT),
// FALSE to leave the message to the dialog's defaults. WM_INITDIALOG: TRUE puts the focus on
// the control named in wParam.
using DLGPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// One control: its class and text, styles (WS_CHILD | WS_VISIBLE are added), the rectangle in
// the dialog's client pixels and its id.
struct DialogItem {
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect;
    int id = 0;
};
// The dialog: its styles, caption and client rectangle (screen pixels; with DS_CENTER only its
// size counts and it is centred on the owner, or on the work area without one). The font goes to
// every control with WM_SETFONT; null gives the dialog font.
struct DialogTemplate {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    DWORD exStyle = 0;
    std::string caption;
    RECT rect;
    HFONT font;
    std::vector<DialogItem> items;
};

// Creates the dialog hidden, its controls, then sends WM_INITDIALOG (lParam: init) and shows it
// when its style has WS_VISIBLE. Null when a control cannot be made.
HWND CreateDialogIndirectParam(const DialogTemplate& dialog, HWND owner, DLGPROC proc, LPARAM init);
// Runs the dialog modally: the owner's top-level window is disabled until EndDialog, then enabled
// and activated again. The value given to EndDialog, or -1 when the dialog cannot be made.
std::intptr_t DialogBoxIndirectParam(const DialogTemplate& dialog, HWND owner, DLGPROC proc, LPARAM init);
BOOL EndDialog(HWND dialog, std::intptr_t result);

// Takes the dialog keys of a message meant for the dialog or its controls: Tab / Shift+Tab
// between WS_TABSTOP controls, arrows within a WS_GROUP, Enter for the focused push button or
// else the default one (IDOK without one), Escape for IDCANCEL, access keys. Everything else for
// the dialog is translated and dispatched here as well. FALSE for messages of other windows.
BOOL IsDialogMessage(HWND dialog, MSG* msg);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

BOOL SetDlgItemText(HWND dialog, int id, std::string_view text);
std::string GetDlgItemText(HWND dialog, int id);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The font of dialogs and message boxes ("MS Sans Serif" -11; shared, never freed).
HFONT DialogFont();
void RegisterDialogClass();

}  // namespace plat
