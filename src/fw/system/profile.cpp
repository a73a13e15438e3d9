#include "fw/system/profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include "base/cp1251.h"
#include "base/error.h"
#include "base/file.h"
#include "base/letter_case.h"
#include "base/text_file.h"
#include "base/trim.h"
#include "base/utf8.h"
#include "fw/system/ini_line.h"

namespace fw {

namespace {

// The file's text, or nothing when it is missing or cannot be read.
std::optional<base::TextFile> readProfile(const std::string& path)
{
    if (!base::fileExists(path)) return std::nullopt;
    try {
        return base::readTextFile(path);
    } catch (const base::Error&) {
        return std::nullopt;
    }
}

// The first `count` characters (code points) of a text.
std::string cutToCharacters(std::string_view text, std::size_t count)
{
    std::size_t offset = 0;
    for (std::size_t n = 0; n < count && offset < text.size(); ++n) offset += base::decodeUtf8(text, offset).length;
    return std::string(text.substr(0, offset));
}

struct SectionRange {
    std::size_t header = 0;  // the section line
    std::size_t end = 0;     // the next section line, or the end
};

std::optional<SectionRange> findSection(const std::vector<std::string>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        TIniLine line = ClassifyIniLine(lines[i]);
        if (line.kind != TIniLine::Section || !base::equalsIgnoreCase(line.name, section)) continue;
        SectionRange range{i, lines.size()};
        for (std::size_t j = i + 1; j < lines.size(); ++j)
            if (ClassifyIniLine(lines[j]).kind == TIniLine::Section) {
                range.end = j;
                break;
            }
        return range;
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<std::string>& lines, SectionRange range, std::string_view key)
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        TIniLine line = ClassifyIniLine(lines[i]);
        if (line.kind == TIniLine::Key && base::equalsIgnoreCase(line.name, key)) return i;
    }
    return std::nullopt;
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A file that exists but may not be written (read-only attribute or no permission).
bool readOnly(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

std::string_view lineBreakOf(std::string_view text)
{
    std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

std::string ProfileTextProblem(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value)
{
    section = base::trim(section);
    if (key) key = base::trim(*key);
    if (hasLineBreak(section) || section.find(']') != std::string_view::npos)
        return "Invalid settings section name \"" + std::string(section) + "\"";
    if (key && (key->empty() || hasLineBreak(*key) || key->find('=') != std::string_view::npos ||
                key->front() == '[' || key->front() == ';'))
        return "Invalid settings key name \"" + std::string(*key) + "\"";
    if (value && hasLineBreak(*value)) return "A settings value cannot hold a line break";
    return {};
}

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key)
{
    section = base::trim(section);
    key = base::trim(key);
    std::vector<std::string> lines = base::splitLines(text);
    if (std::optional<SectionRange> range = findSection(lines, section))
        if (std::optional<std::size_t> at = findKey(lines, *range, key)) return std::string(ClassifyIniLine(lines[*at]).value);
    return std::nullopt;
}

std::string EditProfileText(std::string_view text, std::string_view section, std::optional<std::string_view> key,
                            std::optional<std::string_view> value)
{
    // Names are found trimmed, so they are written trimmed.
    section = base::trim(section);
    if (key) key = base::trim(*key);
    std::vector<std::string> lines = base::splitLines(text);
    std::optional<SectionRange> range = findSection(lines, section);

    if (!key) {
        if (range) lines.erase(lines.begin() + std::ptrdiff_t(range->header), lines.begin() + std::ptrdiff_t(range->end));
    } else if (!value) {
        if (range)
            if (std::optional<std::size_t> at = findKey(lines, *range, *key)) lines.erase(lines.begin() + std::ptrdiff_t(*at));
    } else if (!range) {
        if (!lines.empty() && !base::trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::string(*key) + "=" + std::string(*value));
    } else if (std::optional<std::size_t> at = findKey(lines, *range, *key)) {
        // The file's own spelling of the key stays.
        lines[*at] = std::string(ClassifyIniLine(lines[*at]).name) + "=" + std::string(*value);
    } else {
        // After the section's last line that is not blank, so a blank line before the next
        // section stays where it is.
        std::size_t after = range->end;
        while (after > range->header + 1 && base::trim(lines[after - 1]).empty()) --after;
        lines.insert(lines.begin() + std::ptrdiff_t(after), std::string(*key) + "=" + std::string(*value));
    }

    std::string_view lineBreak = lineBreakOf(text);
    std::string edited;
    for (const std::string& line : lines) {
        edited += line;
        edited += lineBreak;
    }
    return edited;
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    const std::string& path, std::size_t bufferSize)
{
    const std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
    if (std::optional<base::TextFile> file = readProfile(path))
        if (std::optional<std::string> value = ProfileValue(file->text, section, key)) return cutToCharacters(*value, room);
    return cutToCharacters(defaultValue, room);
}

std::vector<std::string> GetPrivateProfileKeys(std::string_view section, const std::string& path)
{
    std::vector<std::string> keys;
    std::optional<base::TextFile> file = readProfile(path);
    if (!file) return keys;
    std::vector<std::string> lines = base::splitLines(file->text);
    std::optional<SectionRange> range = findSection(lines, section);
    if (!range) return keys;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        TIniLine line = ClassifyIniLine(lines[i]);
        if (line.kind == TIniLine::Key) keys.emplace_back(line.name);
    }
    return keys;
}

std::vector<std::string> GetPrivateProfileSections(const std::string& path)
{
    std::vector<std::string> sections;
    std::optional<base::TextFile> file = readProfile(path);
    if (!file) return sections;
    for (const std::string& text : base::splitLines(file->text)) {
        TIniLine line = ClassifyIniLine(text);
        if (line.kind == TIniLine::Section) sections.emplace_back(line.name);
    }
    return sections;
}

bool WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value, const std::string& path)
{
    if (!ProfileTextProblem(section, key, value).empty()) return false;
    base::TextFile file;  // a new file is UTF-8
    bool exists = base::fileExists(path);
    if (exists) {
        if (readOnly(path)) return false;
        std::optional<base::TextFile> read = readProfile(path);
        if (!read) return false;  // never replace what could not be read
        file = std::move(*read);
    }
    std::string text = EditProfileText(file.text, section, key, value);
    base::TextEncoding encoding = file.encoding;
    if (encoding == base::TextEncoding::Windows1251 && !base::fitsCp1251(text)) encoding = base::TextEncoding::Utf8;
    try {
        base::writeTextFile(path, text, encoding);
    } catch (const base::Error&) {
        return false;
    }
    return true;
}

}  // namespace fw
