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

// Pixel positions along a line stay within this, however long the line.
inline constexpr int kMaxWidth = 1 << 30;

// Measures text as the edit shows it, in its font, with its password character.
class FontMeasure final : public EditMeasure {
public:
    explicit FontMeasure(const EditState& st);
    int width(std::u32string_view run) const override;
    std::size_t fit(std::u32string_view run, int maxWidth, int& fitWidth) const override;
    const void* key() const { return font_.get(); }

private:
    std::shared_ptr<gfx::Font> font_;
    char32_t password_;
    int passwordWidth_ = 0;
};

// The width of line's text up to index, and the index nearest to x pixels along the line.
int LineX(const EditState& st, const FontMeasure& measure, const EditLine& line, std::size_t index);
std::size_t LineIndexAtX(const EditState& st, const FontMeasure& measure, const EditLine& line, int x);

int VisibleLines(const EditState& st);
void UpdateFormatRect(HWND hwnd, EditState& st);
// Lays out every line afresh.
void Relayout(HWND hwnd, EditState& st);
// Lays out what the text's last change touched.
void RelayoutChange(HWND hwnd, EditState& st);
int LineOfIndex(const EditState& st, std::size_t index);
int AlignOffset(HWND hwnd, const EditState& st, const FontMeasure& measure, const EditLine& line);
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
