#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gfx/geometry.h"
#include "plat/types.h"

namespace plat {

// Geometry of the drawing calls is gfx's: RECT is (left, top, right, bottom), right/bottom exclusive.
using RECT = gfx::Rect;
using POINT = gfx::Point;
using SIZE = gfx::Size;

// A colour as 0x00BBGGRR.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) { return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16); }
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct LOGFONT {
    int lfHeight = 0;  // negative: character height in pixels; positive: cell height
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 400;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 1;  // DEFAULT_CHARSET
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    std::string lfFaceName;
};
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE DEFAULT_CHARSET = 1;

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
    int tmOverhang = 0;
    int tmDigitizedAspectX = 96;
    int tmDigitizedAspectY = 96;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 1;
};

// GetObject's description of a bitmap. bmBits is the lowest address of the pixel store (the
// bottom row of a bottom-up bitmap); bmRow0 is row 0 and bmRowDelta the signed distance to row 1.
struct BITMAP {
    int bmType = 0;
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr;
    void* bmRow0 = nullptr;
    std::ptrdiff_t bmRowDelta = 0;
};

constexpr DWORD BI_RGB = 0;
struct BITMAPINFOHEADER {
    DWORD biSize = 40;
    int biWidth = 0;
    int biHeight = 0;  // positive: bottom-up rows; negative: top-down
    WORD biPlanes = 1;
    WORD biBitCount = 24;
    DWORD biCompression = BI_RGB;
    DWORD biSizeImage = 0;
    int biXPelsPerMeter = 0;
    int biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    std::uint32_t bmiColors[256] = {};  // palette as 0x00RRGGBB quads (blue in the low byte), as in files
};
constexpr UINT DIB_RGB_COLORS = 0;

// Brushes
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_PATTERN = 3;
struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;
};

// Pens
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;
struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth;
    COLORREF lopnColor = 0;
};

// Gradients: channels are 16-bit (8-bit value * 256).
using COLOR16 = std::uint16_t;
struct TRIVERTEX {
    int x = 0;
    int y = 0;
    COLOR16 Red = 0;
    COLOR16 Green = 0;
    COLOR16 Blue = 0;
    COLOR16 Alpha = 0;
};
struct GRADIENT_RECT {
    UINT UpperLeft = 0;
    UINT LowerRight = 0;
};
struct GRADIENT_TRIANGLE {
    UINT Vertex1 = 0;
    UINT Vertex2 = 0;
    UINT Vertex3 = 0;
};
constexpr UINT GRADIENT_FILL_RECT_H = 0;
constexpr UINT GRADIENT_FILL_RECT_V = 1;
constexpr UINT GRADIENT_FILL_TRIANGLE = 2;

}  // namespace plat
