#pragma once

#include "fw/classes/set.h"

namespace fw {

// Where a control sits in its parent: docked to an edge, filling the rest, or placed freely.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using enum TAlign;

// Which parent edges a freely placed control keeps its distance to when the parent resizes.
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
using enum TAnchorKind;
inline constexpr TAnchors kDefaultAnchors{akLeft, akTop};

// What a control class is like.
enum class TControlStyleItem {
    csAcceptsControls,  // may be a parent of other controls
    csCaptureMouse,     // takes the mouse while a button is held
    csDesignInteractive,
    csClickEvents,      // a press and release over it is a click
    csFramed,
    csSetCaption,       // its name becomes its caption while the caption was never set
    csOpaque,           // paints all of its bounds (what is under it need not paint)
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleItem>;
using enum TControlStyleItem;

// What a control is doing now.
enum class TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csRecreating,
};
using TControlState = TSet<TControlStateItem>;
using enum TControlStateItem;

// Mouse pointer shapes; negative values are the standard ones.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crHandPoint = -21;

}  // namespace fw
