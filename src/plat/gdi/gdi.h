#pragma once

// The whole drawing interface.
#include "plat/gdi/blit.h"
#include "plat/gdi/dc.h"
#include "plat/gdi/edges.h"
#include "plat/gdi/gdi_constants.h"
#include "plat/gdi/gdi_types.h"
#include "plat/gdi/gradient.h"
#include "plat/gdi/icons.h"
#include "plat/gdi/lines.h"
#include "plat/gdi/objects.h"
#include "plat/gdi/regions.h"
#include "plat/gdi/shapes.h"
#include "plat/gdi/surface_dc.h"
#include "plat/gdi/text.h"
#include "plat/system/sys_colors.h"
#include "plat/system/sys_metrics.h"
