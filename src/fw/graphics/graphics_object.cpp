#include "fw/graphics/graphics_object.h"

#include "plat/gdi/objects.h"

namespace fw {

void TGraphicsObject::Changed()
{
    if (onChange_) onChange_(this);
}

SharedGdiObject ShareGdiObject(plat::HGDIOBJ object)
{
    if (!object) return nullptr;
    return SharedGdiObject(new plat::HGDIOBJ(object), [](const plat::HGDIOBJ* h) {
        plat::DeleteObject(*h);
        delete h;
    });
}

}  // namespace fw
