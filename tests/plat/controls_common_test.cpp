#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/button_dialog_codes.h"
#include "plat/controls/button_styles.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/static_styles.h"
#include "plat/controls/status_bar_class.h"
#include "plat/gdi/gdi.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"

namespace plat {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 200);
constexpr COLORREF kInk = RGB(200, 0, 0);
HBRUSH gPaper;
UINT gAsked;

// A parent that colours its controls, as a framework control does.
LRESULT ColouringParent(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m >= WM_CTLCOLOREDIT && m <= WM_CTLCOLORSTATIC && m != WM_CTLCOLORSCROLLBAR) {
        gAsked = m;
        SetTextColor(HDC(std::uint64_t(w)), kInk);
        return LRESULT(gPaper.value);
    }
    return DefWindowProc(h, m, w, l);
}

// Each class asks its parent with the usual message, paints with the answered brush and ink; with a
// parent that answers nothing special, the default procedure's system colours show.
TEST(ControlColors, ControlsAskTheParentAndUseTheAnswer)
{
    HeadlessDesktop desk;
    gPaper = CreateSolidBrush(kPaper);
    WNDCLASSEX wc;
    wc.lpfnWndProc = ColouringParent;
    wc.lpszClassName = "ColouringParent";
    wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
    RegisterClassEx(wc);
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "PlainParent";
    RegisterClassEx(wc);

    struct Case {
        const char* cls;
        DWORD style;
        UINT asked;
        int plainBackground;  // the system colour without a colouring parent
        bool top = false;     // the background shows along the top only (a group box's title row)
    } cases[] = {
        {"Edit", ES_AUTOHSCROLL, WM_CTLCOLOREDIT, COLOR_WINDOW},
        {"Edit", ES_AUTOHSCROLL | ES_READONLY, WM_CTLCOLORSTATIC, COLOR_BTNFACE},
        {"Edit", ES_MULTILINE, WM_CTLCOLOREDIT, COLOR_WINDOW},
        {"Static", SS_LEFT, WM_CTLCOLORSTATIC, COLOR_BTNFACE},
        {"Button", BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC, COLOR_BTNFACE},
        {"Button", BS_GROUPBOX, WM_CTLCOLORSTATIC, COLOR_BTNFACE, true},
    };
    for (const Case& c : cases) {
        for (bool colouring : {true, false}) {
            SCOPED_TRACE(std::string(c.cls) + " style " + std::to_string(c.style) + (colouring ? " coloured" : " plain"));
            HWND parent = CreateWindowEx(0, colouring ? "ColouringParent" : "PlainParent", "", WS_POPUP | WS_VISIBLE,
                                         0, 0, 300, 120, {});
            HWND ctl = CreateWindowEx(0, c.cls, "Ink", WS_CHILD | WS_VISIBLE | c.style, 10, 10, 200, 60, parent,
                                      ChildId(1));
            gAsked = 0;
            desk.run();
            gfx::Bitmap shot = desk.windowShot(ctl);
            // Far right of the control, past the text.
            COLORREF back = shot.pixel(shot.width() - 20, c.top ? 2 : shot.height() / 2);
            bool inked = false;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width() / 2; ++x) inked = inked || shot.pixel(x, y) == kInk;
            if (colouring) {
                EXPECT_EQ(gAsked, c.asked);
                EXPECT_EQ(back, kPaper);
                EXPECT_TRUE(inked) << "the parent's text colour";
            } else {
                EXPECT_EQ(back, GetSysColor(c.plainBackground));
                EXPECT_FALSE(inked);
            }
            DestroyWindow(parent);
        }
    }
    DeleteObject(HGDIOBJ(gPaper));
}

// Fonts set on any control come back from it; each tells a dialog which keys it wants.
TEST(ControlCommon, FontsAndDialogCodes)
{
    HeadlessDesktop desk;
    HWND parent = CreateWindowEx(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, {});
    LOGFONT lf;
    lf.lfHeight = -16;
    lf.lfFaceName = "MS Sans Serif";
    HFONT big = CreateFontIndirect(&lf);
    struct Case {
        const char* cls;
        DWORD style;
        LRESULT wanted;  // the dialog code, with DLGC_HASSETSEL etc. as they come
    } cases[] = {
        {"Edit", ES_AUTOHSCROLL, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS},
        {"Edit", ES_MULTILINE | ES_WANTRETURN, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS},
        {"Button", BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {"Button", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {"Button", BS_AUTOCHECKBOX, DLGC_BUTTON},
        {"Button", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {"Button", BS_GROUPBOX, DLGC_STATIC},
        {"Static", SS_LEFT, DLGC_STATIC},
        {kStatusBarClassName, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " style " + std::to_string(c.style));
        HWND ctl = CreateWindowEx(0, c.cls, "Text", WS_CHILD | WS_VISIBLE | c.style, 10, 10, 200, 40, parent, ChildId(1));
        EXPECT_EQ(SendMessage(ctl, WM_GETDLGCODE), c.wanted);
        EXPECT_EQ(SendMessage(ctl, WM_GETFONT), 0) << "the system font until one is set";
        SendMessage(ctl, WM_SETFONT, WPARAM(big.value), TRUE);
        EXPECT_EQ(SendMessage(ctl, WM_GETFONT), LRESULT(big.value));
        desk.run();
        DestroyWindow(ctl);
    }
    DestroyWindow(parent);
    DeleteObject(HGDIOBJ(big));
}

// Every class keeps a window text by the same rule: damaged UTF-8 reads back with U+FFFD in place
// of each broken sequence, whether it came at creation or later.
TEST(ControlTexts, DamagedUtf8BecomesReplacementCharactersInEveryClass)
{
    HeadlessDesktop desk;
    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "PlainTextWindow";
    RegisterClassEx(wc);
    HWND parent = CreateWindowEx(0, "PlainTextWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, {});
    const std::string damaged = "a\xFF\xD0" "b";
    const std::string repaired = "a\xEF\xBF\xBD\xEF\xBF\xBD" "b";
    for (const char* cls : {"PlainTextWindow", "Static", "Button", "Edit", kStatusBarClassName}) {
        HWND h = CreateWindowEx(0, cls, damaged, WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent);
        ASSERT_TRUE(IsWindow(h)) << cls;
        EXPECT_EQ(GetWindowText(h), repaired) << cls << " at creation";
        SetWindowText(h, "ok");
        SetWindowText(h, damaged);
        EXPECT_EQ(GetWindowText(h), repaired) << cls;
        if (std::string(cls) == kStatusBarClassName) {
            EXPECT_EQ(StatusBarText(h, 0), repaired);
        }
        UpdateWindow(h);
    }
}

}  // namespace
}  // namespace plat
