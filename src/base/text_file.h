#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace base {

// How a text file's bytes were (or are to be) encoded; the text itself is always UTF-8.
enum class TextEncoding { Utf8, Utf8Bom, Windows1251 };

struct TextFile {
    std::string text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Valid UTF-8 is taken as UTF-8; anything else is legacy Windows-1251. A byte-order mark is
// dropped and remembered; it declares UTF-8, so damaged sequences after it become U+FFFD
// rather than turning the whole file into 1251.
TextFile decodeText(std::string_view bytes);
std::string encodeText(std::string_view text, TextEncoding encoding);

// Errors name the file: "Cannot open file "<path>". <reason>" / "Unable to write to <path>".
TextFile readTextFile(const std::string& path);
void writeTextFile(const std::string& path, std::string_view text, TextEncoding encoding);

// Lines end at CR LF, LF or CR; a final line break does not make an empty last line.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace base
