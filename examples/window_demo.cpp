// A window with the standard controls and a pop-up menu on the real desktop (simple stand-ins
// when the controls or menus are not in the build). With SENTAVIA_DEMO_STATE set it writes what
// it shows to that file after every change, for the display test.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "base/error.h"
#include "base/utf8.h"
#include "plat/backend/sdl/start_desktop.h"
#include "plat/gdi/gdi.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"
#if SENTAVIA_PLAT_HAS_CONTROLS
#include "plat/controls/button_styles.h"
#include "plat/controls/controls_registry.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/status_bar_messages.h"
#endif
#if SENTAVIA_PLAT_HAS_MENUS
#include "plat/menus/menu.h"
#include "plat/menus/menu_track.h"
#endif

using namespace plat;

namespace {

constexpr int kEdit = 1, kMemo = 2, kOk = 3, kMenuButton = 4, kStatus = 5, kMenuItem = 100;
constexpr std::uintptr_t kStateTimer = 1;
int g_okClicks = 0;
std::string g_lastCommand = "none";
HWND g_main, g_menu;
bool g_menuOpen = false;  // a tracked pop-up menu is showing
RECT g_menuItem{};        // its first item, screen
const char* g_statePath = nullptr;
#if SENTAVIA_PLAT_HAS_MENUS
HMENU g_popup;
#endif

void Publish();

#if !SENTAVIA_PLAT_HAS_CONTROLS || !SENTAVIA_PLAT_HAS_MENUS
void Fill(HDC dc, RECT r, int color)
{
    HBRUSH b = CreateSolidBrush(GetSysColor(color));
    FillRect(dc, &r, b);
    DeleteObject(HGDIOBJ(b));
}

void Text(HDC dc, std::string_view s, RECT r, UINT format)
{
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawText(dc, s, &r, format);
    SelectObject(dc, old);
}

#endif

#if !SENTAVIA_PLAT_HAS_CONTROLS
// Edit and memo: white sunken boxes; the edit takes typed characters.
LRESULT TextBoxProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_LBUTTONDOWN: SetFocus(h); return 0;
    case WM_CHAR: {
        std::string text = GetWindowText(h);
        if (w == 8) {
            while (!text.empty() && (text.back() & 0xC0) == 0x80) text.pop_back();
            if (!text.empty()) text.pop_back();
        } else if (w >= 32) {
            base::appendUtf8(text, char32_t(w));
        }
        SetWindowText(h, text);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r = ClientRect(h);
        Fill(dc, r, COLOR_WINDOW);
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        RECT inner{r.left + 4, r.top + 3, r.right - 4, r.bottom - 3};
        bool memo = GetDlgCtrlID(h) == kMemo;
        Text(dc, GetWindowText(h), inner, memo ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER));
        EndPaint(h, &ps);
        return 0;
    }
    default: return DefWindowProc(h, m, w, l);
    }
}

// Push buttons tell their parent on release.
LRESULT ButtonProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_LBUTTONDOWN: SetCapture(h); return 0;
    case WM_LBUTTONUP: {
        bool inside = ClientRect(h).contains(POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        ReleaseCapture();
        if (inside) SendMessage(GetParent(h), WM_COMMAND, WPARAM(GetDlgCtrlID(h)), LPARAM(h.value));
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r = ClientRect(h);
        Fill(dc, r, COLOR_BTNFACE);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        Text(dc, GetWindowText(h), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(h, &ps);
        return 0;
    }
    default: return DefWindowProc(h, m, w, l);
    }
}

LRESULT StatusProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m != WM_PAINT) return DefWindowProc(h, m, w, l);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r = ClientRect(h);
    Fill(dc, r, COLOR_BTNFACE);
    RECT panel{r.left + 2, r.top + 2, r.right - 2, r.bottom};
    DrawEdge(dc, &panel, BDR_SUNKENOUTER, BF_RECT);
    Text(dc, GetWindowText(h), RECT{panel.left + 4, panel.top, panel.right, panel.bottom}, DT_SINGLELINE | DT_VCENTER);
    EndPaint(h, &ps);
    return 0;
}

#endif

#if !SENTAVIA_PLAT_HAS_MENUS
// A one-item pop-up menu in a window of its own; a click anywhere else closes it.
LRESULT MenuProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_LBUTTONDOWN: {
        bool inside = ClientRect(h).contains(POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        ReleaseCapture();
        DestroyWindow(h);
        if (inside) PostMessage(g_main, WM_COMMAND, kMenuItem, 0);
        return 0;
    }
    case WM_DESTROY: g_menu = HWND{}; return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r = ClientRect(h);
        Fill(dc, r, COLOR_BTNFACE);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        Text(dc, "Пункт меню", RECT{r.left + 16, r.top, r.right, r.bottom}, DT_SINGLELINE | DT_VCENTER);
        EndPaint(h, &ps);
        return 0;
    }
    default: return DefWindowProc(h, m, w, l);
    }
}

#endif

void Layout(HWND main)
{
    RECT c = ClientRect(main);
    MoveWindow(GetDlgItem(main, kEdit), 10, 10, c.width() - 20, 22, TRUE);
    MoveWindow(GetDlgItem(main, kMemo), 10, 40, c.width() - 20, c.height() - 110, TRUE);
    MoveWindow(GetDlgItem(main, kOk), c.width() - 200, c.height() - 60, 90, 26, TRUE);
    MoveWindow(GetDlgItem(main, kMenuButton), c.width() - 100, c.height() - 60, 90, 26, TRUE);
#if SENTAVIA_PLAT_HAS_CONTROLS
    SendMessage(GetDlgItem(main, kStatus), WM_SIZE, 0, 0);  // the bar keeps itself along the bottom
#else
    MoveWindow(GetDlgItem(main, kStatus), 0, c.height() - 22, c.width(), 22, TRUE);
#endif
}

void SetStatus(HWND main, const std::string& text)
{
    HWND status = GetDlgItem(main, kStatus);
#if SENTAVIA_PLAT_HAS_CONTROLS
    SendMessage(status, SB_SETTEXT, 0, LPARAM(text.c_str()));
#else
    SetWindowText(status, text);
    InvalidateRect(status, nullptr, TRUE);
#endif
}

void OpenMenu(HWND main)
{
#if SENTAVIA_PLAT_HAS_MENUS
    RECT b = WindowRect(GetDlgItem(main, kMenuButton));
    HMENU menu = g_popup = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, kMenuItem, "Пункт меню");
    AppendMenu(menu, MF_SEPARATOR, 0);
    AppendMenu(menu, MF_STRING, kMenuItem + 1, "Второй пункт");
    g_menu = HWND{};
    // The menu's loop runs inside this call; a timer keeps the state file current meanwhile.
    SetTimer(main, kStateTimer, 50);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, b.left, b.bottom, main);
    KillTimer(main, kStateTimer);
    g_menuOpen = false;
    DestroyMenu(menu);
    g_popup = HMENU{};
    Publish();
#else
    if (g_menu) return;
    RECT b = WindowRect(GetDlgItem(main, kMenuButton));
    g_menu = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "DemoMenu", "Demo menu", WS_POPUP, b.left,
                            b.bottom, 140, 26, main);
    ShowWindow(g_menu, SW_SHOWNOACTIVATE);
    SetCapture(g_menu);
#endif
}

LRESULT MainProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_SIZE: Layout(h); return 0;
    case WM_COMMAND:
        if (LOWORD(w) == kOk) ++g_okClicks, g_lastCommand = "ok";
        if (LOWORD(w) == kMenuItem) g_lastCommand = "menu-item";
        if (LOWORD(w) == kMenuItem + 1) g_lastCommand = "menu-second";
        if (LOWORD(w) == kMenuButton) g_lastCommand = "menu-open";
        SetStatus(h, "Last command: " + g_lastCommand);
        if (LOWORD(w) == kMenuButton) OpenMenu(h);
        return 0;
#if SENTAVIA_PLAT_HAS_MENUS
    case WM_INITMENUPOPUP: g_menuOpen = true; return 0;
    case WM_TIMER:
        if (w == kStateTimer) {
            if (g_menuOpen) GetMenuItemRect(h, g_popup, 0, &g_menuItem);
            Publish();
        }
        return 0;
#endif
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProc(h, m, w, l);
    }
}

void Register(const char* name, WNDPROC proc, int background)
{
    WNDCLASSEX wc;
    wc.lpfnWndProc = proc;
    wc.hCursor = LoadCursor(IDC_ARROW);
    wc.hbrBackground = HBRUSH(HGDIOBJ(std::uint64_t(background + 1)));
    wc.lpszClassName = name;
    RegisterClassEx(wc);
}

// A point of the main window's frame that answers `code` to hit-testing: the middle of the first
// run of such points, rows scanned from the top (or from the bottom). Only redone when the window
// moves or changes size: hit-testing every pixel is slow.
std::string FramePoint(HWND h, LRESULT code, bool fromBottom)
{
    RECT r = WindowRect(h);
    auto hit = [&](int x, int y) { return SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code; };
    for (int i = 0; i < r.height(); ++i) {
        int y = fromBottom ? r.bottom - 1 - i : r.top + i;
        for (int x = r.left; x < r.right; ++x) {
            if (!hit(x, y)) continue;
            int right = x;
            while (right + 1 < r.right && hit(right + 1, y)) ++right;
            return std::to_string((x + right) / 2) + "," + std::to_string(y);
        }
    }
    return "none";
}

std::string FramePoints(HWND h)
{
    static RECT known{};
    static std::string points;
    RECT r = WindowRect(h);
    if (points.empty() || r != known) {
        known = r;
        points = "caption=" + FramePoint(h, HTCAPTION, false) + "\n";
        points += "close=" + FramePoint(h, HTCLOSE, false) + "\n";
        points += "grip=" + FramePoint(h, HTBOTTOMRIGHT, true) + "\n";
    }
    return points;
}

std::string State()
{
    RECT r = WindowRect(g_main);
    std::string s = "window=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                    std::to_string(r.width()) + "," + std::to_string(r.height()) + "\n";
    s += "edit=" + GetWindowText(GetDlgItem(g_main, kEdit)) + "\n";
    s += "ok=" + std::to_string(g_okClicks) + "\n";
    s += "last=" + g_lastCommand + "\n";
    s += std::string("menu=") + (g_menu || g_menuOpen ? "open" : "closed") + "\n";
    RECT e = WindowRect(GetDlgItem(g_main, kEdit)), ok = WindowRect(GetDlgItem(g_main, kOk)),
         mb = WindowRect(GetDlgItem(g_main, kMenuButton));
    auto mid = [](RECT q) { return std::to_string((q.left + q.right) / 2) + "," + std::to_string((q.top + q.bottom) / 2); };
    s += "editrect=" + std::to_string(e.left) + "," + std::to_string(e.top) + "," + std::to_string(e.width()) + "," +
         std::to_string(e.height()) + "\n";
    s += "editpoint=" + mid(e) + "\nokpoint=" + mid(ok) + "\nmenubutton=" + mid(mb) + "\n";
    if (g_menu) s += "menupoint=" + mid(WindowRect(g_menu)) + "\n";
    if (g_menuOpen && g_menuItem.width() > 0) s += "menupoint=" + mid(g_menuItem) + "\n";
    s += FramePoints(g_main);
    return s;
}

void WriteState(const char* path, const std::string& state)
{
    std::string tmp = std::string(path) + ".tmp";
    {
        std::ofstream f(tmp, std::ios::trunc);
        f << state;
    }
    std::rename(tmp.c_str(), path);
}

std::string g_published;

void Publish()
{
    if (!g_statePath || !IsWindow(g_main)) return;
    std::string now = State();
    if (now != g_published) WriteState(g_statePath, g_published = now);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        std::unique_ptr<Backend> desktop = StartDesktop(DesktopOptionsFromCommandLine(argc, argv));
        Register("DemoMain", MainProc, COLOR_BTNFACE);
        g_main = CreateWindowEx(0, "DemoMain", "Sentavia demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 80, 480,
                                340, HWND{});
        std::string longText;
        for (int i = 1; i <= 12; ++i)
            longText += "Строка " + std::to_string(i) + ": a memo with a long text that wraps at the right edge. ";
        DWORD child = WS_CHILD | WS_VISIBLE;
#if SENTAVIA_PLAT_HAS_CONTROLS
        RegisterStandardControls();
        CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", "", child | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10, 10, g_main,
                       ChildId(kEdit));
        CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", longText, child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                       0, 0, 10, 10, g_main, ChildId(kMemo));
        CreateWindowEx(0, "Button", "OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 10, 10, g_main, ChildId(kOk));
        CreateWindowEx(0, "Button", "Меню", child | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 10, 10, g_main,
                       ChildId(kMenuButton));
        CreateWindowEx(0, "msctls_statusbar32", "Ready", child | SBARS_SIZEGRIP, 0, 0, 10, 10, g_main, ChildId(kStatus));
#else
        Register("DemoTextBox", TextBoxProc, COLOR_WINDOW);
        Register("DemoButton", ButtonProc, COLOR_BTNFACE);
        Register("DemoStatus", StatusProc, COLOR_BTNFACE);
        CreateWindowEx(0, "DemoTextBox", "", child, 0, 0, 10, 10, g_main, ChildId(kEdit));
        CreateWindowEx(0, "DemoTextBox", longText, child, 0, 0, 10, 10, g_main, ChildId(kMemo));
        CreateWindowEx(0, "DemoButton", "OK", child, 0, 0, 10, 10, g_main, ChildId(kOk));
        CreateWindowEx(0, "DemoButton", "Меню", child, 0, 0, 10, 10, g_main, ChildId(kMenuButton));
        CreateWindowEx(0, "DemoStatus", "Ready", child, 0, 0, 10, 10, g_main, ChildId(kStatus));
#endif
#if !SENTAVIA_PLAT_HAS_MENUS
        Register("DemoMenu", MenuProc, COLOR_BTNFACE);
#endif
        Layout(g_main);
        ShowWindow(g_main, SW_SHOWNORMAL);
        UpdateWindow(g_main);

        g_statePath = std::getenv("SENTAVIA_DEMO_STATE");
        MSG msg;
        while (GetMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            Publish();
        }
        if (g_statePath) WriteState(g_statePath, g_published + "closed=1\n");
        return int(msg.wParam);
    } catch (const base::Error& e) {
        std::fprintf(stderr, "window_demo: %s\n", e.message());
        return 1;
    }
}
