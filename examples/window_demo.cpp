// A window with a few simple controls on the real desktop. With SENTAVIA_DEMO_STATE set it
// writes what it shows to that file after every change, for the display test.
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

using namespace plat;

namespace {

constexpr int kEdit = 1, kMemo = 2, kOk = 3, kMenuButton = 4, kStatus = 5, kMenuItem = 100;
int g_okClicks = 0;
std::string g_lastCommand = "none";
HWND g_main, g_menu;

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

void Layout(HWND main)
{
    RECT c = ClientRect(main);
    MoveWindow(GetDlgItem(main, kEdit), 10, 10, c.width() - 20, 22, TRUE);
    MoveWindow(GetDlgItem(main, kMemo), 10, 40, c.width() - 20, c.height() - 110, TRUE);
    MoveWindow(GetDlgItem(main, kOk), c.width() - 200, c.height() - 60, 90, 26, TRUE);
    MoveWindow(GetDlgItem(main, kMenuButton), c.width() - 100, c.height() - 60, 90, 26, TRUE);
    MoveWindow(GetDlgItem(main, kStatus), 0, c.height() - 22, c.width(), 22, TRUE);
}

void OpenMenu(HWND main)
{
    if (g_menu) return;
    RECT b = WindowRect(GetDlgItem(main, kMenuButton));
    g_menu = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "DemoMenu", "Demo menu", WS_POPUP, b.left,
                            b.bottom, 140, 26, main);
    ShowWindow(g_menu, SW_SHOWNOACTIVATE);
    SetCapture(g_menu);
}

LRESULT MainProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_SIZE: Layout(h); return 0;
    case WM_COMMAND:
        if (LOWORD(w) == kOk) ++g_okClicks, g_lastCommand = "ok";
        if (LOWORD(w) == kMenuButton) g_lastCommand = "menu-open", OpenMenu(h);
        if (LOWORD(w) == kMenuItem) g_lastCommand = "menu-item";
        SetWindowText(GetDlgItem(h, kStatus), "Last command: " + g_lastCommand);
        InvalidateRect(GetDlgItem(h, kStatus), nullptr, TRUE);
        return 0;
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
    s += std::string("menu=") + (g_menu ? "open" : "closed") + "\n";
    RECT e = WindowRect(GetDlgItem(g_main, kEdit)), ok = WindowRect(GetDlgItem(g_main, kOk)),
         mb = WindowRect(GetDlgItem(g_main, kMenuButton));
    auto mid = [](RECT q) { return std::to_string((q.left + q.right) / 2) + "," + std::to_string((q.top + q.bottom) / 2); };
    s += "editrect=" + std::to_string(e.left) + "," + std::to_string(e.top) + "," + std::to_string(e.width()) + "," +
         std::to_string(e.height()) + "\n";
    s += "editpoint=" + mid(e) + "\nokpoint=" + mid(ok) + "\nmenubutton=" + mid(mb) + "\n";
    if (g_menu) s += "menupoint=" + mid(WindowRect(g_menu)) + "\n";
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

}  // namespace

int main(int argc, char** argv)
{
    try {
        std::unique_ptr<Backend> desktop = StartDesktop(DesktopOptionsFromCommandLine(argc, argv));
        Register("DemoMain", MainProc, COLOR_BTNFACE);
        Register("DemoTextBox", TextBoxProc, COLOR_WINDOW);
        Register("DemoButton", ButtonProc, COLOR_BTNFACE);
        Register("DemoStatus", StatusProc, COLOR_BTNFACE);
        Register("DemoMenu", MenuProc, COLOR_BTNFACE);

        g_main = CreateWindowEx(0, "DemoMain", "Sentavia demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 80, 480,
                                340, HWND{});
        DWORD child = WS_CHILD | WS_VISIBLE;
        CreateWindowEx(0, "DemoTextBox", "", child, 0, 0, 10, 10, g_main, ChildId(kEdit));
        std::string longText;
        for (int i = 1; i <= 12; ++i)
            longText += "Строка " + std::to_string(i) + ": a memo with a long text that wraps at the right edge. ";
        CreateWindowEx(0, "DemoTextBox", longText, child, 0, 0, 10, 10, g_main, ChildId(kMemo));
        CreateWindowEx(0, "DemoButton", "OK", child, 0, 0, 10, 10, g_main, ChildId(kOk));
        CreateWindowEx(0, "DemoButton", "Меню", child, 0, 0, 10, 10, g_main, ChildId(kMenuButton));
        CreateWindowEx(0, "DemoStatus", "Ready", child, 0, 0, 10, 10, g_main, ChildId(kStatus));
        Layout(g_main);
        ShowWindow(g_main, SW_SHOWNORMAL);
        UpdateWindow(g_main);

        const char* statePath = std::getenv("SENTAVIA_DEMO_STATE");
        std::string last;
        MSG msg;
        while (GetMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            if (statePath && IsWindow(g_main)) {
                std::string now = State();
                if (now != last) WriteState(statePath, last = now);
            }
        }
        if (statePath) WriteState(statePath, last + "closed=1\n");
        return int(msg.wParam);
    } catch (const base::Error& e) {
        std::fprintf(stderr, "window_demo: %s\n", e.message());
        return 1;
    }
}
