#include "fw/system/ini_file.h"

#include <charconv>
#include <optional>

#include "base/error.h"
#include "base/letter_case.h"
#include "fw/classes/string_list.h"
#include "fw/system/profile.h"

namespace fw {

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    return GetPrivateProfileString(section, key, defaultValue, path_);
}

void TIniFile::write(std::string_view section, const std::string_view* key, const std::string_view* value)
{
    std::optional<std::string_view> k, v;
    if (key) k = *key;
    if (value) v = *value;
    if (std::string problem = ProfileTextProblem(section, k, v); !problem.empty()) throw base::Error(problem);
    if (!WritePrivateProfileString(section, k, v, path_)) throw base::Error("Unable to write to " + path_);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    write(section, &key, &value);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    std::string text = ReadString(section, key, "");
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        base = 16;
    } else if (text.size() > 1 && text[0] == '$') {
        first += 1;
        base = 16;
    }
    auto [end, error] = std::from_chars(first, last, value, base);
    if (text.empty() || error != std::errc() || end != last) return defaultValue;
    return value;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(std::string_view section) const
{
    for (const std::string& name : GetPrivateProfileSections(path_))
        if (base::equalsIgnoreCase(name, section)) return true;
    return false;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    for (const std::string& name : GetPrivateProfileKeys(section, path_))
        if (base::equalsIgnoreCase(name, key)) return true;
    return false;
}

void TIniFile::ReadSection(std::string_view section, TStrings& keys) const
{
    TStringsUpdate update(keys);
    keys.Clear();
    for (const std::string& name : GetPrivateProfileKeys(section, path_)) keys.Add(name);
}

void TIniFile::ReadSections(TStrings& sections) const
{
    TStringsUpdate update(sections);
    sections.Clear();
    for (const std::string& name : GetPrivateProfileSections(path_)) sections.Add(name);
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    write(section, &key, nullptr);
}

void TIniFile::EraseSection(std::string_view section)
{
    write(section, nullptr, nullptr);
}

}  // namespace fw
