#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fw/classes/object.h"
#include "fw/classes/set.h"

namespace fw {

enum class TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csFreeNotification };
using TComponentState = TSet<TComponentStateItem>;
using enum TComponentStateItem;

enum class TOperation { opInsert, opRemove };
using enum TOperation;

// A component has an owner that frees it, a name unique among its owner's components, and a list
// of the components it owns. Components with an owner are made with `new` and are freed by the
// owner, or earlier by `delete`, which takes them out of their owner's list.
class TComponent : public TPersistent {
    FW_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Raises base::Error for a name that is not an identifier or is taken in the owner.
    void SetName(std::string_view name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const;  // raises base::Error outside the list
    int ComponentIndex() const;  // position in the owner's list; -1 without owner
    TComponent* FindComponent(std::string_view name) const;  // owned, by name regardless of case

    void InsertComponent(TComponent* component);  // takes ownership (from a former owner too)
    void RemoveComponent(TComponent* component);  // gives it up; the caller now owns it
    void DestroyComponents();  // frees the owned components, last first

    TComponentState ComponentState() const { return state_; }
    bool Loading() const { return state_.Contains(csLoading); }
    bool IsDestroying() const { return state_.Contains(csDestroying); }
    void SetDesigning(bool on, bool includeOwned = true);

    // `component` is told (Notification opRemove) when this one goes, whoever owns either.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Marks this component and everything it owns as being destroyed.
    void Destroying();
    // Marks the component as loading (and reading); Loaded ends it, EndLoading drops it quietly.
    void BeginLoading();
    void EndLoading();

    // Told about components inserted into or removed from the owner's tree, and about any
    // component asked to free-notify this one. The base passes it on to everything owned.
    virtual void Notification(TComponent* component, TOperation operation);
    // Called once all components of a form resource exist and have their stored properties.
    virtual void Loaded();

protected:
    // A component may refuse a child component (raise base::Error).
    virtual void ValidateInsert(TComponent* component);
    virtual void SetComponentState(TComponentState state) { state_ = state; }

private:
    void CheckName(std::string_view name) const;
    void Unlink(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    TComponentState state_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;  // both directions: each side lists the other
};

}  // namespace fw
