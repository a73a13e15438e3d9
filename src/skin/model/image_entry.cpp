#include "skin/model/image_entry.h"

#include <algorithm>
#include <vector>

#include "base/error.h"
#include "base/format.h"
#include "base/letter_case.h"
#include "skin/options/option_values.h"

namespace skin {

namespace {

std::int32_t number(std::string_view text)
{
    const auto n = parseOptionInteger(text);
    if (!n) throw base::Error(base::format("\"%s\" is not a valid integer value", text));
    return *n;
}

// The field of `width` characters at 1-based position `at`; a short value gives a short field,
// which is no number.
std::int32_t field(std::string_view value, std::size_t at, std::size_t width)
{
    const std::size_t from = at - 1;
    if (from >= value.size()) return number("");
    return number(value.substr(from, width));
}

std::int16_t small(std::int32_t v) { return std::int16_t(std::clamp<std::int32_t>(v, -32768, 32767)); }

std::vector<std::string_view> splitAt(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && separators.find(text[i]) != std::string_view::npos) ++i;
        std::size_t j = i;
        while (j < text.size() && separators.find(text[j]) == std::string_view::npos) ++j;
        if (j > i) words.push_back(text.substr(i, j - i));
        i = j;
    }
    return words;
}

gfx::Rect rectAt(std::string_view v)
{
    return {field(v, 2, 4), field(v, 7, 4), field(v, 12, 4), field(v, 17, 4)};
}

ImageEntry named(std::string_view section, std::string_view key, bool upper)
{
    ImageEntry e;
    e.mask.SectionName = upper ? base::toUpper(section) : std::string(section);
    e.mask.PropertyName = upper ? base::toUpper(key) : std::string(key);
    return e;
}

}  // namespace

void completeBorderWidths(TsMaskData& m)
{
    if (m.ImageCount < 1) m.ImageCount = 1;
    if (m.MaskType < 0) m.MaskType = 0;
    if (m.WL + m.WT + m.WR + m.WB != 0) return;
    if (m.BorderWidth != 0) {
        m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
        return;
    }
    m.WL = m.WR = small(m.SourceRect.width() / (m.ImageCount * 3));
    m.WT = m.WB = small(m.SourceRect.height() / ((m.MaskType + 1) * 3));
}

std::optional<ImageEntry> parseImageEntry(std::string_view section, std::string_view key, std::string_view v)
{
    if (v.empty()) return std::nullopt;
    switch (v.front()) {
    case '^': {
        ImageEntry e = named(section, key, false);
        TsMaskData& m = e.mask;
        m.ImgType = TacImgType::itisaBorder;
        m.SourceRect = rectAt(v);
        m.WL = small(field(v, 22, 4));
        m.WT = small(field(v, 27, 4));
        m.WR = small(field(v, 32, 4));
        m.WB = small(field(v, 37, 4));
        m.ImageCount = small(field(v, 42, 1));
        m.MaskType = small(field(v, 44, 1));
        m.StretchMode = small(field(v, 46, 1));
        m.BorderWidth = small(field(v, 48, 1));
        completeBorderWidths(m);
        return e;
    }
    case '@': {
        ImageEntry e = named(section, key, false);
        e.mask.ImgType = TacImgType::itisaGlyph;
        e.mask.SourceRect = rectAt(v);
        e.mask.ImageCount = std::max<std::int16_t>(1, small(field(v, 22, 1)));
        e.mask.MaskType = small(field(v, 24, 1));
        return e;
    }
    case '~': {
        ImageEntry e = named(section, key, false);
        e.mask.ImgType = TacImgType::itisaTexture;
        e.mask.SourceRect = rectAt(v);
        e.mask.ImageCount = 1;
        e.mask.StretchMode = small(field(v, 22, 2));
        e.mask.MaskType = v.size() >= 25 ? small(field(v, 25, 1)) : 0;
        return e;
    }
    case '!': {
        const std::vector<std::string_view> words = splitAt(v, "!");
        if (words.empty() || words[0].find(".BMP") == std::string_view::npos) return std::nullopt;
        ImageEntry e = named(section, key, false);
        TsMaskData& m = e.mask;
        e.fileName = std::string(words[0]);
        m.ImageCount = std::max<std::int16_t>(1, small(number(words.size() > 1 ? words[1] : "")));
        m.MaskType = std::max<std::int16_t>(0, small(number(words.size() > 2 ? words[2] : "")));
        const std::int32_t kind = number(words.size() > 3 ? words[3] : "");
        if (kind < 0 || kind > 2) throw base::Error(base::format("image kind %d is not 0, 1 or 2", kind));
        m.ImgType = kind == 0 ? TacImgType::itisaBorder : kind == 1 ? TacImgType::itisaTexture : TacImgType::itisaGlyph;
        e.turnTo24 = m.ImgType != TacImgType::itisaTexture;
        if (words.size() > 4) {
            if (words.size() < 8) throw base::Error(base::format("\"%s\" is not a valid integer value", ""));
            m.WL = small(number(words[4]));
            m.WT = small(number(words[5]));
            m.WR = small(number(words[6]));
            m.WB = small(number(words[7]));
        }
        return e;
    }
    default: break;
    }
    if (v.find('#') != std::string_view::npos && v != "#") {
        ImageEntry e = named(section, key, true);
        TsMaskData& m = e.mask;
        const std::vector<std::string_view> words = splitAt(v, " ()");
        const std::vector<std::string_view> r = splitAt(words.size() > 1 ? words[1] : "", " ,");
        const std::vector<std::string_view> c = splitAt(words.size() > 2 ? words[2] : "", " ,");
        auto at = [](const std::vector<std::string_view>& list, std::size_t i) {
            return number(i < list.size() ? list[i] : "");
        };
        m.SourceRect = {at(r, 0), at(r, 1), at(r, 2), at(r, 3)};
        m.ImageCount = std::max<std::int16_t>(1, small(at(c, 0)));
        m.MaskType = std::max<std::int16_t>(0, small(at(c, 1)));
        m.BorderWidth = c.size() > 2 ? std::max<std::int16_t>(0, small(at(c, 2))) : 0;
        m.StretchMode = c.size() > 3 ? small(at(c, 3)) : 1;
        const std::string upperKey = base::toUpper(key);
        if (upperKey == "PATTERN" || upperKey == "HOTPATTERN") {
            m.ImgType = TacImgType::itisaTexture;
            m.StretchMode = 0;
        } else {
            m.ImgType = TacImgType::itisaBorder;
        }
        completeBorderWidths(m);
        return e;
    }
    const std::string upper = base::toUpper(v);
    if (upper.find(".BMP") == std::string::npos) return std::nullopt;
    ImageEntry e = named(section, key, true);
    e.fileName = upper;
    e.mask.ImageCount = 3;
    e.mask.MaskType = 1;
    e.mask.ImgType = TacImgType::itisaBorder;
    e.mask.StretchMode = 0;
    return e;
}

}  // namespace skin
