#include <algorithm>
#include <limits>
#include <map>

#include "base/error.h"
#include "plat/window_fixture.h"

namespace plat::testing {
namespace {

using WindowLifetime = WindowDesktop;

TEST_F(WindowLifetime, CreateShowAndDestroyInTheUsualOrder)
{
    HWND top = probe("top", {50, 50, 350, 250}, {}, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(TheJournal().joined(), "top:NCCREATE top:NCCALCSIZE top:CREATE top:SIZE top:MOVE");
    TheJournal().clear();
    HWND kid = probe("kid", {10, 10, 60, 40}, top);
    EXPECT_EQ(TheJournal().joined(), "kid:NCCREATE kid:NCCALCSIZE kid:CREATE kid:SIZE kid:MOVE top:PARENTNOTIFY kid:SHOWWINDOW");
    TheJournal().clear();

    ShowWindow(top, SW_SHOW);
    EXPECT_EQ(TheJournal().joined(), "top:SHOWWINDOW top:ACTIVATEAPP top:NCACTIVATE top:ACTIVATE top:SETFOCUS");
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
    TheJournal().clear();

    DestroyWindow(top);
    std::string j = TheJournal().joined();
    // The window hears of its end before its children; NCDESTROY comes last of all.
    EXPECT_LT(j.find("top:DESTROY"), j.find("kid:DESTROY")) << j;
    EXPECT_LT(j.find("kid:NCDESTROY"), j.find("top:NCDESTROY")) << j;
    EXPECT_EQ(j.rfind("top:NCDESTROY"), j.size() - std::string("top:NCDESTROY").size()) << j;
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(kid));
    EXPECT_EQ(GetFocus(), HWND());
    EXPECT_EQ(SendMessage(kid, WM_GETTEXTLENGTH), 0);  // stale handles answer nothing
    EXPECT_FALSE(PostMessage(kid, WM_USER));
}

TEST_F(WindowLifetime, ActivationMovesBetweenWindowsAndBackOnDestroy)
{
    HWND a = probe("a", {10, 10, 200, 200});
    HWND b = probe("b", {300, 10, 500, 200});
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetTopWindow({}), b);
    TheJournal().clear();
    SetActiveWindow(a);
    EXPECT_EQ(TheJournal().joined(), "b:NCACTIVATE b:ACTIVATE a:NCACTIVATE a:ACTIVATE b:KILLFOCUS a:SETFOCUS");
    EXPECT_EQ(GetTopWindow({}), a);
    DestroyWindow(a);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(WindowLifetime, FocusComesBackToTheChildThatHadIt)
{
    HWND a = probe("a", {10, 10, 200, 200});
    HWND edit = probe("edit", {5, 5, 60, 25}, a);
    HWND b = probe("b", {300, 10, 500, 200});
    SetFocus(edit);
    EXPECT_EQ(GetActiveWindow(), a);
    SetActiveWindow(b);
    SetActiveWindow(a);
    EXPECT_EQ(GetFocus(), edit);
}

// A window that ends itself in the middle of its own message.
LRESULT SelfDestroying(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_USER) {
        DestroyWindow(h);
        // The window is gone while its procedure still runs: everything answers safely.
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(GetWindowText(h), "");
        EXPECT_FALSE(SetWindowText(h, "x"));
        return 7;
    }
    return DefWindowProc(h, m, w, l);
}

TEST_F(WindowLifetime, DestroyingInsideOwnMessageIsSafe)
{
    WNDCLASSEX wc;
    wc.lpfnWndProc = SelfDestroying;
    wc.lpszClassName = "SelfDestroying";
    ASSERT_NE(RegisterClassEx(wc), 0);
    HWND h = CreateWindowEx(0, "SelfDestroying", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, {});
    EXPECT_EQ(SendMessage(h, WM_USER), 7);
    EXPECT_FALSE(IsWindow(h));
    // The slot may be reused, but never by the old handle.
    HWND again = CreateWindowEx(0, "SelfDestroying", "", WS_POPUP, 0, 0, 50, 50, {});
    EXPECT_NE(again, h);
    EXPECT_FALSE(IsWindow(h));
}

struct Subclass {
    WndProc previous;
    int seen = 0;
    LRESULT proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        if (m == WM_GETTEXTLENGTH) ++seen;
        return CallWindowProc(previous, h, m, w, l);
    }
};

TEST_F(WindowLifetime, ReplacedProceduresChainAndComeOff)
{
    HWND h = probe("h", {0, 0, 100, 100});
    SetWindowText(h, "abc");
    Subclass first, second;
    first.previous = SetWindowProc(h, BindWndProc<&Subclass::proc>(&first));
    second.previous = SetWindowProc(h, BindWndProc<&Subclass::proc>(&second));
    EXPECT_EQ(GetWindowTextLength(h), 3);
    EXPECT_EQ(first.seen, 1);
    EXPECT_EQ(second.seen, 1);
    EXPECT_TRUE(GetWindowProc(h) == BindWndProc<&Subclass::proc>(&second));
    // Unhooking in reverse order puts the class procedure back.
    SetWindowProc(h, second.previous);
    SetWindowProc(h, first.previous);
    EXPECT_EQ(GetWindowTextLength(h), 3);
    EXPECT_EQ(first.seen, 1);
    EXPECT_TRUE(GetWindowProc(h) == first.previous);
}

LRESULT RefuseProbeChildren(int code, WPARAM w, LPARAM l)
{
    if (code == HCBT_CREATEWND) {
        auto* cbt = reinterpret_cast<CBT_CREATEWND*>(l);
        if (std::string(cbt->lpcs->lpszName) == "refused") return 1;
        cbt->lpcs->cx = 77;  // a hook may change where the window goes
    }
    return CallNextHookEx({}, code, w, l);
}

TEST_F(WindowLifetime, CreationHookSeesRefusesAndReshapesWindows)
{
    HHOOK hook = SetWindowsHookEx(WH_CBT, RefuseProbeChildren);
    HWND top = probe("top", {0, 0, 200, 200});
    EXPECT_EQ(WindowRect(top).width(), 77);
    EXPECT_FALSE(probe("refused", {0, 0, 10, 10}, top));
    EXPECT_EQ(GetWindow(top, GW_CHILD), HWND());
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(probe("refused", {0, 0, 10, 10}, top));
}

TEST_F(WindowLifetime, PropertiesTextAndFamily)
{
    HWND top = probe("top", {0, 0, 300, 200});
    HWND a = probe("a", {0, 0, 10, 10}, top, 0, 1);
    HWND b = probe("b", {20, 0, 30, 10}, top, 0, 2);
    EXPECT_EQ(GetDlgItem(top, 2), b);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);  // siblings in the order they were made
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetAncestor(a, GA_ROOT), top);
    int value = 5;
    EXPECT_TRUE(SetProp(a, "Skin", &value));
    EXPECT_EQ(GetProp(a, "Skin"), &value);
    EXPECT_EQ(GetProp(a, "skin"), nullptr);
    EXPECT_EQ(RemoveProp(a, "Skin"), &value);
    EXPECT_EQ(GetProp(a, "Skin"), nullptr);
    SetWindowText(top, "Справочник");
    EXPECT_EQ(GetWindowText(top), "Справочник");
    char small[6];
    // A short buffer never gets half a Cyrillic letter.
    EXPECT_EQ(SendMessage(top, WM_GETTEXT, sizeof small, LPARAM(small)), 4);
    EXPECT_EQ(std::string(small), "Сп");
}

TEST_F(WindowLifetime, PositionsAndSizesAtTheIntLimitsAreClamped)
{
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    struct Case {
        int x, y, cx, cy;
    };
    const Case cases[] = {{kMax, kMax, 100, 100}, {kMin, kMin, 100, 100}, {kMax - 1, 0, 100, 100},
                          {0, kMax - 1, 100, 100}, {kMin, kMin, kMin, kMin}, {10, 10, kMin, 50}};
    HWND top = probe("top", {0, 0, 300, 200}, {}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND kid = probe("kid", {0, 0, 10, 10}, top, WS_VISIBLE);
    for (const Case& c : cases) {
        for (HWND h : {top, kid}) {
            EXPECT_TRUE(MoveWindow(h, c.x, c.y, c.cx, c.cy, TRUE));
            RECT r = WindowRect(h);
            EXPECT_LE(r.left, r.right);
            EXPECT_EQ(r.width(), std::max(c.cx, 0)) << "a far position keeps the size";
            EXPECT_TRUE(SetWindowPos(h, {}, c.x, c.y, c.cx, c.cy, SWP_NOZORDER | SWP_NOACTIVATE));
        }
        HWND made = CreateWindowEx(0, "Probe", "far", WS_POPUP, c.x, c.y, c.cx, c.cy, {});
        ASSERT_TRUE(IsWindow(made));
        if (c.cx != CW_USEDEFAULT) {  // which asks for the default size
            EXPECT_EQ(WindowRect(made).height(), std::max(c.cy, 0));
        }
        DestroyWindow(made);
    }
    // The largest size a surface may have (a child has none of its own, so this stays cheap).
    MoveWindow(kid, kMin, kMin, kMax, kMax, TRUE);
    EXPECT_EQ(WindowRect(kid).width(), 8192);
    UpdateWindow(top);
    desk.screen();  // composing the far windows reads no pixel out of bounds
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

// "Thrower" windows throw when they get gThrowAt.message, those named gThrowAt.name only.
struct ThrowAt {
    UINT message = 0;
    std::string name;
};
ThrowAt gThrowAt;
std::vector<std::string> gHeard;  // "name:DESTROY" and "name:NCDESTROY" as they arrive

std::map<std::uint64_t, std::string> gNames;

// WM_GETMINMAXINFO comes before WM_NCCREATE: until then a window goes by its text.
std::string NameOf(HWND h)
{
    auto it = gNames.find(h.value);
    return it != gNames.end() ? it->second : GetWindowText(h);
}

LRESULT ThrowerProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_GETTEXT || m == WM_GETTEXTLENGTH) return DefWindowProc(h, m, w, l);
    if (m == WM_NCCREATE) gNames[h.value] = reinterpret_cast<const CREATESTRUCT*>(l)->lpszName;
    std::string name = NameOf(h);
    if (m == WM_DESTROY || m == WM_NCDESTROY) gHeard.push_back(name + (m == WM_DESTROY ? ":DESTROY" : ":NCDESTROY"));
    if (m == WM_CREATE && name == "parent")
        CreateWindowEx(0, "Thrower", "made inside", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, h);
    if (m == gThrowAt.message && name == gThrowAt.name) throw base::Error("thrown by " + name);
    return DefWindowProc(h, m, w, l);
}

class ThrowingHandlers : public WindowDesktop {
protected:
    void SetUp() override
    {
        WindowDesktop::SetUp();
        WNDCLASSEX wc;
        wc.lpfnWndProc = ThrowerProc;
        wc.lpszClassName = "Thrower";
        ASSERT_NE(RegisterClassEx(wc), 0);
        gThrowAt = {};
        gHeard.clear();
    }
    void TearDown() override { gThrowAt = {}; }
    static int TopLevelWindows()
    {
        int n = 0;
        EnumWindows([&](HWND) {
            ++n;
            return true;
        });
        return n;
    }
};

// A window goes however its handlers end: every window of the tree hears of it, every one is
// gone, and the first exception comes out after that. Destroying works again afterwards.
TEST_F(ThrowingHandlers, DestructionCompletesThenTheExceptionGoesOn)
{
    struct Case {
        UINT message;
        const char* thrower;
    } cases[] = {
        {WM_DESTROY, "parent"}, {WM_NCDESTROY, "parent"}, {WM_DESTROY, "child"},
        {WM_NCDESTROY, "child"}, {WM_DESTROY, "owned"}, {WM_NCDESTROY, "owned"},
    };
    for (const Case& c : cases) {
        std::string name = std::string(MessageName(c.message)) + " of " + c.thrower;
        HWND parent = CreateWindowEx(0, "Thrower", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, {});
        HWND child = CreateWindowEx(0, "Thrower", "child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, parent);
        HWND grandchild = CreateWindowEx(0, "Thrower", "grandchild", WS_CHILD | WS_VISIBLE, 1, 1, 20, 20, child);
        HWND owned = CreateWindowEx(0, "Thrower", "owned", WS_POPUP | WS_VISIBLE, 50, 50, 80, 80, parent);
        SetFocus(grandchild);
        SetCapture(child);
        ASSERT_TRUE(grandchild && owned) << name;
        gHeard.clear();
        gThrowAt = {c.message, c.thrower};
        EXPECT_THROW(DestroyWindow(parent), base::Error) << name;
        gThrowAt = {};
        for (HWND h : {parent, child, grandchild, owned}) EXPECT_FALSE(IsWindow(h)) << name;
        for (const char* who : {"parent", "child", "grandchild", "made inside", "owned"}) {
            EXPECT_NE(std::find(gHeard.begin(), gHeard.end(), std::string(who) + ":NCDESTROY"), gHeard.end())
                << name << ": " << who;
        }
        EXPECT_EQ(GetFocus(), HWND{}) << name;
        EXPECT_EQ(GetCapture(), HWND{}) << name;
        EXPECT_EQ(TopLevelWindows(), 0) << name;
        EXPECT_FALSE(DestroyWindow(parent)) << name;

        HWND again = CreateWindowEx(0, "Thrower", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, {});
        EXPECT_TRUE(DestroyWindow(again)) << name;
        EXPECT_EQ(TopLevelWindows(), 0) << name;
    }
}

// An exception cuts the making of a window short: the window and what it made so far are gone
// (its maker never got the handle), and making one works again.
TEST_F(ThrowingHandlers, AWindowWhoseMakingThrowsIsTakenDown)
{
    struct Case {
        UINT message;
        const char* name;
        bool madeInside;  // the child made in WM_CREATE is there when it throws
    } cases[] = {
        {WM_GETMINMAXINFO, "GETMINMAXINFO", false}, {WM_NCCREATE, "NCCREATE", false},
        {WM_NCCALCSIZE, "NCCALCSIZE", false},       {WM_CREATE, "CREATE", true},
        {WM_SIZE, "SIZE", true},                    {WM_SHOWWINDOW, "SHOWWINDOW", true},
    };
    for (const Case& c : cases) {
        gHeard.clear();
        gThrowAt = {c.message, "parent"};
        EXPECT_THROW(CreateWindowEx(0, "Thrower", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, {}),
                     base::Error)
            << c.name;
        gThrowAt = {};
        EXPECT_EQ(TopLevelWindows(), 0) << c.name;
        EXPECT_EQ(std::count(gHeard.begin(), gHeard.end(), "made inside:NCDESTROY"), c.madeInside ? 1 : 0) << c.name;
        HWND again = CreateWindowEx(0, "Thrower", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, {});
        EXPECT_TRUE(IsWindow(again)) << c.name;
        DestroyWindow(again);
    }
}

}  // namespace
}  // namespace plat::testing
