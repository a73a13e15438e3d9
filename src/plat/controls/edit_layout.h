#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "plat/controls/edit_text.h"

namespace plat {

// One displayed line: [start, end) is what shows; next is where the following line starts
// (past the line break, or equal to end for a wrapped line).
struct EditLine {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// Measures runs of text as the edit shows them. Widths add up character by character.
class EditMeasure {
public:
    virtual ~EditMeasure() = default;
    virtual int width(std::u32string_view run) const = 0;
    // How many leading code points of run fit within maxWidth pixels; their width goes to fitWidth.
    virtual std::size_t fit(std::u32string_view run, int maxWidth, int& fitWidth) const = 0;
};

// The line that starts at `start`: up to "\r\n", "\n" or "\r", and with wrapWidth > 0 also
// broken after a space so that it fits (a word longer than the width is cut). Its cost is the
// length of the line, whatever follows it.
EditLine NextEditLine(std::u32string_view text, std::size_t start, int wrapWidth, const EditMeasure& measure);

// All lines of a text; there is always one.
std::vector<EditLine> LayoutEditLines(std::u32string_view text, int wrapWidth, const EditMeasure& measure);

// Brings lines laid out before a change up to date with the changed text: only the lines from the
// one before the change on are laid out again, until a line starts where an old one did.
void RelayoutEditLines(std::vector<EditLine>& lines, std::u32string_view text, const EditChange& change,
                       int wrapWidth, const EditMeasure& measure);

// The line holding a character index (a caret at a wrap point belongs to the next line).
std::size_t EditLineOf(const std::vector<EditLine>& lines, std::size_t index);

// The index in a line nearest to x pixels from the line's start.
std::size_t EditIndexAtX(std::u32string_view text, const EditLine& line, int x, const EditMeasure& measure);

}  // namespace plat
