#include "look.h"

#include "base/error.h"
#include "base/format.h"
#include "base/text_file.h"
#include "skin/options/options_text.h"

namespace skinart {

gfx::Color Look::operator()(const std::string& key) const
{
    const auto it = colors.find(key);
    if (it == colors.end()) throw base::Error(base::format("The look \"%s\" has no colour %s", name, key));
    return it->second;
}

Look readLook(const std::string& path)
{
    const skin::OptionsText text = skin::OptionsText::parse(base::readTextFile(path).text);
    const skin::OptionsSection* section = text.find("LOOK");
    if (!section) throw base::Error(base::format("%s has no [LOOK] section", path));
    Look look;
    for (const skin::OptionsKey& k : section->keys) {
        look.texts[k.upperName] = k.value;
        if (k.value.size() == 7 && k.value[0] == '#') {
            const unsigned long v = std::stoul(k.value.substr(1), nullptr, 16);
            look.colors[k.upperName] = gfx::rgb(std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v));
        }
    }
    look.name = look.texts["NAME"];
    if (look.name.empty()) throw base::Error(base::format("%s names no skin (NAME=)", path));
    return look;
}

std::string fillTemplate(const std::string& text, const Look& look)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find("${", i);
        if (open == std::string::npos) {
            out += text.substr(i);
            break;
        }
        // Comment lines keep their placeholders as they are.
        const std::size_t lineStart = text.rfind('\n', open);
        const bool comment = text[lineStart == std::string::npos ? 0 : lineStart + 1] == ';';
        const std::size_t close = text.find('}', open);
        if (close == std::string::npos) throw base::Error("An unclosed ${ in the options template");
        out += text.substr(i, open - i);
        const std::string key = text.substr(open + 2, close - open - 2);
        if (comment) {
            out += text.substr(open, close + 1 - open);
        } else if (look.colors.count(key)) {
            out += std::to_string(look(key));
        } else if (look.texts.count(key)) {
            out += look.texts.at(key);
        } else {
            throw base::Error(base::format("The look \"%s\" has no value %s", look.name, key));
        }
        i = close + 1;
    }
    return out;
}

}  // namespace skinart
