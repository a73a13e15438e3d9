#pragma once

#include "fw/forms/form_types.h"

namespace fw {

// How one bevel of a panel or an edit looks.
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using enum TBevelCut;

// How an edit's bevels are drawn when it has them.
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
using enum TBevelKind;

// A control's own border: only bsNone and bsSingle of the form's border styles apply.
using TBorderStyle = TFormBorderStyle;

// Which scroll bars a memo shows.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

// Where a label's text sits from top to bottom.
enum class TTextLayout { tlTop, tlCenter, tlBottom };
using enum TTextLayout;

}  // namespace fw
