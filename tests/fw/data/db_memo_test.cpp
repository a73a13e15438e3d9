#include "fw/data/db_memo.h"

#include <gtest/gtest.h>

#include "fixture_database.h"
#include "fw/data/ado_connection.h"
#include "fw/data/ado_query.h"
#include "fw/data/data_source.h"
#include "fw/forms/application.h"
#include "fw/forms/form.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/window.h"

namespace {

using namespace fw;

// A form with a query over a two-entry book and a memo bound to one of its fields.
class BoundMemo : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path =
            makeDictionary(dataScratchFolder(), {{"Один", "Первое описание"}, {"Two", "Second text"}});
        app.CreateForm(form);
        form->SetBounds(10, 10, 300, 200);
        auto* connection = new TADOConnection(form);
        connection->SetConnectionString("Data Source=" + path);
        query = new TADOQuery(form);
        query->SetConnection(connection);
        query->SQL().SetText("select * from dict order by basicname asc");
        source = new TDataSource(form);
        source->SetDataSet(query);
        memo = new TDBMemo(form);
        memo->SetBounds(0, 0, 200, 100);
        memo->SetParent(form);
        memo->SetDataField("descr");
        memo->SetDataSource(source);
        form->Show();
    }
    std::string windowText() const {
        return plat::GetWindowText(memo->Handle());
    }

    plat::HeadlessDesktop desk;
    TApplication app;
    TForm* form = nullptr;
    TADOQuery* query = nullptr;
    TDataSource* source = nullptr;
    TDBMemo* memo = nullptr;
};

TEST_F(BoundMemo, ShowsTheCurrentRecordsFieldAndNothingWithoutOne) {
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(windowText(), "");  // closed
    query->Open();
    EXPECT_EQ(windowText(), "Second text");  // "Two" sorts before "Один"
    query->Next();
    EXPECT_EQ(windowText(), "Первое описание");

    memo->SetDataField("basicname");  // a short field shows its display text
    EXPECT_EQ(windowText(), "Один");

    query->Close();
    query->SQL().SetText("select * from dict where basicname like('%nothing%')");
    query->Open();
    EXPECT_EQ(windowText(), "");  // empty result

    query->Close();
    query->SQL().SetText("select descr from dict");
    query->Open();
    EXPECT_EQ(memo->Field(), nullptr);  // the field is missing: empty, no error
    EXPECT_EQ(windowText(), "");
}

TEST_F(BoundMemo, LetsGoOfASourceThatIsFreedFirst) {
    query->Open();
    delete source;
    EXPECT_EQ(memo->DataSource(), nullptr);
    EXPECT_EQ(windowText(), "");
    query->Next();  // nothing reaches the memo any more
    EXPECT_EQ(windowText(), "");
}

}  // namespace
