#pragma once

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dictdb {

// Writes a new "quillex.dat": table `dict` (id, basicname, descr). The file is made under a
// temporary name and renamed over `path` only when finished, so a failed run leaves no half file.
class DictWriter {
public:
    explicit DictWriter(std::string path);
    DictWriter(const DictWriter&) = delete;
    DictWriter& operator=(const DictWriter&) = delete;
    ~DictWriter();

    void add(std::string_view name, std::string_view descr);
    // Commits, adds the index on the names when asked (what makes the program's queries fast)
    // and puts the file in place.
    void finish(bool indexNames = true);

private:
    void exec(const char* sql);

    std::string path_, partPath_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
};

}  // namespace dictdb
