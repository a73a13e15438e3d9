#include "fw/classes/collection.h"

#include <algorithm>

#include "base/error.h"

namespace fw {
namespace {

[[noreturn]] void BadIndex(int index) { throw base::Error("List index out of bounds (" + std::to_string(index) + ")"); }

}  // namespace

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem()
{
    if (collection_) collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* collection)
{
    if (collection == collection_) return;
    if (collection_) collection_->RemoveItem(this);
    if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (!collection_) return -1;
    auto& items = collection_->items_;
    return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index)
{
    int current = Index();
    if (current < 0) return;
    auto& items = collection_->items_;
    index = std::clamp(index, 0, int(items.size()) - 1);
    if (index == current) return;
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

void TCollectionItem::Changed(bool allItems)
{
    if (!collection_) return;
    if (collection_->updateCount_ > 0) {
        collection_->changedWhileUpdating_ = true;
        return;
    }
    collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TPersistent* owner, ItemFactory makeItem) : owner_(owner), makeItem_(makeItem) {}

TCollection::~TCollection()
{
    ++updateCount_;  // no updates to an owner that is going away
    while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const
{
    if (index < 0 || index >= Count()) BadIndex(index);
    return items_[std::size_t(index)];
}

TCollectionItem* TCollection::Add()
{
    if (!makeItem_) throw base::Error(std::string(ClassName()) + " cannot make items");
    return makeItem_(this);
}

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count()) BadIndex(index);
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = Add();
        item->SetIndex(index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear()
{
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) delete items_.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (TCollectionItem* item : items_)
        if (item->id_ == id) return item;
    return nullptr;
}

void TCollection::EndUpdate()
{
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Update(nullptr);
    }
}

void TCollection::Changed()
{
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    Update(nullptr);
}

void TCollection::Assign(const TPersistent& source)
{
    auto* other = As<TCollection>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    try {
        while (Count() > other->Count()) delete items_.back();
        while (Count() < other->Count()) Add();
        for (int i = 0; i < Count(); ++i) items_[std::size_t(i)]->Assign(*other->items_[std::size_t(i)]);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}
void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::InsertItem(TCollectionItem* item)
{
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item)
{
    Notify(item, cnExtracting);
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it != items_.end()) items_.erase(it);
    item->collection_ = nullptr;
    Changed();
}

}  // namespace fw
