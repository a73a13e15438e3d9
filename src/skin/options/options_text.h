#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// One "name=value" line of an options file; names keep the case they were written in.
struct OptionsKey {
    std::string name;
    std::string upperName;
    std::string value;
    int line = 0;  // 1-based, for messages
};

struct OptionsSection {
    std::string name;
    std::string upperName;
    int line = 0;
    std::vector<OptionsKey> keys;  // in file order

    // The first key of this name in any letter case, or null.
    const OptionsKey* find(std::string_view upperKey) const;
    const std::string* value(std::string_view upperKey) const;
};

// A skin's options text: sections of keys, in file order. Section and key names are found in
// any letter case; where a name occurs twice the first one counts.
class OptionsText {
public:
    // Text that is not UTF-8 is taken as Windows-1251, as skins written elsewhere are.
    static OptionsText parseBytes(std::string_view bytes);
    static OptionsText parse(std::string_view utf8Text);

    const std::vector<OptionsSection>& sections() const { return sections_; }
    // Index of the first section of this name in any case, or -1.
    int indexOf(std::string_view name) const;
    const OptionsSection* find(std::string_view name) const;

private:
    std::vector<OptionsSection> sections_;
};

}  // namespace skin
