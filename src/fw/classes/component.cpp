#include "fw/classes/component.h"

#include <algorithm>

#include "base/error.h"
#include "base/letter_case.h"

namespace fw {
namespace {

bool IsIdentifier(std::string_view name)
{
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (name.empty() || !letter(name[0])) return false;
    return std::all_of(name.begin() + 1, name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

void Erase(std::vector<TComponent*>& list, TComponent* c)
{
    auto it = std::find(list.begin(), list.end(), c);
    if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner)
{
    if (!owner) return;
    owner->InsertComponent(this);
    if (owner->Loading()) BeginLoading();
}

TComponent::~TComponent()
{
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::CheckName(std::string_view name) const
{
    if (name.empty()) return;
    if (!IsIdentifier(name)) throw base::Error("'" + std::string(name) + "' is not a valid component name");
    if (!owner_) return;
    TComponent* same = owner_->FindComponent(name);
    if (same && same != this) throw base::Error("A component named " + std::string(name) + " already exists");
}

void TComponent::SetName(std::string_view name)
{
    if (name == name_) return;
    CheckName(name);
    name_ = name;
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw base::Error("List index out of bounds (" + std::to_string(index) + ")");
    return components_[std::size_t(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_) return -1;
    auto& list = owner_->components_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (base::equalsIgnoreCase(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->owner_ == this) return;
    if (component == this) throw base::Error("A component cannot own itself");
    for (const TComponent* o = this; o; o = o->owner_)
        if (o == component) throw base::Error("A component cannot own one of its owners");
    ValidateInsert(component);
    if (!component->name_.empty() && FindComponent(component->name_))
        throw base::Error("A component named " + component->name_ + " already exists");
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this) return;
    Notification(component, opRemove);
    Unlink(component);
}

void TComponent::Unlink(TComponent* component)
{
    Erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        Unlink(last);
        delete last;
    }
}

void TComponent::SetDesigning(bool on, bool includeOwned)
{
    state_.Set(csDesigning, on);
    if (includeOwned)
        for (TComponent* c : components_) c->SetDesigning(on, true);
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component) return;
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying)) return;
    state_.Include(csDestroying);
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::BeginLoading() { state_ += {csLoading, csReading}; }
void TComponent::EndLoading() { state_ -= {csLoading, csReading}; }

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // Handlers may add or remove components; walk by index from the end and re-check.
    for (std::size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size()) continue;
        components_[i]->Notification(component, operation);
    }
}

void TComponent::Loaded() { EndLoading(); }

void TComponent::ValidateInsert(TComponent*) {}

}  // namespace fw
