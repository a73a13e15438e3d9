#include "skin/model/skin_loader.h"

#include <map>
#include <optional>

#include "base/error.h"
#include "base/format.h"
#include "base/letter_case.h"
#include "gfx/image_file.h"
#include "plat/system/sys_colors.h"
#include "skin/model/image_entry.h"
#include "skin/options/option_values.h"

namespace skin {

namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";
constexpr std::string_view kMasterKey = "MASTERBITMAP";
// JPEG textures above this many pixels stay patterns; smaller ones become texture masks.
constexpr long kMaxTextureMaskPixels = 89999;

bool isMasterKey(const OptionsSection& s, const OptionsKey& k)
{
    return s.upperName == kGlobalInfo && k.upperName == kMasterKey;
}

bool namesJpeg(const std::string& upperValue)
{
    return upperValue.find(".JPG") != std::string::npos || upperValue.find(".JPEG") != std::string::npos;
}

TsControlBevel bevelOf(std::int32_t v)
{
    return v >= 0 && v <= 4 ? TsControlBevel(v) : TsControlBevel::cbNone;
}

// Reads general keys of one section, asking its parents for what it does not say.
class GeneralReader {
public:
    GeneralReader(const OptionsText& text, bool inherit) : text_(text)
    {
        const auto& sections = text.sections();
        parents_.assign(sections.size(), -1);
        if (!inherit) return;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const std::string* p = sections[i].value("PARENTCLASS");
            if (p && !p->empty() && *p != "?" && !base::equalsIgnoreCase(*p, sections[i].name))
                parents_[i] = text.indexOf(*p);
        }
    }

    TsGeneralData read(int s, const TsGeneralData& d) const
    {
        const OptionsSection& sec = text_.sections()[std::size_t(s)];
        section_ = s;
        TsGeneralData g;
        const std::string* parent = sec.value("PARENTCLASS");
        g.ParentClass = parent ? *parent : d.ParentClass;
        g.SectionName = sec.name;
        g.Color = plat::ColorToRGB(gfx::Color(integer("COLOR", std::int32_t(d.Color))));
        g.Bevel = bevelOf(integer("BEVEL", std::int32_t(d.Bevel)));
        g.ShadowBlur = integer("SHADOWBLUR", d.ShadowBlur);
        g.ShadowOffset = integer("SHADOWOFFSET", d.ShadowOffset);
        const std::string* shadow = sec.value("SHADOWCOLOR");
        const auto shadowColor = shadow ? parseOptionInteger(*shadow) : std::nullopt;
        g.ShadowColor = shadowColor ? gfx::Color(*shadowColor) : d.ShadowColor;
        g.ShadowTransparency = integer("SHADOWTRANSPARENCY", d.ShadowTransparency);
        g.ShadowEnabled = boolean("SHADOWENABLED", d.ShadowEnabled);
        g.ReservedBoolean = boolean("RESERVEDBOOLEAN", d.ReservedBoolean);
        static constexpr const char* kFont[] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
        static constexpr const char* kHotFont[] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
        for (std::size_t i = 0; i < 5; ++i) {
            g.FontColor[i] = integer(kFont[i], d.FontColor[i]);
            g.HotFontColor[i] = integer(kHotFont[i], d.HotFontColor[i]);
        }
        g.Transparency = integer("TRANSPARENCY", d.Transparency);
        g.GradientPercent = integer("GRADIENTPERCENT", d.GradientPercent);
        g.ImagePercent = integer("IMAGEPERCENT", d.ImagePercent);
        g.GradientData = textValue("GRADIENTDATA", d.GradientData);
        g.GradientArray = parseGradientData(g.GradientData);
        g.ShowFocus = boolean("SHOWFOCUS", d.ShowFocus);
        g.FadingEnabled = boolean("FADINGENABLED", d.FadingEnabled);
        g.FadingIntervalIn = integer("FADINGINTERVALIN", d.FadingIntervalIn);
        g.FadingIntervalOut = integer("FADINGINTERVALOUT", d.FadingIntervalOut);
        g.FadingIterations = integer("FADINGITERATIONS", d.FadingIterations);
        g.HotColor = gfx::Color(integer("HOTCOLOR", std::int32_t(d.HotColor)));
        g.HotTransparency = integer("HOTTRANSPARENCY", d.HotTransparency);
        g.HotBevel = bevelOf(integer("HOTBEVEL", std::int32_t(d.HotBevel)));
        g.HotGradientPercent = integer("HOTGRADIENTPERCENT", d.HotGradientPercent);
        g.HotGradientData = textValue("HOTGRADIENTDATA", d.HotGradientData);
        g.HotGradientArray = parseGradientData(g.HotGradientData);
        g.HotImagePercent = integer("HOTIMAGEPERCENT", d.HotImagePercent);
        g.BorderColor1 = gfx::Color(integer("BORDERCOLOR1", std::int32_t(d.BorderColor1)));
        g.BorderColor2 = gfx::Color(integer("BORDERCOLOR2", std::int32_t(d.BorderColor2)));
        return g;
    }

private:
    const OptionsText& text_;
    std::vector<int> parents_;
    mutable int section_ = 0;

    // The first value along the parent chain that `given` accepts; a chain that loops ends
    // once every section could have been seen.
    template <typename Given>
    const std::string* lookUp(std::string_view key, Given given) const
    {
        int s = section_;
        for (std::size_t steps = 0; s >= 0 && steps < parents_.size(); ++steps) {
            const std::string* v = text_.sections()[std::size_t(s)].value(key);
            if (v && given(*v)) return v;
            s = parents_[std::size_t(s)];
        }
        return nullptr;
    }

    std::int32_t integer(std::string_view key, std::int32_t fallback) const
    {
        std::int32_t found = fallback;
        lookUp(key, [&](const std::string& v) {
            const auto n = parseOptionInteger(v);
            if (!n || *n == -1) return false;
            found = *n;
            return true;
        });
        return found;
    }

    std::string textValue(std::string_view key, const std::string& fallback) const
    {
        const std::string* v = lookUp(key, [](const std::string& t) { return t != "?"; });
        return v ? *v : fallback;
    }

    bool boolean(std::string_view key, bool fallback) const
    {
        const std::string* v = lookUp(key, [](const std::string& t) { return t != "?"; });
        return v ? parseOptionBoolean(*v) : fallback;
    }
};

class Loader {
public:
    Loader(const SkinSources& sources, const std::string& name, TsSkinManager* owner, std::vector<SkinProblem>* problems)
        : src_(sources), name_(name), owner_(owner), problems_(problems)
    {
    }

    LoadedSkin run()
    {
        readSkinWide();
        readMaster();
        readMasks(*src_.options, *src_.images, false);
        if (src_.commonSections && src_.commonImages) readMasks(*src_.commonSections, *src_.commonImages, true);
        readGeneral();
        out_.SkinData.Active = false;
        return std::move(out_);
    }

private:
    const SkinSources& src_;
    const std::string& name_;
    TsSkinManager* owner_;
    std::vector<SkinProblem>* problems_;
    LoadedSkin out_;
    // Decoded images by source and name, with their 24-bit form once asked for: several
    // entries may name one file, and they share its pictures.
    struct Decoded {
        std::shared_ptr<gfx::Bitmap> picture;
        std::shared_ptr<const gfx::Bitmap> as24;
    };
    std::map<std::pair<const SkinImageSource*, std::string>, Decoded> images_;

    void report(const OptionsSection& s, const OptionsKey* k, const std::string& text, bool fatal)
    {
        if (problems_) {
            problems_->push_back({s.name, k ? k->name : std::string(), k ? k->line : s.line, text, fatal});
            return;
        }
        if (fatal)
            throw base::Error(base::format("Skin \"%s\", section [%s], key %s, line %d: %s", name_, s.name,
                                           k ? k->name : std::string(), k ? k->line : s.line, text));
    }

    // Null for a missing or empty file (reported); a damaged one is a fatal problem.
    Decoded* image(const SkinImageSource& from, const std::string& file, const OptionsSection& s, const OptionsKey& k)
    {
        const auto key = std::make_pair(&from, file);
        auto it = images_.find(key);
        if (it == images_.end()) {
            Decoded d;
            try {
                const auto bytes = from.read(file);
                if (!bytes)
                    report(s, &k, base::format("names a missing file \"%s\"", from.describe(file)), false);
                else if (!bytes->view().empty())
                    d.picture = std::make_shared<gfx::Bitmap>(gfx::decodeImage(bytes->view()));
            } catch (const base::Error& e) {
                report(s, &k, base::format("cannot read \"%s\": %s", from.describe(file), e.what()), true);
            }
            it = images_.emplace(key, std::move(d)).first;
        }
        return it->second.picture && !it->second.picture->empty() ? &it->second : nullptr;
    }

    static std::shared_ptr<const gfx::Bitmap> as24(Decoded& d)
    {
        if (!d.as24)
            d.as24 = d.picture->bitsPerPixel() == 24 ? d.picture : std::make_shared<const gfx::Bitmap>(d.picture->to24());
        return d.as24;
    }

    void readSkinWide()
    {
        const OptionsSection* g = src_.options->find(kGlobalInfo);
        if (!g) return;
        TsSkinData& d = out_.SkinData;
        auto integer = [&](std::string_view key, std::int32_t fallback) {
            const std::string* v = g->value(key);
            const auto n = v ? parseOptionInteger(*v) : std::nullopt;
            return n ? *n : fallback;
        };
        auto text = [&](std::string_view key) {
            const std::string* v = g->value(key);
            return v ? *v : std::string();
        };
        const auto version = parseOptionReal(text("VERSION"));
        d.Version = version ? *version : 0;
        d.Author = text("AUTHOR");
        d.Description = text("DESCRIPTION");
        d.Shadow1Color = gfx::Color(integer("SHADOW1COLOR", 0));
        d.Shadow1Offset = integer("SHADOW1OFFSET", 0);
        d.Shadow1Blur = integer("SHADOW1BLUR", -1);
        d.Shadow1Transparency = integer("SHADOW1TRANSPARENCY", 0);
        d.BISpacing = integer("BISPACE", 0);
        d.BorderColor = gfx::Color(integer("BORDERCOLOR", 0));
    }

    void readMaster()
    {
        const OptionsSection* g = src_.options->find(kGlobalInfo);
        const OptionsKey* k = g ? g->find(kMasterKey) : nullptr;
        if (!k || k->value.empty()) return;
        Decoded* d = image(*src_.images, k->value, *g, *k);
        if (!d) return;
        if (d->picture->bitsPerPixel() == 24 && d->picture.use_count() == 1) {
            // Nothing else holds the decoded master yet: take it instead of copying it.
            out_.MasterBitmap = std::move(*d->picture);
            images_.erase(std::make_pair(src_.images, k->value));
        } else {
            out_.MasterBitmap = *as24(*d);
        }
    }

    void readMasks(const OptionsText& text, const SkinImageSource& images, bool common)
    {
        for (const OptionsSection& s : text.sections())
            for (const OptionsKey& k : s.keys)
                if (!isMasterKey(s, k)) readEntry(s, k, images);
        for (const OptionsSection& s : text.sections())
            for (const OptionsKey& k : s.keys)
                if (!isMasterKey(s, k)) readJpeg(s, k, images, common);
    }

    void readEntry(const OptionsSection& s, const OptionsKey& k, const SkinImageSource& images)
    {
        std::optional<ImageEntry> entry;
        try {
            entry = parseImageEntry(s.name, k.name, k.value);
        } catch (const base::Error& e) {
            report(s, &k, e.what(), true);
            return;
        }
        if (!entry) return;
        TsMaskData& m = entry->mask;
        m.Owner = owner_;
        if (entry->fileName.empty()) {
            const gfx::Rect inside = m.SourceRect.intersected(out_.MasterBitmap.rect());
            if (inside != m.SourceRect) {
                const gfx::Rect& r = m.SourceRect;
                report(s, &k,
                       base::format("rectangle (%d, %d, %d, %d) falls outside the master bitmap of %d x %d", r.left,
                                    r.top, r.right, r.bottom, out_.MasterBitmap.width(), out_.MasterBitmap.height()),
                       false);
            }
            if (inside.empty()) return;
            m.SourceRect = inside;
        } else {
            Decoded* d = image(images, entry->fileName, s, k);
            if (!d) return;
            m.Image = entry->turnTo24 ? as24(*d) : d->picture;
            m.SourceRect = m.Image->rect();
            completeBorderWidths(m);
        }
        out_.ma.push_back(std::move(m));
    }

    void readJpeg(const OptionsSection& s, const OptionsKey& k, const SkinImageSource& images, bool common)
    {
        const std::string upper = base::toUpper(k.value);
        if (!namesJpeg(upper)) return;
        Decoded* d = image(images, upper, s, k);
        if (!d) return;
        const gfx::Bitmap& b = *d->picture;
        if (common || long(b.width()) * long(b.height()) > kMaxTextureMaskPixels) {
            out_.pa.push_back({*as24(*d), base::toUpper(s.name), base::toUpper(k.name)});
            return;
        }
        TsMaskData m;
        m.Image = as24(*d);
        m.SourceRect = m.Image->rect();
        m.SectionName = base::toUpper(s.name);
        m.PropertyName = base::toUpper(k.name);
        m.ImgType = TacImgType::itisaTexture;
        m.ImageCount = 1;
        m.Owner = owner_;
        out_.ma.push_back(std::move(m));
    }

    void readGeneral()
    {
        const TsGeneralData defaults;
        const GeneralReader own(*src_.options, true);
        const auto& sections = src_.options->sections();
        out_.gd.reserve(sections.size());
        for (std::size_t i = 0; i < sections.size(); ++i) out_.gd.push_back(own.read(int(i), defaults));
        if (!src_.commonSections) return;
        const GeneralReader extra(*src_.commonSections, false);
        const auto& more = src_.commonSections->sections();
        for (std::size_t i = 0; i < more.size(); ++i) {
            // An extra section of a skin's name replaces it in place, so lookups find the merge.
            const int same = indexIgnoringCase(more[i].name);
            if (same >= 0) {
                const TsGeneralData base = out_.gd[std::size_t(same)];
                std::string name = base.SectionName;
                out_.gd[std::size_t(same)] = extra.read(int(i), base);
                out_.gd[std::size_t(same)].SectionName = std::move(name);
                continue;
            }
            const std::string* parent = more[i].value("PARENTCLASS");
            const int from = parent ? indexIgnoringCase(*parent) : -1;
            out_.gd.push_back(extra.read(int(i), from >= 0 ? out_.gd[std::size_t(from)] : defaults));
        }
    }

    int indexIgnoringCase(std::string_view name) const
    {
        const std::string upper = base::toUpper(name);
        for (std::size_t i = 0; i < out_.gd.size(); ++i)
            if (base::toUpper(out_.gd[i].SectionName) == upper) return int(i);
        return -1;
    }
};

}  // namespace

LoadedSkin loadSkin(const SkinSources& sources, const std::string& skinName, TsSkinManager* owner,
                    std::vector<SkinProblem>* problems)
{
    if (!sources.options || !sources.images) throw base::Error("A skin needs its options and images");
    return Loader(sources, skinName, owner, problems).run();
}

}  // namespace skin
