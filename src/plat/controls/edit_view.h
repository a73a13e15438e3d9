#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "gfx/font.h"
#include "plat/controls/edit_state.h"

// Where the edit's text shows: the format rectangle, lines, positions, scrolling, the caret.
namespace plat::edit {

std::shared_ptr<gfx::Font> FontFor(const EditState& st);
// What a run of text looks like on screen (password characters hide it).
std::string Shown(const EditState& st, std::u32string_view run);
EditMeasure MeasureFor(const EditState& st);

int VisibleLines(const EditState& st);
void UpdateFormatRect(HWND hwnd, EditState& st);
void Relayout(HWND hwnd, EditState& st);
int LineOfIndex(const EditState& st, std::size_t index);
int AlignOffset(HWND hwnd, const EditState& st, const EditLine& line);
POINT PosFromChar(HWND hwnd, const EditState& st, std::size_t index);
std::size_t CharAtLineX(HWND hwnd, const EditState& st, int n, int x);
std::size_t CharFromPos(HWND hwnd, const EditState& st, POINT p);
int MaxFirstLine(const EditState& st);
void UpdateScrollBar(HWND hwnd, EditState& st);
void PlaceCaret(HWND hwnd, EditState& st);
void Repaint(HWND hwnd);
// Scrolls so that line is on top and tells the parent; false when the edit is gone afterwards.
bool ScrollToLine(HWND hwnd, EditState& st, int line);
void ScrollCaretIntoView(HWND hwnd, EditState& st);

}  // namespace plat::edit
