#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace plat {

// One displayed line: [start, end) is what shows; next is where the following line starts
// (past the line break, or equal to end for a wrapped line).
struct EditLine {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// Width in pixels of a run of text.
using EditMeasure = std::function<int(std::u32string_view)>;

// Breaks text into lines at "\r\n", "\n" and "\r", and with wrapWidth > 0 also at spaces so
// that each line fits (a word longer than the width is cut). There is always one line.
std::vector<EditLine> LayoutEditLines(std::u32string_view text, int wrapWidth, const EditMeasure& measure);

// The line holding a character index (a caret at a wrap point belongs to the next line).
std::size_t EditLineOf(const std::vector<EditLine>& lines, std::size_t index);

// The index in a line nearest to x pixels from the line's start.
std::size_t EditIndexAtX(std::u32string_view text, const EditLine& line, int x, const EditMeasure& measure);

}  // namespace plat
