#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

// What the last change of an edit's text did: [at, at + removed) of the old text became
// [at, at + inserted) of the new one.
struct EditChange {
    std::size_t at = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;
};

// The text of an edit control with its selection and one level of undo, in code points.
// The caret is the moving end of the selection, the anchor the fixed one.
class EditText {
public:
    static constexpr std::size_t kDefaultLimit = 0x7FFFFFFE;

    const std::u32string& text() const { return text_; }
    std::size_t size() const { return text_.size(); }
    std::string utf8() const;
    std::string utf8(std::size_t from, std::size_t to) const;
    std::size_t utf8Size() const;  // the length of utf8() in bytes
    const EditChange& lastChange() const { return lastChange_; }

    // Replaces everything; clears undo and the selection.
    void setText(std::string_view utf8);

    std::size_t caret() const { return caret_; }
    std::size_t anchor() const { return anchor_; }
    std::size_t selStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t selEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool hasSelection() const { return caret_ != anchor_; }
    std::string selectedUtf8() const { return utf8(selStart(), selEnd()); }
    // Positions are clamped to the text.
    void select(std::size_t anchor, std::size_t caret);
    // Moves the caret; extending keeps the anchor, otherwise the selection collapses.
    void moveCaret(std::size_t to, bool extend);

    // Replaces the selection with text, cut down so the limit holds; returns false when nothing
    // of a non-empty text fits. canUndo=false keeps the previous undo state.
    bool replaceSelection(std::u32string_view text, bool canUndo = true);
    bool replaceSelection(std::string_view utf8, bool canUndo = true);
    // Removes the selection, or one character before/after the caret when there is none.
    bool deleteBackward();
    bool deleteForward();

    std::size_t limit() const { return limit_; }
    void setLimit(std::size_t limit) { limit_ = limit == 0 ? kDefaultLimit : limit; }

    // Undo swaps the text back and forth between the last two states, as classic edits do.
    // It keeps only what the last change replaced, so an edit of a long text costs no copy of it.
    bool canUndo() const { return undoValid_; }
    bool undo();
    void clearUndo();

    // Word moves for Ctrl+arrows: to the start of the previous / next word.
    std::size_t wordLeft(std::size_t from) const;
    std::size_t wordRight(std::size_t from) const;

private:
    void keepUndo(std::size_t start, std::size_t end, std::size_t inserted, bool canUndo);

    std::u32string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::size_t limit_ = kDefaultLimit;
    EditChange lastChange_;
    // The undo step: [undoAt_, undoAt_ + undoInserted_) of the text was undoRemoved_ before, or,
    // when undoWhole_, the whole text was undoRemoved_. The selection then was undoStart_, undoEnd_.
    bool undoValid_ = false;
    bool undoWhole_ = false;
    std::size_t undoAt_ = 0;
    std::size_t undoInserted_ = 0;
    std::u32string undoRemoved_;
    std::size_t undoStart_ = 0;
    std::size_t undoEnd_ = 0;
};

std::u32string DecodeUtf8ToU32(std::string_view utf8);
std::string EncodeU32ToUtf8(std::u32string_view text);

}  // namespace plat
