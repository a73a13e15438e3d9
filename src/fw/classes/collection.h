#pragma once

#include <string>
#include <vector>

#include "fw/classes/object.h"

namespace fw {

class TCollection;

// One element of a collection (a status bar panel, a grid column). It lives in at most one
// collection, which frees it; `delete` on an item takes it out of its collection first.
class TCollectionItem : public TPersistent {
    FW_CLASS(TCollectionItem, TPersistent)
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    void SetCollection(TCollection* collection);  // moves the item to the end of `collection`
    int Index() const;  // -1 outside a collection
    void SetIndex(int index);  // moves the item; clamped to the list
    int ID() const { return id_; }  // unique and never reused within its collection
    virtual std::string DisplayName() const { return std::string(ClassName()); }

protected:
    // Tells the collection that this item (or, with allItems, every item) needs an update.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };
using enum TCollectionNotification;

class TCollection : public TPersistent {
    FW_CLASS(TCollection, TPersistent)
public:
    using ItemFactory = TCollectionItem* (*)(TCollection* collection);
    TCollection(TPersistent* owner, ItemFactory makeItem);
    ~TCollection() override;

    TPersistent* Owner() const { return owner_; }
    int Count() const { return int(items_.size()); }
    TCollectionItem* Items(int index) const;  // raises base::Error outside the list
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);  // raises base::Error outside the list
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // Changes inside an update pair make one Update(nullptr) at the end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Same item count as `source`, each item assigned from its counterpart.
    void Assign(const TPersistent& source) override;

protected:
    // After a change: `item` changed, or (null) the list or every item did.
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);

    TPersistent* owner_ = nullptr;
    ItemFactory makeItem_ = nullptr;
    std::vector<TCollectionItem*> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
};

// A collection of one item class, with typed access.
template <class Item>
class TTypedCollection : public TCollection {
public:
    explicit TTypedCollection(TPersistent* owner)
        : TCollection(owner, [](TCollection* c) -> TCollectionItem* { return new Item(c); })
    {
    }
    Item* Add() { return static_cast<Item*>(TCollection::Add()); }
    Item* Insert(int index) { return static_cast<Item*>(TCollection::Insert(index)); }
    Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
};

}  // namespace fw
