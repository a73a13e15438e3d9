#pragma once

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/geometry.h"
#include "paint/raster/parent_cache.h"
#include "skin/model/mask_data.h"

namespace paint {

// Lays a masked image: the mask rows lie half the entry's source height below the picture rows,
// and each byte becomes (D * M + S * (256 - M)) >> 8, so mask 0 copies the picture. Key-colour
// picture pixels, when showParent is set, take the ready parent cache's pixel or else
// parentColor (0xFF00FF when none is known); with showParent clear they mix like any other.
// Both rectangles are cut together so that nothing is read or written outside a bitmap.
void CopyMaskedRect(gfx::Rect destinationRect, gfx::Rect sourceRect, gfx::Bitmap& destination,
                    const skin::TsMaskData& entry, bool showParent, const TsParentCache& parent,
                    gfx::Color parentColor, const gfx::Bitmap& source);

// One row of the mask mix; kept apart so the compiler vectorises it.
void maskRow(std::uint8_t* dst, const std::uint8_t* picture, const std::uint8_t* mask, int bytes);

}  // namespace paint
