#include "skin/options/options_text.h"

#include "base/letter_case.h"
#include "base/text_file.h"
#include "base/trim.h"

namespace skin {

const OptionsKey* OptionsSection::find(std::string_view upperKey) const
{
    for (const OptionsKey& k : keys)
        if (k.upperName == upperKey) return &k;
    return nullptr;
}

const std::string* OptionsSection::value(std::string_view upperKey) const
{
    const OptionsKey* k = find(upperKey);
    return k ? &k->value : nullptr;
}

OptionsText OptionsText::parseBytes(std::string_view bytes) { return parse(base::decodeText(bytes).text); }

OptionsText OptionsText::parse(std::string_view text)
{
    OptionsText out;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        // Lines end at LF, CR LF or CR.
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = base::trim(text.substr(start, end - start));
        ++lineNumber;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            OptionsSection s;
            s.name = std::string(base::trim(line.substr(1, line.size() - 2)));
            s.upperName = base::toUpper(s.name);
            s.line = lineNumber;
            out.sections_.push_back(std::move(s));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || out.sections_.empty()) continue;
        OptionsKey k;
        k.name = std::string(base::trim(line.substr(0, eq)));
        k.upperName = base::toUpper(k.name);
        k.value = std::string(base::trim(line.substr(eq + 1)));
        k.line = lineNumber;
        out.sections_.back().keys.push_back(std::move(k));
    }
    return out;
}

int OptionsText::indexOf(std::string_view name) const
{
    const std::string upper = base::toUpper(name);
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i].upperName == upper) return int(i);
    return -1;
}

const OptionsSection* OptionsText::find(std::string_view name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : &sections_[std::size_t(i)];
}

}  // namespace skin
