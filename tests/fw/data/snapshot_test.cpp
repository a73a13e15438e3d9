#include "fw/data/sqlite/snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "base/error.h"
#include "fixture_database.h"
#include "fw/data/sqlite/database.h"

namespace {

using fw::sqlite::Database;
using fw::sqlite::Snapshot;

std::string nameAt(Snapshot& snapshot, std::size_t position) {
    const fw::sqlite::Cell cell = snapshot.value(position, 1);
    return cell.type == fw::sqlite::CellType::Null ? "<null>" : std::string(cell.bytes);
}

std::vector<std::string> names(Snapshot& snapshot) {
    std::vector<std::string> result;
    for (std::size_t p = 0; p < snapshot.rowCount(); ++p) result.push_back(nameAt(snapshot, p));
    return result;
}

std::string errorOf(auto&& action) {
    try {
        action();
    } catch (const base::Error& e) {
        return e.message();
    }
    return "no error";
}

// Each test runs with and without the index on the names: the answers must not differ.
class SnapshotTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        folder = dataScratchFolder();
        path = makeDictionary(folder, sampleEntries(), GetParam());
        db = std::make_shared<Database>(path);
    }
    std::vector<std::string> run(const std::string& sql) {
        auto snapshot = fw::sqlite::openSnapshot(db, sql);
        return names(*snapshot);
    }
    // The same statement as the engine answers it, bypassing the image.
    std::vector<std::string> byEngine(const std::string& sql) {
        RawConnection raw(path);
        return raw.column(sql);
    }

    std::string folder, path;
    std::shared_ptr<Database> db;
};

TEST_P(SnapshotTest, TheThreeStatementsGiveTheEnginesOrders) {
    EXPECT_EQ(run("select * from dict order by basicname asc"),
              byEngine("SELECT basicname FROM dict ORDER BY basicname, rowid"));
    EXPECT_EQ(run("select * from dict order by basicname desc"),
              byEngine("SELECT basicname FROM dict ORDER BY basicname DESC, rowid"));
    const std::vector<std::string> inserted = byEngine("SELECT basicname FROM dict ORDER BY rowid");
    EXPECT_EQ(run("SELECT * FROM dict"), inserted);
    // An empty search lists every name that is not null, in the engine's order.
    std::vector<std::string> named = inserted;
    std::erase(named, "<null>");
    EXPECT_EQ(run("SELECT * FROM dict WHERE basicname LIKE('%%')"), named);
}

TEST_P(SnapshotTest, SearchesAgreeWithTheEnginesLike) {
    for (const char* pattern : {"%модуль%", "%МОДУЛЬ%", "%a%", "%ab''c%", "%100%%", "%e_c%", "_____", "%ёлка%", "%zz%",
                                "%", "Alpha", "%л%", "%aal%", "%иb%", "%cb%"}) {  // the last three would straddle two names
        const std::string where = std::string("basicname LIKE('") + pattern + "')";
        const auto ours = run("SELECT * FROM dict WHERE " + where);
        // "AND 1" keeps the statement from being recognised, so the engine answers it.
        auto engine = fw::sqlite::openSnapshot(db, "SELECT * FROM dict WHERE " + where + " AND 1");
        EXPECT_EQ(ours, names(*engine)) << pattern;
    }
    EXPECT_EQ(run("SELECT * FROM dict WHERE basicname LIKE('%модуль%')"),
              (std::vector<std::string>{"Модуль печати", "модуль связи"}));
    EXPECT_EQ(run("SELECT * FROM dict WHERE basicname LIKE('%ab''c%')"), (std::vector<std::string>{"ab'c"}));
    EXPECT_EQ(run("SELECT * FROM dict WHERE basicname LIKE('%1_0%%')"), (std::vector<std::string>{"100% sure"}));
}

TEST_P(SnapshotTest, LongValuesAreFetchedForTheirRow) {
    auto snapshot = fw::sqlite::openSnapshot(db, "select * from dict order by basicname asc");
    ASSERT_EQ(snapshot->columns().size(), 3u);
    EXPECT_EQ(snapshot->columns()[1].kind, fw::sqlite::ColumnKind::ShortText);
    EXPECT_EQ(snapshot->columns()[1].size, 255);
    EXPECT_EQ(snapshot->columns()[2].kind, fw::sqlite::ColumnKind::LongText);
    const auto descriptions = byEngine("SELECT descr FROM dict ORDER BY basicname, rowid");
    ASSERT_EQ(descriptions.size(), snapshot->rowCount());
    for (std::size_t p = snapshot->rowCount(); p-- > 0;)  // backwards, so no fetch is left over from a neighbour
        EXPECT_EQ(std::string(snapshot->value(p, 2).bytes), descriptions[p]) << nameAt(*snapshot, p);
    // Gone from the file under our feet: the value reads as null.
    const auto sorted = names(*snapshot);
    const auto alpha = static_cast<std::size_t>(std::find(sorted.begin(), sorted.end(), "Alpha") - sorted.begin());
    RawConnection(path).exec("DELETE FROM dict WHERE basicname = 'Alpha'");
    EXPECT_EQ(snapshot->value(alpha, 2).type, fw::sqlite::CellType::Null);
}

TEST_P(SnapshotTest, DeleteCommitsAndKeepsKeysOfTheOtherRows) {
    auto snapshot = fw::sqlite::openSnapshot(db, "SELECT * FROM dict");
    const std::size_t before = snapshot->rowCount();
    ASSERT_TRUE(snapshot->canDelete());
    const std::uint64_t keyBefore = snapshot->keyOf(1), keyDeleted = snapshot->keyOf(2), keyAfter = snapshot->keyOf(3);
    const std::string deleted = nameAt(*snapshot, 2);
    const std::string next = nameAt(*snapshot, 3);

    snapshot->deleteRow(2);
    EXPECT_EQ(snapshot->rowCount(), before - 1);
    EXPECT_EQ(nameAt(*snapshot, 2), next);
    EXPECT_EQ(snapshot->positionOf(keyBefore), 1u);
    EXPECT_EQ(snapshot->positionOf(keyAfter), 2u);
    EXPECT_FALSE(snapshot->positionOf(keyDeleted));
    // Committed: another connection no longer sees it, and neither does a new query.
    EXPECT_EQ(RawConnection(path).column("SELECT count(*) FROM dict WHERE basicname = '" + deleted + "'").at(0), "0");
    EXPECT_EQ(run("SELECT * FROM dict").size(), before - 1);
    EXPECT_EQ(run("select * from dict order by basicname asc").size(), before - 1);

    // A locked file refuses: the error is raised and nothing changes.
    RawConnection other(path);
    other.exec("BEGIN EXCLUSIVE");
    EXPECT_NE(errorOf([&] { snapshot->deleteRow(0); }), "no error");
    other.exec("ROLLBACK");
    EXPECT_EQ(snapshot->rowCount(), before - 1);
    EXPECT_EQ(RawConnection(path).column("SELECT count(*) FROM dict").at(0), std::to_string(before - 1));
}

TEST_P(SnapshotTest, ChangesByAnotherProgramShowInTheNextQuery) {
    EXPECT_EQ(run("SELECT * FROM dict WHERE basicname LIKE('%new%')").size(), 0u);
    RawConnection(path).insert({"Brand new", "n"});
    EXPECT_EQ(run("SELECT * FROM dict WHERE basicname LIKE('%new%')"), (std::vector<std::string>{"Brand new"}));
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutIndex, SnapshotTest, testing::Bool());

TEST(Database, BadFilesAreClearErrorsNamingTheFile) {
    const std::string folder = dataScratchFolder();
    const std::string missing = folder + "/quillex.dat";
    EXPECT_NE(errorOf([&] { Database db(missing); }).find(missing), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));  // never created

    const std::string empty = folder + "/empty.dat";
    std::ofstream(empty).close();
    EXPECT_NE(errorOf([&] { Database db(empty); }).find(empty), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);

    const std::string text = folder + "/text.dat";
    std::ofstream(text) << std::string(4096, 'x');
    const std::string message = errorOf([&] { Database db(text); });
    EXPECT_NE(message.find(text), std::string::npos);
    EXPECT_NE(message.find("not a database"), std::string::npos) << message;

    EXPECT_NE(errorOf([&] { Database db(folder); }).find(folder), std::string::npos);
}

TEST(Database, AFailingStatementRaisesTheEnginesMessage) {
    const std::string folder = dataScratchFolder();
    auto db = std::make_shared<Database>(makeDictionary(folder, sampleEntries()));
    EXPECT_EQ(errorOf([&] { fw::sqlite::openSnapshot(db, "SELECT * FROM nothere"); }), "no such table: nothere");
    EXPECT_EQ(errorOf([&] { fw::sqlite::openSnapshot(db, "SELECT * FROM dict ORDER BY nocolumn"); }),
              "no such column: nocolumn");
    EXPECT_NE(errorOf([&] { fw::sqlite::openSnapshot(db, "SELEKT"); }), "no error");
    EXPECT_NE(errorOf([&] { fw::sqlite::openSnapshot(db, ""); }), "no error");
    // A table whose "SELECT *" holds a generated column is listed by the engine, alike.
    RawConnection(db->path()).exec("CREATE TABLE gen (a INTEGER, b INTEGER GENERATED ALWAYS AS (a * 2))");
    RawConnection(db->path()).exec("INSERT INTO gen (a) VALUES (1), (2)");
    auto generated = fw::sqlite::openSnapshot(db, "SELECT * FROM gen");
    ASSERT_EQ(generated->columns().size(), 2u);
    EXPECT_EQ(generated->value(1, 1).integer, 4);
    // Other statements are the engine's, held whole.
    auto counted = fw::sqlite::openSnapshot(db, "SELECT count(*) AS n FROM dict");
    ASSERT_EQ(counted->rowCount(), 1u);
    EXPECT_EQ(counted->value(0, 0).integer, static_cast<std::int64_t>(sampleEntries().size()));
    EXPECT_FALSE(counted->canDelete());
}

}  // namespace
