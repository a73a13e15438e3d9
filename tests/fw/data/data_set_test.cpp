#include "fw/data/data_set.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "base/error.h"
#include "fixture_database.h"
#include "fw/classes/loading_scope.h"
#include "fw/data/ado_connection.h"
#include "fw/data/ado_query.h"
#include "fw/data/data_link.h"
#include "fw/data/data_source.h"

namespace {

using namespace fw;

std::string errorOf(auto&& action) {
    try {
        action();
    } catch (const base::Error& e) {
        return e.message();
    }
    return "no error";
}

// A link that writes down what it hears, as a grid would react to it.
class RecordingLink : public TDataLink {
public:
    std::vector<std::string> heard;
    std::vector<int> scrolls;

protected:
    void ActiveChanged() override { heard.push_back(Active() ? "active" : "inactive"); }
    void DataSetChanged() override { heard.push_back("changed"); }
    void DataSetScrolled(int distance) override {
        heard.push_back("scrolled");
        scrolls.push_back(distance);
    }
    void RecordChanged(TField*) override { heard.push_back("record"); }
    void LayoutChanged() override { heard.push_back("layout"); }
    void EditingChanged() override { heard.push_back(Editing() ? "editing" : "browsing"); }
};

// "Entry 00" ... "Entry 29", inserted in that order, on a form-like owner.
class DataSetTest : public testing::Test {
protected:
    void SetUp() override {
        folder = dataScratchFolder();
        std::vector<Entry> entries;
        for (int i = 0; i < 30; ++i) entries.push_back({"Entry " + std::string(i < 10 ? "0" : "") + std::to_string(i),
                                                        "Description " + std::to_string(i)});
        path = makeDictionary(folder, entries);
        connection = new TADOConnection(&owner);
        connection->SetName("ADOConnection1");
        connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
                                        ";Persist Security Info=False");
        connection->SetLoginPrompt(false);
        connection->SetMode(cmShareDenyNone);
        query = new TADOQuery(&owner);
        query->SetName("ADOQuery1");
        query->SetConnection(connection);
        query->SetCursorType(ctStatic);
        query->SQL().Add("SELECT * FROM dict");
        source = new TDataSource(&owner);
        source->SetDataSet(query);
        link.SetDataSource(source);
    }
    std::string name() const { return query->FieldByName("basicname")->AsString(); }

    TComponent owner{nullptr};
    std::string folder, path;
    TADOConnection* connection = nullptr;
    TADOQuery* query = nullptr;
    TDataSource* source = nullptr;
    RecordingLink link;
};

TEST_F(DataSetTest, OpenCloseAndMoving) {
    query->Open();
    EXPECT_EQ(link.heard, (std::vector<std::string>{"active", "changed"}));
    EXPECT_EQ(query->RecordCount(), 30);
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_TRUE(query->Bof());
    EXPECT_FALSE(query->Eof());
    EXPECT_TRUE(query->IsSequenced());

    struct Step {
        int distance, moved, recNo;
        bool bof, eof;
    };
    const Step steps[] = {{-1, 0, 1, true, false}, {5, 5, 6, false, false}, {100, 24, 30, false, true},
                          {1, 0, 30, false, true}, {-29, -29, 1, false, false}, {-1, 0, 1, true, false},
                          {0, 0, 1, true, false}};
    for (const Step& step : steps) {
        EXPECT_EQ(query->MoveBy(step.distance), step.moved) << step.distance;
        EXPECT_EQ(query->RecNo(), step.recNo);
        EXPECT_EQ(query->Bof(), step.bof) << step.distance;
        EXPECT_EQ(query->Eof(), step.eof) << step.distance;
    }
    query->Last();
    EXPECT_TRUE(query->Eof());
    EXPECT_EQ(name(), "Entry 29");
    query->SetRecNo(11);
    EXPECT_EQ(name(), "Entry 10");
    query->SetRecNo(1000);
    EXPECT_EQ(query->RecNo(), 30);

    link.heard.clear();
    query->Close();
    EXPECT_EQ(link.heard, (std::vector<std::string>{"inactive"}));
    EXPECT_EQ(query->RecordCount(), 0);
    EXPECT_EQ(query->FieldCount(), 0);
    EXPECT_EQ(link.RecordCount(), 0);

    query->SQL().Clear();
    query->SQL().Add("SELECT * FROM dict WHERE basicname LIKE('%nothing%')");
    query->Open();
    EXPECT_TRUE(query->IsEmpty());
    EXPECT_TRUE(query->Bof() && query->Eof());
    EXPECT_EQ(query->RecNo(), 0);
    EXPECT_EQ(query->MoveBy(3), 0);
    EXPECT_TRUE(query->FieldByName("basicname")->IsNull());
    EXPECT_EQ(link.RecordCount(), 0);
}

TEST_F(DataSetTest, TheLinkWindowFollowsTheCurrentRecord) {
    query->Open();
    link.SetBufferCount(5);
    EXPECT_EQ(link.RecordCount(), 5);
    link.scrolls.clear();
    for (int i = 0; i < 6; ++i) query->Next();
    // Inside the window the rows stay; past its bottom they scroll one at a time.
    EXPECT_EQ(link.scrolls, (std::vector<int>{0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(link.ActiveRecord(), 4);
    EXPECT_EQ(link.FirstRecord(), 2);

    link.scrolls.clear();
    query->Last();
    query->Prior();
    query->First();
    EXPECT_EQ(link.scrolls, (std::vector<int>{23, 0, -25}));
    EXPECT_EQ(link.ActiveRecord(), 0);

    // A painter reads another held record and puts the current one back.
    query->MoveBy(2);
    for (int k = 0; k < link.RecordCount(); ++k) {
        link.SetActiveRecord(k);
        EXPECT_EQ(name(), "Entry 0" + std::to_string(k));
    }
    link.SetActiveRecord(2);
    EXPECT_EQ(name(), "Entry 02");
    EXPECT_EQ(query->RecNo(), 3);

    // A window larger than the result holds everything; at the end it stays full.
    link.SetBufferCount(50);
    EXPECT_EQ(link.RecordCount(), 30);
    link.SetBufferCount(10);
    query->Last();
    EXPECT_EQ(link.FirstRecord(), 20);
    EXPECT_EQ(link.ActiveRecord(), 9);
    link.SetBufferCount(12);
    EXPECT_EQ(link.FirstRecord(), 18);
    EXPECT_EQ(link.RecordCount(), 12);
}

TEST_F(DataSetTest, DisabledControlsHearOnceWhenEnabled) {
    query->Open();
    link.SetBufferCount(5);
    link.heard.clear();
    query->DisableControls();
    query->DisableControls();
    query->MoveBy(12);
    query->Locate("basicname", std::string("entry 2"), {loCaseInsensitive, loPartialKey});
    EXPECT_EQ(name(), "Entry 20");
    query->EnableControls();
    EXPECT_TRUE(link.heard.empty());
    // The window has followed, so the one notice finds it right.
    EXPECT_EQ(link.FirstRecord() + link.ActiveRecord(), 20);
    query->EnableControls();
    EXPECT_EQ(link.heard, (std::vector<std::string>{"changed"}));

    link.heard.clear();
    query->DisableControls();
    query->Close();
    query->Open();
    query->EnableControls();
    // No state change is seen, but the fields are new.
    EXPECT_EQ(link.heard, (std::vector<std::string>{"layout", "changed"}));
    link.heard.clear();
    query->DisableControls();
    query->EnableControls();
    EXPECT_TRUE(link.heard.empty());
}

TEST_F(DataSetTest, FieldsByNameAndType) {
    query->Open();
    ASSERT_EQ(query->FieldCount(), 3);
    TField* id = query->Fields(0);
    TField* basicname = query->FieldByName("BasicName");
    TField* descr = query->FieldByName("descr");
    EXPECT_EQ(id->DataType(), ftInteger);
    EXPECT_EQ(id->Alignment(), taRightJustify);
    EXPECT_EQ(basicname->DataType(), ftString);
    EXPECT_TRUE(basicname->Is<TStringField>());
    EXPECT_EQ(basicname->Size(), 255);
    EXPECT_EQ(basicname->DisplayWidth(), 255);
    EXPECT_EQ(basicname->Alignment(), taLeftJustify);
    EXPECT_EQ(basicname->DisplayLabel(), "basicname");
    EXPECT_EQ(basicname->Index(), 1);
    EXPECT_EQ(descr->DataType(), ftMemo);
    EXPECT_TRUE(descr->Is<TMemoField>());
    EXPECT_TRUE(descr->IsBlob());
    EXPECT_EQ(descr->AsString(), "Description 0");
    EXPECT_EQ(descr->DisplayText(), "(MEMO)");
    EXPECT_EQ(id->AsInteger(), 1);
    EXPECT_EQ(id->DisplayText(), "1");
    EXPECT_EQ(query->FindField("nope"), nullptr);
    EXPECT_EQ(errorOf([&] { query->FieldByName("nope"); }), "ADOQuery1: Field 'nope' not found");
    EXPECT_NE(errorOf([&] { query->Fields(3); }), "no error");
}

TEST_F(DataSetTest, BookmarksSurviveADelete) {
    query->SQL().SetText("select * from dict order by basicname asc");
    query->Open();
    link.SetBufferCount(5);
    query->SetRecNo(3);
    const TBookmark third = query->GetBookmark();
    query->SetRecNo(5);
    const TBookmark fifth = query->GetBookmark();
    query->SetRecNo(4);
    const TBookmark fourth = query->GetBookmark();
    EXPECT_EQ(query->CompareBookmarks(third, fifth), -1);
    EXPECT_EQ(query->CompareBookmarks(fifth, third), 1);
    EXPECT_EQ(query->CompareBookmarks(fourth, query->GetBookmark()), 0);

    link.heard.clear();
    query->Delete();
    EXPECT_EQ(link.heard, (std::vector<std::string>{"changed"}));
    EXPECT_EQ(query->RecordCount(), 29);
    EXPECT_EQ(name(), "Entry 04");  // the next one is current
    EXPECT_EQ(RawConnection(path).column("SELECT count(*) FROM dict WHERE basicname = 'Entry 03'").at(0), "0");
    EXPECT_FALSE(query->BookmarkValid(fourth));
    EXPECT_NE(errorOf([&] { query->GotoBookmark(fourth); }), "no error");
    EXPECT_TRUE(query->BookmarkValid(third));
    query->GotoBookmark(fifth);
    EXPECT_EQ(name(), "Entry 04");
    query->GotoBookmark(third);
    EXPECT_EQ(name(), "Entry 02");

    query->Last();
    query->Delete();
    EXPECT_EQ(name(), "Entry 28");  // the last went: its predecessor
    EXPECT_EQ(link.FirstRecord() + link.RecordCount(), 28);
    query->Close();
    EXPECT_FALSE(query->BookmarkValid(third));
}

TEST_F(DataSetTest, LocateWithCaseAndPartialKeys) {
    RawConnection(path).insert({"Модуль Печати", "p"});
    query->Open();
    EXPECT_TRUE(query->Locate("basicname", std::string("МОДУЛЬ ПЕЧАТИ"), {loCaseInsensitive}));
    EXPECT_EQ(name(), "Модуль Печати");
    query->First();
    EXPECT_FALSE(query->Locate("basicname", std::string("модуль"), {loCaseInsensitive}));
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_TRUE(query->Locate("basicname", std::string("модуль"), {loCaseInsensitive, loPartialKey}));
    EXPECT_FALSE(query->Locate("basicname", std::string("entry 1"), {loPartialKey}));
    EXPECT_TRUE(query->Locate("basicname;descr", {std::string("Entry 12"), std::string("Description 12")}, {}));
    EXPECT_EQ(query->RecNo(), 13);
    EXPECT_FALSE(query->Locate("basicname", TLocateValue(), {}));  // no null names
}

TEST_F(DataSetTest, EditInsertAndPostWriteTheFile) {
    query->Open();
    query->SetRecNo(2);
    link.heard.clear();
    query->Edit();
    EXPECT_EQ(query->State(), dsEdit);
    query->FieldByName("basicname")->SetAsString("Renamed");
    EXPECT_EQ(name(), "Renamed");
    query->Post();
    EXPECT_EQ(query->State(), dsBrowse);
    EXPECT_EQ(link.heard.front(), "editing");
    EXPECT_EQ(name(), "Renamed");
    EXPECT_EQ(RawConnection(path).column("SELECT basicname FROM dict WHERE id = 2").at(0), "Renamed");

    query->Edit();
    query->FieldByName("basicname")->SetAsString("Dropped");
    query->Cancel();
    EXPECT_EQ(name(), "Renamed");

    query->Append();
    query->FieldByName("basicname")->SetAsString("Appended");
    query->FieldByName("descr")->SetAsString("New text");
    query->Post();
    EXPECT_EQ(query->RecordCount(), 31);
    EXPECT_EQ(query->RecNo(), 31);
    EXPECT_EQ(name(), "Appended");
    EXPECT_EQ(query->FieldByName("descr")->AsString(), "New text");

    query->First();
    query->Insert();
    query->FieldByName("basicname")->SetAsString("Inserted");
    query->Next();  // moving away posts
    EXPECT_EQ(query->RecordCount(), 32);
    query->First();
    EXPECT_EQ(name(), "Inserted");
    EXPECT_EQ(RawConnection(path).column("SELECT count(*) FROM dict").at(0), "32");

    // A refused write keeps the edit and says why.
    query->Edit();
    query->FieldByName("id")->SetAsInteger(3);  // taken
    EXPECT_NE(errorOf([&] { query->Post(); }), "no error");
    EXPECT_EQ(query->State(), dsEdit);
    query->Cancel();
}

TEST_F(DataSetTest, ConnectionErrorsAndFailingStatements) {
    query->Open();
    query->SQL().SetText("SELECT * FROM nothere");
    EXPECT_FALSE(query->Active());  // a new text closes the query
    EXPECT_EQ(errorOf([&] { query->Open(); }), "no such table: nothere");
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(link.RecordCount(), 0);

    const std::string missing = folder + "/missing.dat";
    connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + missing);
    EXPECT_FALSE(connection->Connected());
    EXPECT_NE(errorOf([&] { connection->Open(); }).find(missing), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));

    // A bare name is found in the current folder.
    const std::string saved = std::filesystem::current_path().string();
    std::filesystem::current_path(folder);
    connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=quillex.dat;Persist Security Info=False");
    query->SQL().SetText("select * from dict order by basicname asc");
    query->Open();
    std::filesystem::current_path(saved);
    EXPECT_EQ(connection->DatabasePath(), folder + "/quillex.dat");
    EXPECT_EQ(connection->Provider(), "Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(query->RecordCount(), 30);
    connection->Close();
    EXPECT_FALSE(query->Active());
}

TEST_F(DataSetTest, StoredActiveOpensWhenLoadingEnds) {
    TComponent form(nullptr);
    TADOConnection* stored = nullptr;
    TADOQuery* storedQuery = nullptr;
    {
        TLoadingScope loading(form);
        stored = new TADOConnection(&form);
        stored->SetConnectionString("Data Source=" + path);
        stored->SetConnected(true);
        storedQuery = new TADOQuery(&form);
        storedQuery->SetConnection(stored);
        storedQuery->SetActive(true);
        storedQuery->SQL().SetText("select * from dict order by basicname asc");
        EXPECT_FALSE(storedQuery->Active());
        loading.Finish();
    }
    EXPECT_TRUE(stored->Connected());
    EXPECT_TRUE(storedQuery->Active());
    EXPECT_EQ(storedQuery->RecordCount(), 30);
}

}  // namespace
