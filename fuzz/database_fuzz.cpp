// A reference book's database comes from outside: any bytes given as "quillex.dat" must open
// as a database or fail with base::Error, and listing, searching, reading and deleting must then
// hold up, never crash, hang or allocate without bound.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "base/error.h"
#include "fw/data/sqlite/database.h"
#include "fw/data/sqlite/snapshot.h"

namespace {

std::string scratchFile() {
    static const std::string path = "/tmp/sentavia-database-fuzz-" + std::to_string(::getpid()) + ".dat";
    return path;
}

void readAll(fw::sqlite::Snapshot& snapshot) {
    for (std::size_t p = 0; p < snapshot.rowCount() && p < 64; ++p)
        for (std::size_t c = 0; c < snapshot.columns().size(); ++c) snapshot.value(p, c);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = scratchFile();
    std::remove((path + "-journal").c_str());
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    try {
        auto db = std::make_shared<fw::sqlite::Database>(path);
        for (const char* sql : {"select * from dict order by basicname asc", "SELECT * FROM dict",
                                "SELECT * FROM dict WHERE basicname LIKE('%a_%')"}) {
            try {
                auto snapshot = fw::sqlite::openSnapshot(db, sql);
                readAll(*snapshot);
                if (snapshot->rowCount() > 0 && snapshot->canDelete()) {
                    snapshot->deleteRow(0);
                    readAll(*snapshot);
                }
            } catch (const base::Error&) {
            }
        }
    } catch (const base::Error&) {
    }
    return 0;
}
