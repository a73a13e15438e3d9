#include "fw/data/sqlite/case_fold.h"

#include <unicode/uchar.h>

#include "base/utf8.h"

namespace fw::sqlite {

void appendCaseFolded(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {  // the common case, without a call
            out.push_back(byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 0x20) : static_cast<char>(byte));
            ++i;
            continue;
        }
        const base::DecodedCodePoint decoded = base::decodeUtf8(text, i);
        if (decoded.valid)
            base::appendUtf8(out, static_cast<char32_t>(u_foldCase(static_cast<UChar32>(decoded.codePoint),
                                                                   U_FOLD_CASE_DEFAULT)));
        else
            out.append(text.substr(i, decoded.length));
        i += decoded.length;
    }
}

std::string caseFolded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendCaseFolded(out, text);
    return out;
}

}  // namespace fw::sqlite
