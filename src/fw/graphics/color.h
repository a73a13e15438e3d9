#pragma once

#include <cstdint>

#include "plat/gdi/gdi_types.h"
#include "plat/system/sys_colors.h"

namespace fw {

// A colour: 0x00BBGGRR, or a system colour (high bit set, the low byte its index in the system
// colour table), or one of the two markers clNone and clDefault.
using TColor = std::int32_t;

namespace detail {
constexpr TColor systemColor(int index) { return TColor(plat::SystemColor(index)); }
}  // namespace detail

constexpr TColor clScrollBar = detail::systemColor(plat::COLOR_SCROLLBAR);
constexpr TColor clBackground = detail::systemColor(plat::COLOR_BACKGROUND);
constexpr TColor clActiveCaption = detail::systemColor(plat::COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = detail::systemColor(plat::COLOR_INACTIVECAPTION);
constexpr TColor clMenu = detail::systemColor(plat::COLOR_MENU);
constexpr TColor clWindow = detail::systemColor(plat::COLOR_WINDOW);
constexpr TColor clWindowFrame = detail::systemColor(plat::COLOR_WINDOWFRAME);
constexpr TColor clMenuText = detail::systemColor(plat::COLOR_MENUTEXT);
constexpr TColor clWindowText = detail::systemColor(plat::COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = detail::systemColor(plat::COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = detail::systemColor(plat::COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = detail::systemColor(plat::COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = detail::systemColor(plat::COLOR_APPWORKSPACE);
constexpr TColor clHighlight = detail::systemColor(plat::COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = detail::systemColor(plat::COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = detail::systemColor(plat::COLOR_BTNFACE);
constexpr TColor clBtnShadow = detail::systemColor(plat::COLOR_BTNSHADOW);
constexpr TColor clGrayText = detail::systemColor(plat::COLOR_GRAYTEXT);
constexpr TColor clBtnText = detail::systemColor(plat::COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = detail::systemColor(plat::COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = detail::systemColor(plat::COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = detail::systemColor(plat::COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = detail::systemColor(plat::COLOR_3DLIGHT);
constexpr TColor clInfoText = detail::systemColor(plat::COLOR_INFOTEXT);
constexpr TColor clInfoBk = detail::systemColor(plat::COLOR_INFOBK);
constexpr TColor clHotLight = detail::systemColor(plat::COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = detail::systemColor(plat::COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = detail::systemColor(plat::COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = detail::systemColor(plat::COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = detail::systemColor(plat::COLOR_MENUBAR);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// No colour at all: skin data and controls test for it before any pixel work.
constexpr TColor clNone = -1;
// "Whatever the owner would choose" (line colours of the grid, for one).
constexpr TColor clDefault = 0x20000000;

constexpr bool IsSystemColor(TColor c) { return c != clNone && (std::uint32_t(c) & plat::kSystemColorFlag) != 0; }

// The RGB value of a colour: system colours are looked up in the current system colour table.
// clNone and clDefault have no RGB value and come back unchanged, so that a caller's test for
// them still works after the conversion.
TColor ColorToRGB(TColor color);
// The same as a value for the drawing calls; clNone and clDefault give fallback.
plat::COLORREF ColorToRef(TColor color, plat::COLORREF fallback = 0);


}  // namespace fw
