#pragma once

#include "fw/graphics/geometry.h"
#include "plat/handle.h"

namespace fw {

// Copies `source` of `from` into `dest` of `to`, stretched, except where the mono mask (a
// context whose pixel (maskX + i, maskY + j) belongs to source pixel (source.left + i,
// source.top + j)) has a 1 bit: there `to` is left as it was. Works on any context, clipping
// and origins included, because it is three raster copies (the source xor'ed in, cut by the
// mask, xor'ed out again).
void MaskedStretchBlt(plat::HDC to, const TRect& dest, plat::HDC from, const TRect& source, plat::HDC mask,
                      int maskX, int maskY);

}  // namespace fw
