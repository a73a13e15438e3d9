#pragma once

#include <map>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/bmp_file.h"
#include "skin/model/image_source.h"

// Image files held in memory, found by their exact names.
class MemoryImages : public skin::SkinImageSource {
public:
    std::map<std::string, std::vector<std::uint8_t>> files;

    void addBmp(const std::string& name, const gfx::Bitmap& b) { files[name] = gfx::writeBmp(b); }

    std::optional<skin::ImageBytes> read(std::string_view name) const override
    {
        auto it = files.find(std::string(name));
        if (it == files.end()) return std::nullopt;
        skin::ImageBytes out;
        out.shared = it->second;
        return out;
    }
    std::string describe(std::string_view name) const override { return std::string(name); }
};
