#pragma once

#include <vector>

#include "plat/controls/edit_layout.h"
#include "plat/controls/edit_styles.h"
#include "plat/controls/edit_text.h"
#include "plat/controls/edit_width_index.h"
#include "plat/gdi/gdi_types.h"
#include "plat/window.h"
#include "plat/window_styles.h"

// The parts of the "Edit" class share its per-window state and its style queries.
namespace plat::edit {

struct EditState {
    EditText text;
    HFONT font;
    std::vector<EditLine> lines{EditLine{}};
    int firstLine = 0;  // multi-line: the top line shown
    int xOffset = 0;    // single-line: pixels scrolled to the left
    int leftMargin = 1;
    int rightMargin = 1;
    RECT format;        // where text goes, in client coordinates
    bool customFormat = false;
    int lineHeight = 13;
    bool modified = false;
    bool focused = false;
    bool selecting = false;
    bool typing = false;  // consecutive typed characters undo as one
    char32_t password = 0;
    int desiredX = -1;     // kept across up/down moves
    int wheelRest = 0;
    // What the lines and the width index were measured with; another font or password
    // character lays everything out afresh.
    const void* laidOutWith = nullptr;
    char32_t laidOutPassword = 0;
    mutable EditWidthIndex widths;  // filled as positions on long lines are asked for
    mutable const void* widthsWith = nullptr;
    mutable char32_t widthsPassword = 0;
};

inline DWORD Style(HWND hwnd) { return GetWindowStyle(hwnd); }
inline bool Multi(HWND hwnd) { return Style(hwnd) & ES_MULTILINE; }
inline bool ReadOnly(HWND hwnd) { return Style(hwnd) & ES_READONLY; }
// Multi-line edits without sideways scrolling wrap words at the right edge.
inline bool Wraps(HWND hwnd)
{
    DWORD s = Style(hwnd);
    return (s & ES_MULTILINE) && !(s & ES_AUTOHSCROLL) && !(s & WS_HSCROLL);
}

}  // namespace plat::edit
