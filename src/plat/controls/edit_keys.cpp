#include "plat/controls/edit_keys.h"

#include <algorithm>

#include "plat/controls/edit_editing.h"
#include "plat/controls/edit_view.h"
#include "plat/virtual_keys.h"
#include "plat/windowing.h"

namespace plat::edit {

namespace {

std::size_t StepLeft(const EditState& st, std::size_t i)
{
    const auto& t = st.text.text();
    if (i == 0) return 0;
    if (i >= 2 && t[i - 1] == U'\n' && t[i - 2] == U'\r') return i - 2;
    return i - 1;
}

std::size_t StepRight(const EditState& st, std::size_t i)
{
    const auto& t = st.text.text();
    if (i >= t.size()) return t.size();
    if (t[i] == U'\r' && i + 1 < t.size() && t[i + 1] == U'\n') return i + 2;
    return i + 1;
}

void MoveVertically(HWND hwnd, EditState& st, int delta, bool extend)
{
    std::size_t caret = st.text.caret();
    if (st.desiredX < 0) st.desiredX = PosFromChar(hwnd, st, caret).x;
    int n = std::clamp(LineOfIndex(st, caret) + delta, 0, int(st.lines.size()) - 1);
    int keepX = st.desiredX;
    st.text.moveCaret(CharAtLineX(hwnd, st, n, keepX), extend);
    SelectionChanged(hwnd, st);
    st.desiredX = keepX;
}

}  // namespace

bool KeyDown(HWND hwnd, EditState& st, UINT vk)
{
    bool shift = GetKeyState(int(VK_SHIFT)) < 0;
    bool ctrl = GetKeyState(int(VK_CONTROL)) < 0;
    bool multi = Multi(hwnd);
    std::size_t caret = st.text.caret();
    auto move = [&](std::size_t to) {
        st.text.moveCaret(to, shift);
        st.desiredX = -1;
        SelectionChanged(hwnd, st);
    };
    const EditLine& line = st.lines[std::size_t(LineOfIndex(st, caret))];
    switch (vk) {
    case VK_LEFT:
        if (!shift && st.text.hasSelection() && !ctrl) return move(st.text.selStart()), true;
        return move(ctrl ? st.text.wordLeft(caret) : StepLeft(st, caret)), true;
    case VK_RIGHT:
        if (!shift && st.text.hasSelection() && !ctrl) return move(st.text.selEnd()), true;
        return move(ctrl ? st.text.wordRight(caret) : StepRight(st, caret)), true;
    case VK_UP:
        if (!multi) return move(StepLeft(st, caret)), true;
        MoveVertically(hwnd, st, -1, shift);
        return true;
    case VK_DOWN:
        if (!multi) return move(StepRight(st, caret)), true;
        MoveVertically(hwnd, st, 1, shift);
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        if (!multi) return false;
        {
            int page = VisibleLines(st) * (vk == VK_PRIOR ? -1 : 1);
            if (!ScrollToLine(hwnd, st, st.firstLine + page)) return true;
            MoveVertically(hwnd, st, page, shift);
        }
        return true;
    case VK_HOME: return move(ctrl ? 0 : line.start), true;
    case VK_END: return move(ctrl ? st.text.size() : line.end), true;
    case VK_DELETE:
        if (shift) return Cut(hwnd, st), true;
        if (ReadOnly(hwnd)) return true;
        st.typing = false;
        if (st.text.deleteForward()) TextChanged(hwnd, st, true);
        return true;
    case VK_INSERT:
        if (ctrl) Copy(hwnd, st);
        if (shift) Paste(hwnd, st);
        return true;
    default: break;
    }
    if (!ctrl || shift) return false;
    switch (vk) {
    case 'A':
        st.text.select(0, st.text.size());
        SelectionChanged(hwnd, st);
        return true;
    case 'C': Copy(hwnd, st); return true;
    case 'X': Cut(hwnd, st); return true;
    case 'V': Paste(hwnd, st); return true;
    case 'Z': Undo(hwnd, st); return true;
    default: return false;
    }
}

}  // namespace plat::edit
