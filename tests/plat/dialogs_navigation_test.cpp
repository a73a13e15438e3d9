#include "dialogs_fixture.h"

namespace plat::dialog_test {
namespace {

std::vector<int> gCommands;
std::string gTyped;
LPARAM gInit = 0;

// A field that takes characters, as an edit does.
LRESULT FieldProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_GETDLGCODE) return DLGC_WANTCHARS | DLGC_WANTARROWS;
    if (m == WM_CHAR) gTyped += char(w);
    if (m == WM_LBUTTONDOWN) SetFocus(h);
    return DefWindowProc(h, m, w, l);
}

LRESULT FormProc(HWND dlg, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_INITDIALOG) {
        gInit = l;
        return TRUE;
    }
    if (m == WM_COMMAND) {
        gCommands.push_back(LOWORD(w));
        if (LOWORD(w) == IDCANCEL) EndDialog(dlg, 77);
        return TRUE;
    }
    return FALSE;
}

constexpr int kField = 10, kDisabled = 11, kHelp = 9;

class DialogNavigation : public DialogDesktop {
protected:
    void SetUp() override
    {
        DialogDesktop::SetUp();
        gCommands.clear();
        gTyped.clear();
        WNDCLASSEX wc;
        wc.lpfnWndProc = FieldProc;
        wc.lpszClassName = "DlgTestField";
        RegisterClassEx(wc);
        form.caption = "Form";
        form.style |= DS_CENTER;
        form.rect = {0, 0, 300, 120};
        form.items = {
            {"Static", "&Name:", SS_LEFT, 0, {10, 10, 60, 24}, 100},
            {"DlgTestField", "", WS_TABSTOP | WS_BORDER, 0, {70, 8, 290, 28}, kField},
            {"Button", "Off", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, {10, 40, 85, 63}, kDisabled},
            {"Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, {50, 85, 125, 108}, IDOK},
            {"Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 0, {131, 85, 206, 108}, IDCANCEL},
            {"Button", "&Help", BS_PUSHBUTTON | WS_TABSTOP, 0, {212, 85, 287, 108}, kHelp},
        };
    }
    // Whether the control of this id has the default-button look.
    bool looksDefault(HWND dlg, int id) { return (GetWindowStyle(GetDlgItem(dlg, id)) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }
    DialogTemplate form;
};

TEST_F(DialogNavigation, TabAndShiftTabFollowTabStopsAndTheDefaultLookFollowsTheFocus)
{
    std::vector<int> order;
    std::vector<int> defaults;  // which button looked default at each step
    HWND dlg;
    auto note = [&] {
        order.push_back(GetDlgCtrlID(GetFocus()));
        int d = 0;
        for (int id : {IDOK, IDCANCEL, kHelp})
            if (looksDefault(dlg, id)) d = d ? -1 : id;  // -1: more than one
        defaults.push_back(d);
    };
    desk.script().call([&] {
        dlg = FindWindow(kDialogClassName, "Form");
        note();
    });
    for (int i = 0; i < 4; ++i) desk.script().key(VK_TAB).call(note);
    desk.script().keyDown(VK_SHIFT).key(VK_TAB).call(note).key(VK_TAB).call(note).keyUp(VK_SHIFT).key(VK_ESCAPE);
    EXPECT_EQ(DialogBoxIndirectParam(form, owner, FormProc, 1234), 77);
    EXPECT_EQ(gInit, 1234);
    EXPECT_EQ(order, (std::vector<int>{kField, IDOK, IDCANCEL, kHelp, kField, kHelp, IDCANCEL}));
    EXPECT_EQ(defaults, (std::vector<int>{IDOK, IDOK, IDCANCEL, kHelp, IDOK, kHelp, IDCANCEL}));
}

TEST_F(DialogNavigation, EnterEscapeAccessKeysAndTheDefaultId)
{
    HWND dlg;
    desk.script().call([&] {
        dlg = FindWindow(kDialogClassName, "Form");
        EXPECT_EQ(SendMessage(dlg, DM_GETDEFID), LRESULT(MAKELPARAM(IDOK, DC_HASDEFID)));
        EXPECT_FALSE(IsWindowEnabled(owner));
    });
    // Enter in the field presses the default button; characters go to the field that wants them.
    desk.script().key(VK_RETURN).type("h");
    // Alt+H clicks Help; Enter on the focused Help presses it, not the default.
    desk.script().chord(VK_MENU, 'H').key(VK_RETURN);
    // A new default id; Tab back to the field and Enter.
    desk.script().call([&] {
        SendMessage(dlg, DM_SETDEFID, kHelp);
        EXPECT_EQ(SendMessage(dlg, DM_GETDEFID), LRESULT(MAKELPARAM(kHelp, DC_HASDEFID)));
        SetFocus(GetDlgItem(dlg, kField));
    }).key(VK_RETURN).call([&] {
        // Alt+N on the label's key moves to the next tab stop after it: the field.
        SetFocus(GetDlgItem(dlg, IDCANCEL));
    }).chord(VK_MENU, 'N').call([&] { EXPECT_EQ(GetDlgCtrlID(GetFocus()), kField); }).key(VK_ESCAPE);
    EXPECT_EQ(DialogBoxIndirectParam(form, owner, FormProc, 0), 77);
    EXPECT_EQ(gCommands, (std::vector<int>{IDOK, kHelp, kHelp, kHelp, IDCANCEL}));
    EXPECT_EQ(gTyped, "h");
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(DialogNavigation, ModelessDialogAndFailedCreation)
{
    form.style |= WS_VISIBLE;
    HWND dlg = CreateDialogIndirectParam(form, owner, FormProc, 5);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(GetClassName(dlg), kDialogClassName);
    EXPECT_TRUE(IsWindowVisible(dlg));
    EXPECT_TRUE(IsWindowEnabled(owner));  // modeless: the owner stays usable
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kField);
    SetDlgItemText(dlg, kField, "typed");
    EXPECT_EQ(GetDlgItemText(dlg, kField), "typed");
    DestroyWindow(dlg);

    form.items.push_back({"NoSuchClass", "", 0, 0, {0, 0, 10, 10}, 50});
    EXPECT_FALSE(CreateDialogIndirectParam(form, owner, FormProc, 0));
    EXPECT_EQ(DialogBoxIndirectParam(form, owner, FormProc, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(FindWindow(kDialogClassName, ""));
}

}  // namespace
}  // namespace plat::dialog_test
