#include "plat/controls/edit_text.h"

#include <algorithm>

#include "base/utf8.h"

namespace plat {

std::u32string DecodeUtf8ToU32(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (char32_t c : base::Utf8View(utf8)) out.push_back(c);
    return out;
}

std::string EncodeU32ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) base::appendUtf8(out, c);
    return out;
}

std::string EditText::utf8() const { return EncodeU32ToUtf8(text_); }

std::string EditText::utf8(std::size_t from, std::size_t to) const
{
    from = std::min(from, text_.size());
    to = std::clamp(to, from, text_.size());
    return EncodeU32ToUtf8(std::u32string_view(text_).substr(from, to - from));
}

std::size_t EditText::utf8Size() const
{
    std::size_t n = 0;
    for (char32_t c : text_) n += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    return n;
}

void EditText::setText(std::string_view utf8)
{
    std::size_t before = text_.size();
    text_ = DecodeUtf8ToU32(utf8);
    if (text_.size() > limit_) text_.resize(limit_);
    lastChange_ = {0, before, text_.size()};
    caret_ = anchor_ = 0;
    clearUndo();
}

void EditText::clearUndo()
{
    undoValid_ = false;
    std::u32string().swap(undoRemoved_);
}

void EditText::select(std::size_t anchor, std::size_t caret)
{
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
}

void EditText::moveCaret(std::size_t to, bool extend)
{
    caret_ = std::min(to, text_.size());
    if (!extend) anchor_ = caret_;
}

// Before [start, end) becomes `inserted` code points. Without canUndo the step before stays: text
// typed on at its end joins it; any other change makes it a copy of the whole old text.
void EditText::keepUndo(std::size_t start, std::size_t end, std::size_t inserted, bool canUndo)
{
    if (canUndo) {
        undoValid_ = true;
        undoWhole_ = false;
        undoAt_ = start;
        undoInserted_ = inserted;
        undoRemoved_.assign(text_, start, end - start);
        undoStart_ = anchor_;
        undoEnd_ = caret_;
        return;
    }
    if (!undoValid_ || undoWhole_) return;
    if (start == end && start == undoAt_ + undoInserted_) {
        undoInserted_ += inserted;
        return;
    }
    std::u32string old = text_;
    old.replace(undoAt_, undoInserted_, undoRemoved_);
    undoRemoved_ = std::move(old);
    undoWhole_ = true;
}

bool EditText::replaceSelection(std::u32string_view text, bool canUndo)
{
    std::size_t start = selStart(), end = selEnd();
    std::size_t room = limit_ - std::min(limit_, text_.size() - (end - start));
    if (text.size() > room) text = text.substr(0, room);
    if (text.empty() && start == end) return false;
    keepUndo(start, end, text.size(), canUndo);
    text_.replace(start, end - start, text);
    lastChange_ = {start, end - start, text.size()};
    caret_ = anchor_ = start + text.size();
    return true;
}

bool EditText::replaceSelection(std::string_view utf8, bool canUndo)
{
    return replaceSelection(std::u32string_view(DecodeUtf8ToU32(utf8)), canUndo);
}

bool EditText::deleteBackward()
{
    if (!hasSelection()) {
        if (caret_ == 0) return false;
        std::size_t from = caret_ - 1;
        // A line break is one step.
        if (from > 0 && text_[from] == U'\n' && text_[from - 1] == U'\r') --from;
        anchor_ = from;
    }
    return replaceSelection(std::u32string_view());
}

bool EditText::deleteForward()
{
    if (!hasSelection()) {
        if (caret_ >= text_.size()) return false;
        std::size_t to = caret_ + 1;
        if (text_[caret_] == U'\r' && to < text_.size() && text_[to] == U'\n') ++to;
        anchor_ = to;
    }
    return replaceSelection(std::u32string_view());
}

bool EditText::undo()
{
    if (!undoValid_) return false;
    std::size_t a = anchor_, c = caret_;
    if (undoWhole_) {
        lastChange_ = {0, text_.size(), undoRemoved_.size()};
        text_.swap(undoRemoved_);
    } else {
        // The step back is the step forward the other way round.
        std::u32string redone(text_, undoAt_, undoInserted_);
        text_.replace(undoAt_, undoInserted_, undoRemoved_);
        lastChange_ = {undoAt_, undoInserted_, undoRemoved_.size()};
        undoInserted_ = undoRemoved_.size();
        undoRemoved_ = std::move(redone);
    }
    anchor_ = std::min(undoStart_, text_.size());
    caret_ = std::min(undoEnd_, text_.size());
    undoStart_ = a;
    undoEnd_ = c;
    return true;
}

namespace {

bool isSpace(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == 0xA0; }

}  // namespace

std::size_t EditText::wordLeft(std::size_t from) const
{
    std::size_t i = std::min(from, text_.size());
    while (i > 0 && isSpace(text_[i - 1])) --i;
    while (i > 0 && !isSpace(text_[i - 1])) --i;
    return i;
}

std::size_t EditText::wordRight(std::size_t from) const
{
    std::size_t i = std::min(from, text_.size());
    while (i < text_.size() && !isSpace(text_[i])) ++i;
    while (i < text_.size() && isSpace(text_[i])) ++i;
    return i;
}

}  // namespace plat
