#include "fw/graphics/graphic.h"

#include "base/error.h"
#include "base/file.h"

namespace fw {

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Changed()
{
    if (onChange_) onChange_(this);
}

void TGraphic::LoadFromFile(const std::string& path)
{
    base::MemoryStream stream(base::readFileBytes(path));
    try {
        LoadFromStream(stream);
    } catch (const base::Error& e) {
        throw base::Error("Cannot open file \"" + path + "\". " + e.message());
    }
}

}  // namespace fw
