#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The initialisation-file ("profile") functions. Every call reads the file afresh and keeps
// nothing. Section and key names compare without regard to case; the first of equal sections
// or keys counts. Files are text as base reads it (UTF-8, else Windows-1251).

// A value, like the classic buffer call: at most bufferSize - 1 characters of it. The default
// (cut the same way) stands for a missing file, section or key; a key present with nothing
// after its "=" gives the empty text.
inline constexpr std::size_t kProfileBufferSize = 2048;
std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    const std::string& path, std::size_t bufferSize = kProfileBufferSize);
// The names of the keys of a section, and of all sections, in file order.
std::vector<std::string> GetPrivateProfileKeys(std::string_view section, const std::string& path);
std::vector<std::string> GetPrivateProfileSections(const std::string& path);

// Writes a key: an existing key's value is replaced in its line, a missing key is added after
// the last line of its section, a missing section is added at the end, a missing file is
// made. No value deletes the key; no key deletes the whole section. Every other line stays as
// it was, in its order; so do the file's line breaks and its encoding (except that a value that
// the file's 8-bit code page cannot hold makes the file UTF-8 rather than lose characters).
// The file is replaced as a whole (a crash leaves the old or the new file, never half of one).
// False when the file cannot be read or written: a read-only file is not replaced.
// The same rules on a file's text: the value of a key (nothing when absent, not cut), and the
// text with a key written (see WritePrivateProfileString; the texts must pass ProfileTextProblem).
std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);
std::string EditProfileText(std::string_view text, std::string_view section, std::optional<std::string_view> key,
                            std::optional<std::string_view> value);

// Why a section, key and value cannot be written as they are (a line break anywhere, a "]" in
// the section, a key that is empty, holds "=" or would read as a section or comment); empty
// when they can.
std::string ProfileTextProblem(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value);
// False as well for texts that ProfileTextProblem refuses.
bool WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value, const std::string& path);

}  // namespace fw
