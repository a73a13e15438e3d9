#include "fw/data/field_data_link.h"

#include <gtest/gtest.h>

#include "fixture_database.h"
#include "fw/data/ado_connection.h"
#include "fw/data/ado_query.h"
#include "fw/data/data_source.h"
#include "fw/data/memo_text.h"

namespace {

using namespace fw;

std::string shown(const TFieldDataLink& link) { return DataBoundMemoText(link); }

TEST(FieldDataLink, FollowsTheRecordAndFindsItsFieldAgain) {
    const std::string path = makeDictionary(dataScratchFolder(), {{"One", "First text"}, {"Two", "Second text"}});
    TComponent owner(nullptr);
    auto* connection = new TADOConnection(&owner);
    connection->SetConnectionString("Data Source=" + path);
    auto* query = new TADOQuery(&owner);
    query->SetConnection(connection);
    query->SQL().SetText("SELECT * FROM dict");
    auto* source = new TDataSource(&owner);
    source->SetDataSet(query);

    TFieldDataLink memo, name;
    std::vector<std::string> texts;
    memo.OnDataChange = [&] { texts.push_back(shown(memo)); };
    memo.SetFieldName("descr");
    memo.SetDataSource(source);
    name.SetFieldName("basicname");
    name.SetDataSource(source);
    EXPECT_EQ(shown(memo), "");  // closed

    query->Open();
    EXPECT_EQ(shown(memo), "First text");
    EXPECT_EQ(shown(name), "One");
    TFieldDataLink id;
    id.SetFieldName("id");
    id.SetDataSource(source);
    EXPECT_EQ(shown(id), "1");
    query->Next();
    EXPECT_EQ(texts.back(), "Second text");
    query->Close();
    EXPECT_EQ(memo.Field(), nullptr);
    EXPECT_EQ(texts.back(), "");

    // Reopened under held-back controls, the link still finds the new field.
    query->DisableControls();
    query->Open();
    query->EnableControls();
    EXPECT_EQ(texts.back(), "First text");

    query->SQL().SetText("SELECT * FROM dict WHERE basicname LIKE('%none%')");
    query->Open();
    EXPECT_NE(memo.Field(), nullptr);
    EXPECT_EQ(texts.back(), "");  // no current record

    query->SQL().SetText("SELECT basicname FROM dict");
    query->Open();
    EXPECT_EQ(memo.Field(), nullptr);  // the field is missing: nothing, no error
    EXPECT_EQ(texts.back(), "");
}

}  // namespace
