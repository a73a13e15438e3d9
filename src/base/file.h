#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

inline constexpr std::size_t kDefaultMaxFileBytes = std::size_t{256} << 20;

// Whole-file reads; a file larger than maxBytes is an error rather than a huge allocation.
// Failures: base::Error "Cannot open file "<path>". <reason>".
std::string readFileBytes(const std::string& path, std::size_t maxBytes = kDefaultMaxFileBytes);

// Replaces the file as a whole: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the old one, so a failure leaves the old file intact.
// A symbolic link is followed and its target replaced; an existing file keeps its permissions.
// Failures: base::Error "Unable to write to <path>".
void writeFileBytes(const std::string& path, std::string_view bytes);

bool fileExists(const std::string& path);       // a regular file (or a link to one)
bool directoryExists(const std::string& path);

// Path helpers on '/'-separated UTF-8 paths.
std::string joinPath(std::string_view folder, std::string_view name);  // an absolute name wins
std::string fileName(std::string_view path);                            // "a/b.txt" -> "b.txt"
std::string parentPath(std::string_view path);                          // "a/b.txt" -> "a"
std::string fileExtension(std::string_view path);                       // "a/b.txt" -> ".txt"
std::string replaceExtension(std::string_view path, std::string_view extension);

}  // namespace base
