#pragma once

#include <string>
#include <string_view>

namespace fw {

class TStrings;

// A settings file by path, read and written through the profile functions on every call.
// Reads never fail: anything absent gives the default. A write that cannot happen raises
// base::Error "Unable to write to <path>"; a name or value that would change the file's
// structure (a line break, a "=" in a key, a "]" in a section) raises an error saying so.
class TIniFile {
public:
    explicit TIniFile(std::string path) : path_(std::move(path)) {}

    const std::string& FileName() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // A value that is not a whole number reads as the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // "0" is false, any other number true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    void WriteBool(std::string_view section, std::string_view key, bool value);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Key names of one section, section names of the file (the list is cleared first).
    void ReadSection(std::string_view section, TStrings& keys) const;
    void ReadSections(TStrings& sections) const;
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

private:
    std::string path_;

    void write(std::string_view section, const std::string_view* key, const std::string_view* value);
};

}  // namespace fw
