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

void EditText::setText(std::string_view utf8)
{
    text_ = DecodeUtf8ToU32(utf8);
    if (text_.size() > limit_) text_.resize(limit_);
    caret_ = anchor_ = 0;
    undoValid_ = false;
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

void EditText::saveUndo()
{
    undoText_ = text_;
    undoStart_ = anchor_;
    undoEnd_ = caret_;
    undoValid_ = true;
}

bool EditText::replaceSelection(std::u32string_view text, bool canUndo)
{
    std::size_t start = selStart(), end = selEnd();
    std::size_t room = limit_ - std::min(limit_, text_.size() - (end - start));
    if (text.size() > room) text = text.substr(0, room);
    if (text.empty() && start == end) return false;
    if (canUndo) saveUndo();
    text_.replace(start, end - start, text);
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
    std::u32string current = text_;
    std::size_t a = anchor_, c = caret_;
    text_ = undoText_;
    anchor_ = std::min(undoStart_, text_.size());
    caret_ = std::min(undoEnd_, text_.size());
    undoText_ = std::move(current);
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
