#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/controls/controls_registry.h"
#include "plat/controls/edit_layout.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/edit_text.h"
#include "plat/controls/edit_width_index.h"
#include "plat/nonclient/plain_frame.h"
#include "plat/nonclient/scroll_bars.h"
#include "plat/system/sys_colors.h"
#include "plat/system/sys_metrics.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat {
namespace {

// ---- the text model -------------------------------------------------------------------

TEST(EditText, TypingReplacesTheSelectionAndUndoSwapsBack)
{
    EditText t;
    t.setText("hello world");
    t.select(0, 5);
    EXPECT_EQ(t.selectedUtf8(), "hello");
    ASSERT_TRUE(t.replaceSelection(std::string_view("привет")));
    EXPECT_EQ(t.utf8(), "привет world");
    EXPECT_EQ(t.caret(), 6u);
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(t.utf8(), "hello world");
    ASSERT_TRUE(t.undo()) << "a second undo redoes";
    EXPECT_EQ(t.utf8(), "привет world");
}

TEST(EditText, LimitCutsInsertedTextAndDeletesStepOverLineBreaks)
{
    EditText t;
    t.setLimit(5);
    t.setText("abc");
    t.moveCaret(3, false);
    EXPECT_TRUE(t.replaceSelection(std::string_view("defg")));
    EXPECT_EQ(t.utf8(), "abcde");
    EXPECT_FALSE(t.replaceSelection(std::string_view("x"))) << "nothing fits";

    EditText m;
    m.setText("ab\r\ncd");
    m.moveCaret(4, false);
    EXPECT_TRUE(m.deleteBackward());
    EXPECT_EQ(m.utf8(), "abcd");
    m.moveCaret(2, false);
    EXPECT_TRUE(m.deleteForward());
    EXPECT_EQ(m.utf8(), "abd");
    m.moveCaret(0, false);
    EXPECT_FALSE(m.deleteBackward());
}

TEST(EditText, WordMoves)
{
    EditText t;
    t.setText("one  two три");
    struct Case {
        std::size_t from, left, right;
    } cases[] = {{0, 0, 5}, {3, 0, 5}, {5, 0, 9}, {7, 5, 9}, {12, 9, 12}};
    for (const Case& c : cases) {
        EXPECT_EQ(t.wordLeft(c.from), c.left) << c.from;
        EXPECT_EQ(t.wordRight(c.from), c.right) << c.from;
    }
}

// ---- line layout -----------------------------------------------------------------------

// Every character 10 px wide.
struct TenPerCharMeasure final : EditMeasure {
    int width(std::u32string_view s) const override { return int(s.size()) * 10; }
    std::size_t fit(std::u32string_view s, int maxWidth, int& fitWidth) const override
    {
        std::size_t n = maxWidth < 0 ? 0 : std::min(s.size(), std::size_t(maxWidth / 10));
        fitWidth = int(n) * 10;
        return n;
    }
};
const TenPerCharMeasure TenPerChar;

TEST(EditLayout, HardBreaksAndWrapping)
{
    auto lines = LayoutEditLines(U"ab\r\ncd\nef\r", 0, TenPerChar);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].end, 2u);
    EXPECT_EQ(lines[0].next, 4u);
    EXPECT_EQ(lines[2].start, 7u);
    EXPECT_EQ(lines[3].start, 10u) << "an empty last line after a trailing break";

    // 60 px: "aaa bbb" wraps after the space; a long word is cut.
    std::u32string text = U"aaa bbb cccccccc";
    lines = LayoutEditLines(text, 60, TenPerChar);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(text.substr(lines[0].start, lines[0].end - lines[0].start), U"aaa ");
    EXPECT_EQ(lines[1].start, 4u);
    EXPECT_EQ(text.substr(lines[2].start, lines[2].end - lines[2].start), U"cccccc");
    EXPECT_EQ(EditLineOf(lines, 4), 1u) << "a wrap point belongs to the next line";
    EXPECT_EQ(EditLineOf(lines, text.size()), 3u);
    EXPECT_EQ(EditIndexAtX(text, lines[0], 14, TenPerChar), 1u);
    EXPECT_EQ(EditIndexAtX(text, lines[0], 16, TenPerChar), 2u);
    EXPECT_EQ(EditIndexAtX(text, lines[0], 500, TenPerChar), lines[0].end);
}

// Characters of uneven widths, so that a position found from the wrong start shows.
struct UnevenMeasure final : EditMeasure {
    static int advance(char32_t c) { return c == U' ' ? 3 : int(c % 7) + 4; }
    int width(std::u32string_view s) const override
    {
        int w = 0;
        for (char32_t c : s) w += advance(c);
        return w;
    }
    std::size_t fit(std::u32string_view s, int maxWidth, int& fitWidth) const override
    {
        fitWidth = 0;
        std::size_t n = 0;
        for (; n < s.size() && fitWidth + advance(s[n]) <= maxWidth; ++n) fitWidth += advance(s[n]);
        return n;
    }
};

bool SameLines(const std::vector<EditLine>& a, const std::vector<EditLine>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const EditLine& x, const EditLine& y) {
        return x.start == y.start && x.end == y.end && x.next == y.next;
    });
}

// Random edits of a text of words, spaces, long words and all kinds of breaks; the pieces
// typed include breaks, so "\r" and "\n" meet and part.
class RandomEdits {
public:
    explicit RandomEdits(unsigned seed) : state_(seed) {}
    std::size_t below(std::size_t n) { return n ? std::size_t(next() % n) : 0; }
    std::u32string piece(std::size_t maxLength)
    {
        static const std::u32string_view parts[] = {U"word ", U"слово ", U"\r\n", U"\r", U"\n", U"  ",
                                                    U"averyveryverylongwordthatneverfits", U"a", U"\t"};
        std::u32string out;
        while (out.size() < maxLength) out += parts[below(std::size(parts))];
        return out.substr(0, maxLength);
    }

private:
    unsigned next() { return state_ = state_ * 1103515245u + 12345u; }
    unsigned state_;
};

TEST(EditLayout, LayingOutAChangeGivesTheLinesOfAFullLayout)
{
    UnevenMeasure measure;
    for (int width : {0, 60, 150}) {
        RandomEdits rnd(unsigned(width) + 7);
        std::u32string text = rnd.piece(3000);
        auto lines = LayoutEditLines(text, width, measure);
        for (int step = 0; step < 400; ++step) {
            EditChange c;
            c.at = rnd.below(text.size() + 1);
            c.removed = rnd.below(std::min<std::size_t>(text.size() - c.at, step % 10 == 0 ? 400 : 6) + 1);
            std::u32string put = rnd.piece(rnd.below(step % 10 == 5 ? 400 : 5));
            c.inserted = put.size();
            text.replace(c.at, c.removed, put);
            RelayoutEditLines(lines, text, c, width, measure);
            ASSERT_TRUE(SameLines(lines, LayoutEditLines(text, width, measure)))
                << "width " << width << ", step " << step << ", change at " << c.at;
        }
    }
}

TEST(EditWidthIndex, PositionsStayExactThroughChanges)
{
    UnevenMeasure measure;
    RandomEdits rnd(3);
    std::u32string text = rnd.piece(9 * EditWidthIndex::kStep);
    EditWidthIndex index;
    for (int step = 0; step < 200; ++step) {
        if (step % 2) {
            EditChange c;
            c.at = rnd.below(text.size() + 1);
            c.removed = rnd.below(std::min<std::size_t>(text.size() - c.at, step % 20 == 1 ? 5000 : 8) + 1);
            std::u32string put = rnd.piece(rnd.below(step % 20 == 3 ? 5000 : 8));
            c.inserted = put.size();
            text.replace(c.at, c.removed, put);
            index.update(text, c, measure);
        }
        std::size_t i = rnd.below(text.size() + 1);
        std::int64_t x = measure.width(std::u32string_view(text).substr(0, i));
        ASSERT_EQ(index.x(text, i, measure), x) << "step " << step;
        // The greatest index of a range whose position is at most the target.
        std::size_t from = rnd.below(i + 1), to = std::min(text.size(), i + rnd.below(3000));
        std::int64_t fitX = 0;
        std::size_t n = index.fit(text, from, to, x + 2, measure, fitX);
        std::size_t expected = from;
        while (expected < to && measure.width(std::u32string_view(text).substr(0, expected + 1)) <= x + 2) ++expected;
        ASSERT_EQ(n, expected) << "step " << step;
        ASSERT_EQ(fitX, measure.width(std::u32string_view(text).substr(0, n)));
    }
}

TEST(EditText, UndoKeepsOnlyWhatChangedAndStillSwapsWholeStates)
{
    EditText t;
    t.setText("abc");
    t.moveCaret(3, false);
    ASSERT_TRUE(t.replaceSelection(std::string_view("d")));
    ASSERT_TRUE(t.replaceSelection(std::string_view("e"), false)) << "typing on joins the step";
    EXPECT_EQ(t.lastChange().at, 4u);
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(t.utf8(), "abc");
    EXPECT_EQ(t.lastChange().removed, 2u);
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(t.utf8(), "abcde");

    // A change that cannot be undone elsewhere: undo goes back to before the last undoable step.
    t.select(0, 0);
    ASSERT_TRUE(t.replaceSelection(std::string_view("X")));
    t.select(6, 6);
    ASSERT_TRUE(t.replaceSelection(std::string_view("Y"), false));
    EXPECT_EQ(t.utf8(), "XabcdeY");
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(t.utf8(), "abcde");
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(t.utf8(), "XabcdeY");
}

// ---- the window ------------------------------------------------------------------------

std::vector<WORD> gNotes;

LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_COMMAND) gNotes.push_back(HIWORD(w));
    return DefWindowProc(h, m, w, l);
}

class EditDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPlainFrame();
        RegisterStandardControls();
        gNotes.clear();
        WNDCLASSEX wc;
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = "EditTestParent";
        wc.hbrBackground = HBRUSH(HGDIOBJ(COLOR_BTNFACE + 1));
        RegisterClassEx(wc);
        parent = CreateWindowEx(0, "EditTestParent", "Edits", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300, {});
        desk.run();
    }
    HWND edit(DWORD style, std::string_view text = "", RECT r = {10, 10, 210, 31})
    {
        HWND e = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.left,
                                r.top, r.width(), r.height(), parent, ChildId(100));
        SetFocus(e);
        desk.run();
        gNotes.clear();
        return e;
    }
    std::pair<int, int> sel(HWND e)
    {
        DWORD s = 0, t = 0;
        SendMessage(e, EM_GETSEL, WPARAM(&s), LPARAM(&t));
        return {int(s), int(t)};
    }
    POINT screenOf(HWND e, std::size_t index)
    {
        LRESULT p = SendMessage(e, EM_POSFROMCHAR, index, 0);
        POINT pt{GET_X_LPARAM(p), GET_Y_LPARAM(p) + 5};
        ClientToScreen(e, &pt);
        return pt;
    }
    HeadlessDesktop desk;
    HWND parent;
};

TEST_F(EditDesktop, TypingCyrillicAndBackspaceNotifyTheParent)
{
    HWND e = edit(ES_AUTOHSCROLL);
    desk.script().type("Привет, мир").key(VK_BACK).key(VK_BACK).key(VK_BACK);
    desk.run();
    EXPECT_EQ(GetWindowText(e), "Привет, ");
    EXPECT_EQ(SendMessage(e, EM_GETMODIFY), TRUE);
    ASSERT_FALSE(gNotes.empty());
    EXPECT_EQ(gNotes.back(), EN_CHANGE);
    EXPECT_GT(std::count(gNotes.begin(), gNotes.end(), EN_UPDATE), 0);

    // Setting text is not a user change; typing runs undo as one step.
    SetWindowText(e, "abc");
    EXPECT_EQ(SendMessage(e, EM_GETMODIFY), FALSE);
    SendMessage(e, EM_SETSEL, 3, 3);
    desk.script().type("def");
    desk.run();
    SendMessage(e, WM_UNDO);
    EXPECT_EQ(GetWindowText(e), "abc");
}

TEST_F(EditDesktop, SelectingByKeysAndMouse)
{
    HWND e = edit(ES_AUTOHSCROLL, "alpha beta gamma");
    SendMessage(e, EM_SETSEL, 0, 0);
    desk.script().keyDown(VK_CONTROL).key(VK_RIGHT).keyUp(VK_CONTROL);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(6, 6));
    desk.script().keyDown(VK_SHIFT).keyDown(VK_CONTROL).key(VK_RIGHT).keyUp(VK_CONTROL).key(VK_RIGHT).keyUp(VK_SHIFT);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(6, 12));
    desk.script().keyDown(VK_SHIFT).key(VK_HOME).keyUp(VK_SHIFT);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(0, 6)) << "the anchor stays, the caret goes home";
    desk.script().keyDown(VK_CONTROL).key('A').keyUp(VK_CONTROL);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(0, 16));

    POINT from = screenOf(e, 6), to = screenOf(e, 10);
    desk.script().drag(from.x, from.y, to.x, to.y);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(6, 10));
    EXPECT_EQ(GetCapture(), HWND{});
}

TEST_F(EditDesktop, CutCopyPasteUndo)
{
    HWND e = edit(ES_AUTOHSCROLL, "copy me");
    SendMessage(e, EM_SETSEL, 0, 4);
    desk.script().keyDown(VK_CONTROL).key('C').keyUp(VK_CONTROL).key(VK_END);
    desk.script().keyDown(VK_CONTROL).key('V').keyUp(VK_CONTROL);
    desk.run();
    EXPECT_EQ(GetWindowText(e), "copy mecopy");
    SendMessage(e, EM_SETSEL, 5, 7);
    desk.script().keyDown(VK_CONTROL).key('X').keyUp(VK_CONTROL);
    desk.run();
    EXPECT_EQ(GetWindowText(e), "copy copy");
    desk.script().keyDown(VK_CONTROL).key('Z').keyUp(VK_CONTROL);
    desk.run();
    EXPECT_EQ(GetWindowText(e), "copy mecopy");

    // Read-only edits copy but never change; password edits never give their text away.
    SendMessage(e, EM_SETREADONLY, TRUE);
    SendMessage(e, EM_SETSEL, 0, -1);
    SendMessage(e, WM_CUT);
    EXPECT_EQ(GetWindowText(e), "copy mecopy");
    HWND p = edit(ES_PASSWORD, "secret", {10, 40, 210, 61});
    SetFocus(e);
    EXPECT_EQ(gNotes, (std::vector<WORD>{EN_KILLFOCUS, EN_SETFOCUS})) << "the one left, then the one entered";
    SendMessage(p, EM_SETSEL, 0, -1);
    SendMessage(p, WM_COPY);
    SendMessage(e, EM_SETREADONLY, FALSE);
    SendMessage(e, EM_SETSEL, 0, -1);
    SendMessage(e, WM_PASTE);
    EXPECT_EQ(GetWindowText(e), "me") << "the cut text, not the password";
    EXPECT_EQ(SendMessage(p, EM_GETPASSWORDCHAR), '*');
}

TEST_F(EditDesktop, LimitAndGetTextBufferStayBounded)
{
    HWND e = edit(ES_AUTOHSCROLL);
    SendMessage(e, EM_LIMITTEXT, 4);
    desk.script().type("абвгд");
    desk.run();
    EXPECT_EQ(GetWindowText(e), "абвг");
    EXPECT_NE(std::find(gNotes.begin(), gNotes.end(), EN_MAXTEXT), gNotes.end());
    // A small buffer gets whole characters only, always terminated.
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(SendMessage(e, WM_GETTEXT, sizeof buf, LPARAM(buf)), 2);
    EXPECT_EQ(std::string(buf), "а");
}

std::string LongText(int lines)
{
    std::string s;
    for (int i = 0; i < lines; ++i) s += "Line " + std::to_string(i + 1) + " of the memo\r\n";
    return s;
}

TEST_F(EditDesktop, MemoScrollsByWheelAndScrollBar)
{
    HWND m = edit(ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL, LongText(40), {10, 10, 260, 150});
    int lines = int(SendMessage(m, EM_GETLINECOUNT));
    EXPECT_EQ(lines, 41);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(m, SB_VERT, &si));
    int page = int(si.nPage);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, lines - 1);
    EXPECT_GT(page, 5);
    EXPECT_EQ(si.nPos, 0);

    RECT r = WindowRect(m);
    desk.script().move(r.left + 50, r.top + 50).wheel(-WHEEL_DELTA);
    desk.run();
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), 3);
    EXPECT_EQ(GetScrollPos(m, SB_VERT), 3);
    EXPECT_EQ(gNotes, std::vector<WORD>{EN_VSCROLL});

    // The bar's down arrow moves a line, the track below the thumb a page.
    int arrow = GetSystemMetrics(SM_CYVSCROLL);
    int barX = r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) / 2;
    desk.script().click(barX, r.bottom - 2 - arrow / 2);
    desk.run();
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), 4);
    desk.script().click(barX, r.bottom - 2 - arrow - 3);
    desk.run();
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), 4 + page);
    EXPECT_EQ(GetScrollPos(m, SB_VERT), 4 + page);
    EXPECT_EQ(sel(m), std::make_pair(0, 0)) << "scrolling leaves the caret where it was";

    // A caret move brings the caret back into view.
    desk.script().key(VK_RIGHT);
    desk.run();
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), 0);
    SendMessage(m, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20), 0);
    EXPECT_EQ(GetScrollPos(m, SB_VERT), 20);
    SendMessage(m, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(GetScrollPos(m, SB_VERT), lines - page) << "the last page fills the view";
    SendMessage(m, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(GetScrollPos(m, SB_VERT), lines - page);

    // Ctrl+Home brings the caret and the view back to the top; typing keeps the caret in view.
    desk.script().keyDown(VK_CONTROL).key(VK_HOME).keyUp(VK_CONTROL);
    desk.run();
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), 0);
    desk.script().keyDown(VK_CONTROL).key(VK_END).keyUp(VK_CONTROL).type("end");
    desk.run();
    EXPECT_EQ(GetScrollPos(m, SB_VERT), lines - page);
    EXPECT_EQ(SendMessage(m, EM_LINEFROMCHAR, WPARAM(-1)), lines - 1);
}

TEST_F(EditDesktop, MemoWrapsWordsAndMovesByLines)
{
    HWND m = edit(ES_MULTILINE | WS_VSCROLL, "", {10, 10, 110, 150});
    SetWindowText(m, "a few words that wrap inside a narrow memo");
    int lines = int(SendMessage(m, EM_GETLINECOUNT));
    EXPECT_GT(lines, 2);
    SendMessage(m, EM_SETSEL, 0, 0);
    desk.script().key(VK_DOWN);
    desk.run();
    EXPECT_EQ(SendMessage(m, EM_LINEFROMCHAR, WPARAM(-1)), 1);
    EXPECT_EQ(sel(m).first, SendMessage(m, EM_LINEINDEX, 1));
    desk.script().key(VK_RETURN).type("x");
    desk.run();
    EXPECT_NE(GetWindowText(m).find("\r\nx"), std::string::npos);
}

// The messages a framework memo drives the edit with, on a memo of known lines.
TEST_F(EditDesktop, MemoAnswersLineAndScrollMessages)
{
    HWND m = edit(ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL, LongText(40), {10, 10, 260, 150});
    int line5 = int(SendMessage(m, EM_LINEINDEX, 5));
    EXPECT_EQ(line5, 5 * 20) << "\"Line N of the memo\\r\\n\" is 20 characters for N < 10";
    EXPECT_EQ(SendMessage(m, EM_LINELENGTH, WPARAM(line5 + 3)), 18);
    EXPECT_EQ(SendMessage(m, EM_LINEFROMCHAR, WPARAM(line5 + 3)), 5);
    EXPECT_EQ(SendMessage(m, EM_LINEINDEX, 41), -1);

    EXPECT_EQ(SendMessage(m, EM_SCROLL, SB_LINEDOWN), MAKELPARAM(1, TRUE));
    EXPECT_EQ(SendMessage(m, EM_SCROLL, SB_LINEUP), MAKELPARAM(-1, TRUE));
    EXPECT_EQ(SendMessage(m, EM_SCROLL, SB_LINEUP), MAKELPARAM(0, TRUE)) << "at the top already";

    // The caret far down: scroll caret shows its line at the bottom of the view.
    SendMessage(m, EM_SETSEL, WPARAM(SendMessage(m, EM_LINEINDEX, 30)), LPARAM(SendMessage(m, EM_LINEINDEX, 30)));
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), 0) << "selecting does not scroll";
    SendMessage(m, EM_SCROLLCARET);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(m, SB_VERT, &si));
    EXPECT_EQ(si.nPos, 30 - int(si.nPage) + 1);
    EXPECT_EQ(SendMessage(m, EM_GETFIRSTVISIBLELINE), si.nPos);

    // Replacing the selection: undoable or not, the modify flag set either way.
    SendMessage(m, EM_SETMODIFY, FALSE);
    SendMessage(m, EM_SETSEL, 0, 4);
    SendMessage(m, EM_REPLACESEL, FALSE, LPARAM("Строка"));
    EXPECT_FALSE(SendMessage(m, EM_CANUNDO));
    EXPECT_TRUE(SendMessage(m, EM_GETMODIFY));
    SendMessage(m, EM_REPLACESEL, TRUE, LPARAM("!"));
    EXPECT_TRUE(SendMessage(m, EM_CANUNDO));
    std::string first;
    SendMessage(m, EM_GETLINE, 0, LPARAM(&first));
    EXPECT_EQ(first, "Строка! 1 of the memo");
    EXPECT_TRUE(SendMessage(m, EM_UNDO));
    SendMessage(m, EM_GETLINE, 0, LPARAM(&first));
    EXPECT_EQ(first, "Строка 1 of the memo");
}

TEST_F(EditDesktop, SingleLineEditKeepsBreaksOnItsOneLine)
{
    HWND e = edit(ES_AUTOHSCROLL, "one\r\ntwo");
    EXPECT_EQ(SendMessage(e, EM_GETLINECOUNT), 1);
    desk.script().key(VK_END);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(8, 8));
    EXPECT_EQ(GetWindowText(e), "one\r\ntwo");
}

}  // namespace
}  // namespace plat

namespace plat {
namespace {

std::string Words(std::size_t count)
{
    static const char* const words[] = {"справочник ", "entry ", "книга ", "of ", "запись\r\n", "Sentavia ",
                                        "длинноесловоцеликом "};
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += words[(i * 5 + i / 3) % std::size(words)];
    return s;
}

std::vector<LRESULT> LineStarts(HWND m)
{
    std::vector<LRESULT> starts;
    for (LRESULT n = 0, count = SendMessage(m, EM_GETLINECOUNT); n < count; ++n)
        starts.push_back(SendMessage(m, EM_LINEINDEX, WPARAM(n)));
    return starts;
}

// Long texts are laid out only where they change and measured from marks along long lines; the
// results must be those of laying everything out afresh and measuring from the start.
TEST_F(EditDesktop, LongTextsKeepExactLinesAndPositions)
{
    HWND memo = edit(ES_MULTILINE | WS_VSCROLL, Words(3000), {10, 10, 230, 150});
    SendMessage(memo, EM_SETSEL, 9000, 9000);
    desk.script().type("вставка в середине ").key(VK_BACK).key(VK_RETURN).key(VK_DELETE);
    desk.script().keyDown(VK_CONTROL).key('Z').keyUp(VK_CONTROL);
    desk.run();
    SendMessage(memo, EM_SETSEL, 20, 400);
    SendMessage(memo, EM_REPLACESEL, TRUE, LPARAM("короче"));
    HWND fresh = edit(ES_MULTILINE | WS_VSCROLL, GetWindowText(memo), {10, 160, 230, 300});
    EXPECT_EQ(LineStarts(memo), LineStarts(fresh));
    DestroyWindow(fresh);
    MoveWindow(memo, 10, 40, 220, 140, TRUE);

    // Far along one long line: the caret's position and the character there agree, and a click
    // there puts the caret there.
    std::string line(40000, 'w');
    for (std::size_t i = 0; i < line.size(); i += 7) line[i] = ' ';
    HWND e = edit(ES_AUTOHSCROLL, line);
    desk.script().keyDown(VK_CONTROL).key(VK_END).keyUp(VK_CONTROL);
    for (int i = 0; i < 30; ++i) desk.script().key(VK_LEFT);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(39970, 39970));
    LRESULT p = SendMessage(e, EM_POSFROMCHAR, 39970);
    EXPECT_GT(GET_X_LPARAM(p), 0);
    EXPECT_LT(GET_X_LPARAM(p), ClientRect(e).right);
    EXPECT_EQ(LOWORD(SendMessage(e, EM_CHARFROMPOS, 0, p)), 39970 & 0xFFFF);
    POINT at = screenOf(e, 39985);
    desk.script().click(at.x, at.y);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(39985, 39985));
    desk.script().keyDown(VK_SHIFT).key(VK_LEFT).key(VK_LEFT).key(VK_LEFT).keyUp(VK_SHIFT);
    desk.run();
    EXPECT_EQ(sel(e), std::make_pair(39982, 39985));
    std::filesystem::create_directories(SENTAVIA_TEST_OUT);
    desk.saveWindowShot(parent, std::string(SENTAVIA_TEST_OUT) + "/edit_long_texts.png");
}

}  // namespace
}  // namespace plat
