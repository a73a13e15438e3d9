#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "base/text_file.h"
#include "base/trim.h"
#include "fw/system/profile.h"

// The first bytes choose a section, a key and a value; the rest is the file. Whatever the file,
// reading and writing must not fail, and a key written must read back as written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view all(reinterpret_cast<const char*>(data), size);
    auto take = [&all]() {
        std::size_t n = all.empty() ? 0 : std::size_t(std::uint8_t(all[0]) % 8);
        all.remove_prefix(all.empty() ? 0 : 1);
        n = std::min(n, all.size());
        std::string_view part = all.substr(0, n);
        all.remove_prefix(n);
        return std::string(part);
    };
    std::string section = take(), key = take(), value = take();
    std::string text = base::decodeText(all).text;

    (void)fw::ProfileValue(text, section, key);
    if (!fw::ProfileTextProblem(section, key, value).empty()) return 0;
    std::string edited = fw::EditProfileText(text, section, key, value);
    std::optional<std::string> back = fw::ProfileValue(edited, section, key);
    std::string_view expected = base::trim(value);
    bool quoted = expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
                  expected.back() == expected.front();
    if (!back || (!quoted && *back != expected)) __builtin_trap();
    (void)fw::EditProfileText(edited, section, key, std::nullopt);
    (void)fw::EditProfileText(edited, section, std::nullopt, std::nullopt);
    return 0;
}
