#pragma once

#include "fw/controls/control_types.h"
#include "plat/handle.h"

namespace fw {

// The platform's pointer for a standard cursor value; null for crDefault and unknown values.
plat::HCURSOR CursorHandle(TCursor cursor);

}  // namespace fw
