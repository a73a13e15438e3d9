// The record source against the bare SQLite statements, on synthetic reference books of 10,000,
// 100,000 and 1,000,000 entries (made once in ~/.cache/sentavia-bench, or $SENTAVIA_BENCH_CACHE).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "fw/data/ado_connection.h"
#include "fw/data/ado_query.h"
#include "fw/data/data_source.h"
#include "fw/data/field_data_link.h"
#include "fw/data/sqlite/database.h"
#include "fw/data/sqlite/snapshot.h"
#include "synthetic_dict.h"

namespace {

const std::string kInitial = "select * from dict order by basicname asc";
const std::string kSearch = std::string("SELECT * FROM dict WHERE basicname LIKE('%") + dictdb::kRareFragment + "%')";
const std::string kShowAll = "SELECT * FROM dict";

std::string benchDatabase(std::size_t count, bool indexed = true) {
    const char* configured = std::getenv("SENTAVIA_BENCH_CACHE");
    const char* home = std::getenv("HOME");
    const std::filesystem::path folder =
        configured ? configured : std::filesystem::path(home ? home : "/tmp") / ".cache" / "sentavia-bench";
    std::filesystem::create_directories(folder);
    const std::string path =
        (folder / ("dict-" + std::to_string(count) + (indexed ? "" : "-noindex") + ".dat")).string();
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "making %s ...\n", path.c_str());
        dictdb::writeSyntheticDict(path, count, indexed);
    }
    return path;
}

// Resident memory of the process, in megabytes.
double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A raw connection, as the bare statements run.
struct RawDb {
    sqlite3* db = nullptr;
    explicit RawDb(const std::string& path) { sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr); }
    ~RawDb() { sqlite3_close(db); }
    // Steps the statement to its first row, or through all rows; returns the rows seen.
    std::int64_t run(const std::string& sql, bool allRows) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        std::int64_t rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 1));
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
            ++rows;
            if (!allRows) break;
        }
        sqlite3_finalize(stmt);
        return rows;
    }
};

void readFirst(fw::sqlite::Snapshot& snapshot) {
    if (snapshot.rowCount() == 0) return;
    benchmark::DoNotOptimize(snapshot.value(0, 1).bytes.data());
    benchmark::DoNotOptimize(snapshot.value(0, 2).bytes.data());
}

// The bare search: the engine scans the whole table.
void BM_BareSearch(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0))));
    for (auto _ : state) state.counters["rows"] = double(raw.run(kSearch, true));
}

// The bare count over the index on the names.
void BM_BareSearchCountOverIndex(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0))));
    const std::string sql = "SELECT count(*) FROM dict INDEXED BY dict_basicname WHERE basicname LIKE('%" +
                            std::string(dictdb::kRareFragment) + "%')";
    for (auto _ : state) raw.run(sql, true);
}

// Our search, from opening the query to its first record, once the book is listed (as in the program).
void BM_OurSearch(benchmark::State& state) {
    auto db = std::make_shared<fw::sqlite::Database>(benchDatabase(std::size_t(state.range(0))));
    fw::sqlite::openSnapshot(db, kInitial);
    for (auto _ : state) {
        auto snapshot = fw::sqlite::openSnapshot(db, kSearch);
        readFirst(*snapshot);
        state.counters["rows"] = double(snapshot->rowCount());
    }
}

// Our search as the very first query of a fresh connection: the names are read from the file first.
void BM_OurSearchOnFreshConnection(benchmark::State& state) {
    const std::string path = benchDatabase(std::size_t(state.range(0)));
    for (auto _ : state) {
        auto db = std::make_shared<fw::sqlite::Database>(path);
        auto snapshot = fw::sqlite::openSnapshot(db, kSearch);
        readFirst(*snapshot);
    }
}

// The bare initial list: to its first row (the engine streams it) and through every row (a
// static cursor must know them all).
void BM_BareInitialFirstRow(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0))));
    for (auto _ : state) raw.run(kInitial, false);
}
void BM_BareInitialAllRows(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0))));
    for (auto _ : state) raw.run(kInitial, true);
}

// Our initial list on a fresh connection, to its first record; with the resident memory it holds.
void BM_OurInitial(benchmark::State& state) {
    const std::string path = benchDatabase(std::size_t(state.range(0)));
    const double before = residentMegabytes();
    double held = 0;
    for (auto _ : state) {
        auto db = std::make_shared<fw::sqlite::Database>(path);
        auto snapshot = fw::sqlite::openSnapshot(db, kInitial);
        readFirst(*snapshot);
        held = residentMegabytes() - before;
    }
    state.counters["resident_MB"] = held;
}

// The same on a file without the index on the names.
void BM_BareInitialAllRowsWithoutIndex(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0)), false));
    for (auto _ : state) raw.run(kInitial, true);
}
void BM_OurInitialWithoutIndex(benchmark::State& state) {
    const std::string path = benchDatabase(std::size_t(state.range(0)), false);
    for (auto _ : state) {
        auto db = std::make_shared<fw::sqlite::Database>(path);
        readFirst(*fw::sqlite::openSnapshot(db, kInitial));
    }
}
void BM_BareSearchWithoutIndex(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0)), false));
    for (auto _ : state) raw.run(kSearch, true);
}
void BM_OurSearchWithoutIndex(benchmark::State& state) {
    auto db = std::make_shared<fw::sqlite::Database>(benchDatabase(std::size_t(state.range(0)), false));
    fw::sqlite::openSnapshot(db, kInitial);
    for (auto _ : state) readFirst(*fw::sqlite::openSnapshot(db, kSearch));
}

// Show all, once the book is listed.
void BM_OurShowAll(benchmark::State& state) {
    auto db = std::make_shared<fw::sqlite::Database>(benchDatabase(std::size_t(state.range(0))));
    fw::sqlite::openSnapshot(db, kInitial);
    for (auto _ : state) {
        auto snapshot = fw::sqlite::openSnapshot(db, kShowAll);
        readFirst(*snapshot);
    }
}
void BM_BareShowAllAllRows(benchmark::State& state) {
    RawDb raw(benchDatabase(std::size_t(state.range(0))));
    for (auto _ : state) raw.run(kShowAll, true);
}

// To the last record and back to the first, reading the name and the description at each.
void BM_OurLastAndBack(benchmark::State& state) {
    auto db = std::make_shared<fw::sqlite::Database>(benchDatabase(std::size_t(state.range(0))));
    auto snapshot = fw::sqlite::openSnapshot(db, kInitial);
    const std::size_t last = snapshot->rowCount() - 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(snapshot->value(last, 1).bytes.data());
        benchmark::DoNotOptimize(snapshot->value(last, 2).bytes.data());
        readFirst(*snapshot);
    }
}

// The program's arrangement: a query, a grid's link of 25 rows reading the names of its window, and
// the memo's link reading the current description.
class ProgramQuery {
public:
    explicit ProgramQuery(const std::string& path) {
        connection = new fw::TADOConnection(&owner);
        connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path);
        query = new fw::TADOQuery(&owner);
        query->SetConnection(connection);
        source = new fw::TDataSource(&owner);
        source->SetDataSet(query);
        grid.SetDataSource(source);
        grid.SetBufferCount(25);
        memo.SetFieldName("descr");
        memo.OnDataChange = [this] {
            if (memo.Field()) benchmark::DoNotOptimize(memo.Field()->AsString());
        };
        memo.SetDataSource(source);
    }
    void run(const std::string& sql) {
        query->Close();
        query->SQL().SetText(sql);
        query->Open();
        paintGrid();
    }
    void paintGrid() {
        fw::TField* name = query->FindField("basicname");
        const int active = grid.ActiveRecord();
        for (int k = 0; k < grid.RecordCount(); ++k) {
            grid.SetActiveRecord(k);
            benchmark::DoNotOptimize(name->DisplayText());
        }
        grid.SetActiveRecord(active);
    }

    fw::TComponent owner{nullptr};
    fw::TADOConnection* connection;
    fw::TADOQuery* query;
    fw::TDataSource* source;
    fw::TDataLink grid;
    fw::TFieldDataLink memo;
};

// A search through the query as the find button runs it, to the first record on screen.
void BM_QuerySearch(benchmark::State& state) {
    ProgramQuery program(benchDatabase(std::size_t(state.range(0))));
    program.run(kInitial);
    for (auto _ : state) program.run(kSearch);
}

// The initial list through the query on a fresh connection, to the first screen.
void BM_QueryInitial(benchmark::State& state) {
    const std::string path = benchDatabase(std::size_t(state.range(0)));
    for (auto _ : state) {
        ProgramQuery program(path);
        program.run(kInitial);
    }
}

// Ctrl+End and Ctrl+Home through the query, each repainting the grid's window and the memo.
void BM_QueryLastAndBack(benchmark::State& state) {
    ProgramQuery program(benchDatabase(std::size_t(state.range(0))));
    program.run(kInitial);
    for (auto _ : state) {
        program.query->Last();
        program.paintGrid();
        program.query->First();
        program.paintGrid();
    }
}

#define SIZES Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_BareSearch)->SIZES;
BENCHMARK(BM_BareSearchCountOverIndex)->SIZES;
BENCHMARK(BM_OurSearch)->SIZES;
BENCHMARK(BM_OurSearchOnFreshConnection)->SIZES->Iterations(3);
BENCHMARK(BM_BareInitialFirstRow)->SIZES;
BENCHMARK(BM_BareInitialAllRows)->SIZES->Iterations(3);
BENCHMARK(BM_OurInitial)->SIZES->Iterations(3);
BENCHMARK(BM_BareInitialAllRowsWithoutIndex)->SIZES->Iterations(3);
BENCHMARK(BM_OurInitialWithoutIndex)->SIZES->Iterations(3);
BENCHMARK(BM_BareSearchWithoutIndex)->SIZES;
BENCHMARK(BM_OurSearchWithoutIndex)->SIZES;
BENCHMARK(BM_OurShowAll)->SIZES;
BENCHMARK(BM_BareShowAllAllRows)->SIZES->Iterations(3);
BENCHMARK(BM_OurLastAndBack)->SIZES;
BENCHMARK(BM_QuerySearch)->SIZES;
BENCHMARK(BM_QueryInitial)->SIZES->Iterations(3);
BENCHMARK(BM_QueryLastAndBack)->SIZES;

}  // namespace
