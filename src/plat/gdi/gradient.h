#pragma once

#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace plat {

// mesh is GRADIENT_RECT[] for the RECT modes and GRADIENT_TRIANGLE[] for GRADIENT_FILL_TRIANGLE.
// FALSE when a mesh entry names a vertex that does not exist.
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, UINT vertexCount, const void* mesh, UINT meshCount,
                  UINT mode);

}  // namespace plat
