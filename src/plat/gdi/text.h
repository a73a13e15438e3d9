#pragma once

#include <string_view>

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// Text in the selected font and text colour; strings are UTF-8. With OPAQUE background mode the
// text cell is filled with the background colour first.
BOOL TextOut(HDC dc, int x, int y, std::string_view utf8);
// ETO_OPAQUE fills *r with the background colour; ETO_CLIPPED clips the text to *r.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* r, std::string_view utf8);
// Returns the text height (0 on failure); DT_CALCRECT sets *r to the needed rectangle.
int DrawText(HDC dc, std::string_view utf8, RECT* r, UINT format);
inline int DrawText(HDC dc, std::string_view utf8, RECT& r, UINT format) { return DrawText(dc, utf8, &r, format); }
BOOL GetTextExtentPoint32(HDC dc, std::string_view utf8, SIZE* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* tm);
// The face name of the selected font.
int GetTextFace(HDC dc, std::string* face);

}  // namespace plat
