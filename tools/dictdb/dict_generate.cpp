// dict_generate COUNT OUT.dat [--no-index]: a synthetic reference book of COUNT entries, for
// measurements with many entries.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/error.h"
#include "synthetic_dict.h"

int main(int argc, char** argv) {
    const bool noIndex = argc == 4 && std::string(argv[3]) == "--no-index";
    if (argc < 3 || argc > 4 || (argc == 4 && !noIndex)) {
        std::fprintf(stderr, "usage: %s COUNT OUT.dat [--no-index]\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long long count = std::strtoull(argv[1], &end, 10);
    if (!end || *end || count == 0) {
        std::fprintf(stderr, "COUNT must be a positive number\n");
        return 2;
    }
    try {
        dictdb::writeSyntheticDict(argv[2], count, !noIndex);
    } catch (const base::Error& e) {
        std::fprintf(stderr, "%s\n", e.message());
        return 1;
    }
    return 0;
}
