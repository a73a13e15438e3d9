#include "plat/controls/edit_editing.h"

#include <string>

#include "base/letter_case.h"
#include "plat/controls/control_state.h"
#include "plat/controls/edit_clipboard.h"
#include "plat/controls/edit_view.h"

namespace plat::edit {

// After the text changed: lines, scroll bar, notifications.
bool TextChanged(HWND hwnd, EditState& st, bool byUser)
{
    RelayoutChange(hwnd, st);
    if (st.firstLine > MaxFirstLine(st)) st.firstLine = MaxFirstLine(st);
    if (byUser) st.modified = true;
    if (!NotifyParent(hwnd, EN_UPDATE)) return false;
    UpdateScrollBar(hwnd, st);
    Repaint(hwnd);
    ScrollCaretIntoView(hwnd, st);
    return NotifyParent(hwnd, EN_CHANGE);
}

void SelectionChanged(HWND hwnd, EditState& st)
{
    st.typing = false;
    Repaint(hwnd);
    ScrollCaretIntoView(hwnd, st);
}

bool Copy(HWND hwnd, EditState& st)
{
    if (!st.text.hasSelection() || st.password) return false;
    return PutEditTextOnClipboard(hwnd, st.text.selectedUtf8());
}

bool ReplaceSelection(HWND hwnd, EditState& st, std::string_view utf8, bool canUndo)
{
    st.typing = false;
    std::size_t before = st.text.size() - (st.text.selEnd() - st.text.selStart());
    std::u32string text = DecodeUtf8ToU32(utf8);
    std::size_t wanted = before + text.size();
    bool changed = st.text.replaceSelection(std::u32string_view(text), canUndo);
    if (wanted > st.text.limit() && !NotifyParent(hwnd, EN_MAXTEXT)) return false;
    return !changed || TextChanged(hwnd, st, true);
}

void Cut(HWND hwnd, EditState& st)
{
    if (ReadOnly(hwnd) || !Copy(hwnd, st)) return;
    ReplaceSelection(hwnd, st, "", true);
}

// Single-line edits take the first line of what is pasted.
void Paste(HWND hwnd, EditState& st)
{
    if (ReadOnly(hwnd)) return;
    auto text = TakeEditTextFromClipboard(hwnd);
    if (!text) return;
    std::string_view t = *text;
    if (!Multi(hwnd)) t = t.substr(0, t.find_first_of("\r\n"));
    ReplaceSelection(hwnd, st, t, true);
}

void Undo(HWND hwnd, EditState& st)
{
    st.typing = false;
    if (st.text.undo()) TextChanged(hwnd, st, true);
}

void TypeChar(HWND hwnd, EditState& st, char32_t c)
{
    if (ReadOnly(hwnd)) return;
    DWORD s = Style(hwnd);
    if (c == 8) {
        st.typing = false;
        if (st.text.deleteBackward()) TextChanged(hwnd, st, true);
        return;
    }
    std::u32string insert;
    if (c == U'\r' || c == U'\n') {
        if (!(s & ES_MULTILINE)) return;
        insert = U"\r\n";
    } else if (c == U'\t') {
        if (!(s & ES_MULTILINE)) return;
        insert = U"\t";
    } else if (c < 0x20 || c == 0x7F) {
        return;  // control characters of Ctrl+letter keys: handled as key commands
    } else {
        if ((s & ES_NUMBER) && (c < U'0' || c > U'9')) return;
        if (s & ES_UPPERCASE) c = base::toUpperCodePoint(c);
        insert = std::u32string(1, c);
    }
    bool continues = st.typing && !st.text.hasSelection();
    std::size_t before = st.text.size();
    std::size_t after = before - (st.text.selEnd() - st.text.selStart()) + insert.size();
    bool changed = after <= st.text.limit() && st.text.replaceSelection(std::u32string_view(insert), !continues);
    if (!changed) {
        NotifyParent(hwnd, EN_MAXTEXT);
        return;
    }
    st.typing = true;
    TextChanged(hwnd, st, true);
}

}  // namespace plat::edit
