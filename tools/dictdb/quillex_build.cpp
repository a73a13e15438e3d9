// quillex_build SOURCE.txt OUT.dat: makes the reference book's database from its text source.
//
// The source is UTF-8. A line "= Name" starts an entry; the lines after it, up to the next
// entry, are its description (lines kept, joined with CR LF; blank lines at either end dropped).
// Lines starting with "#" before the first entry are comments.
#include <cstdio>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/text_file.h"
#include "dict_writer.h"
#include "dict_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.txt OUT.dat\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<dictdb::SourceEntry> entries = dictdb::readDictSource(argv[1]);
        dictdb::DictWriter writer(argv[2]);
        for (const auto& entry : entries) writer.add(entry.name, entry.descr);
        writer.finish();
        std::printf("%s: %zu entries\n", argv[2], entries.size());
    } catch (const base::Error& e) {
        std::fprintf(stderr, "%s\n", e.message());
        return 1;
    }
    return 0;
}
