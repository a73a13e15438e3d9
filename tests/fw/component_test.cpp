#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "fw/classes/collection.h"
#include "fw/classes/component.h"
#include "fw/classes/loading_scope.h"

namespace fw {
namespace {

// Records what it is told, into a log that outlives it.
class Watcher : public TComponent {
    FW_CLASS(Watcher, TComponent, "OptionsEh")
public:
    Watcher(TComponent* owner, std::vector<std::string>* log, std::string label)
        : TComponent(owner), log_(log), label_(std::move(label))
    {
    }
    ~Watcher() override { log_->push_back(label_ + " freed"); }
    void Notification(TComponent* c, TOperation op) override
    {
        TComponent::Notification(c, op);
        log_->push_back(label_ + (op == opInsert ? " +" : " -") + (c ? c->Name() : std::string("?")));
    }
    void Loaded() override
    {
        TComponent::Loaded();
        log_->push_back(label_ + " loaded");
    }

private:
    std::vector<std::string>* log_;
    std::string label_;
};

class SubWatcher : public Watcher {
    FW_CLASS(SubWatcher, Watcher)
public:
    using Watcher::Watcher;
};

TEST(Component, OwnerFreesWhatItOwnsAndHearsAboutChanges)
{
    std::vector<std::string> log;
    auto* root = new Watcher(nullptr, &log, "root");
    auto* a = new Watcher(root, &log, "a");
    a->SetName("A");
    auto* b = new Watcher(root, &log, "b");
    b->SetName("B");
    EXPECT_EQ(root->ComponentCount(), 2);
    EXPECT_EQ(root->FindComponent("b"), b);
    EXPECT_EQ(b->ComponentIndex(), 1);

    log.clear();
    delete a;  // leaves its owner's list; the owner's tree hears it
    EXPECT_EQ(root->ComponentCount(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"a freed", "b -A", "root -A"}));

    // A free notification crosses owners, in both directions.
    std::vector<std::string> other;
    auto* outsider = new Watcher(nullptr, &other, "x");
    outsider->SetName("X");
    outsider->FreeNotification(b);
    log.clear();
    delete b;
    EXPECT_EQ(other, (std::vector<std::string>{"x -B"}));
    delete outsider;

    log.clear();
    auto* c = new Watcher(root, &log, "c");
    c->SetName("C");
    (void)c;
    log.clear();
    delete root;
    EXPECT_EQ(log, (std::vector<std::string>{"root freed", "c freed"}));  // the owner's own part goes first
}

TEST(Component, NamesAreIdentifiersUniqueInTheOwner)
{
    TComponent root(nullptr);
    auto* a = new TComponent(&root);
    a->SetName("Button1");
    auto* b = new TComponent(&root);
    for (const char* bad : {"1abc", "a b", "a-b", "Кнопка"}) EXPECT_THROW(b->SetName(bad), base::Error) << bad;
    EXPECT_THROW(b->SetName("BUTTON1"), base::Error);
    EXPECT_EQ(b->Name(), "");
    b->SetName("_Button2");
    EXPECT_EQ(root.FindComponent("_button2"), b);
    EXPECT_THROW(root.Components(2), base::Error);
    EXPECT_THROW(root.InsertComponent(&root), base::Error);

    // Moving a component between owners takes it out of the first.
    TComponent other(nullptr);
    other.InsertComponent(a);
    EXPECT_EQ(a->Owner(), &other);
    EXPECT_EQ(root.ComponentCount(), 1);
}

TEST(Component, ClassTestsByNameAndPublishedProperty)
{
    std::vector<std::string> log;
    SubWatcher w(nullptr, &log, "w");
    EXPECT_EQ(w.ClassName(), "SubWatcher");
    EXPECT_TRUE(w.InheritsFrom("Watcher"));
    EXPECT_TRUE(w.InheritsFrom("tcomponent"));
    EXPECT_FALSE(w.InheritsFrom("TCollection"));
    EXPECT_TRUE(w.PublishesProperty("OptionsEh"));
    EXPECT_FALSE(TComponent(nullptr).PublishesProperty("OptionsEh"));
    EXPECT_TRUE(w.Is<Watcher>());
    EXPECT_EQ(As<TCollection>(static_cast<TObject*>(&w)), nullptr);
}

TEST(Component, LoadingScopeGivesLoadedRootFirstThenInCreationOrder)
{
    std::vector<std::string> log;
    Watcher root(nullptr, &log, "root");
    {
        TLoadingScope loading(root);
        auto* conn = new Watcher(&root, &log, "connection");
        auto* query = new Watcher(&root, &log, "query");
        new Watcher(query, &log, "field");  // owned deeper: after its owner
        EXPECT_TRUE(conn->Loading());
        EXPECT_TRUE(query->ComponentState().Contains(csReading));
        log.clear();
        loading.Finish();
        EXPECT_FALSE(root.Loading());
        EXPECT_FALSE(conn->Loading());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"root loaded", "connection loaded", "query loaded", "field loaded"}));
    auto* late = new Watcher(&root, &log, "late");
    EXPECT_FALSE(late->Loading());

    // A failed build drops the loading state without Loaded.
    Watcher broken(nullptr, &log, "broken");
    log.clear();
    try {
        TLoadingScope loading(broken);
        new Watcher(&broken, &log, "part");
        throw base::Error("bad resource");
    } catch (const base::Error&) {
    }
    EXPECT_FALSE(broken.Loading());
    EXPECT_FALSE(broken.Components(0)->Loading());
    EXPECT_EQ(log, (std::vector<std::string>{"broken +"}));
}

class Column : public TCollectionItem {
    FW_CLASS(Column, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    void SetWidth(int w)
    {
        width = w;
        Changed(false);
    }
    void Assign(const TPersistent& source) override
    {
        if (auto* c = As<Column>(&source)) SetWidth(c->width);
        else TCollectionItem::Assign(source);
    }
    int width = 64;
};

class Columns : public TTypedCollection<Column> {
public:
    using TTypedCollection::TTypedCollection;
    std::vector<int> updates;  // index of the item told about, -1 for all

protected:
    void Update(TCollectionItem* item) override { updates.push_back(item ? item->Index() : -1); }
};

TEST(Collection, ItemsKeepOrderIdsAndBatchTheirUpdates)
{
    Columns cols(nullptr);
    Column* a = cols.Add();
    Column* b = cols.Add();
    Column* c = cols.Insert(0);
    EXPECT_EQ(c->Index(), 0);
    EXPECT_EQ(b->Index(), 2);
    EXPECT_EQ(c->ID(), 2);
    cols.updates.clear();
    b->SetWidth(10);
    EXPECT_EQ(cols.updates, (std::vector<int>{2}));

    cols.updates.clear();
    cols.BeginUpdate();
    a->SetWidth(1);
    cols.Delete(0);
    cols.EndUpdate();
    EXPECT_EQ(cols.updates, (std::vector<int>{-1}));
    EXPECT_EQ(cols.Count(), 2);
    EXPECT_EQ(cols.FindItemID(2), nullptr);
    EXPECT_EQ(cols.Add()->ID(), 3);  // ids are never reused
    EXPECT_THROW(cols.Delete(5), base::Error);
    EXPECT_THROW(cols.Insert(-1), base::Error);

    Columns copy(nullptr);
    copy.Assign(cols);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Items(1)->width, 10);
    delete copy.Items(0);
    EXPECT_EQ(copy.Count(), 2);
}

}  // namespace
}  // namespace fw
