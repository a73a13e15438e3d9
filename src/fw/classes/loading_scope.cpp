#include "fw/classes/loading_scope.h"

#include <vector>

namespace fw {
namespace {

void CollectLoading(TComponent& c, std::vector<TComponent*>& out)
{
    if (c.Loading()) out.push_back(&c);
    for (int i = 0; i < c.ComponentCount(); ++i) CollectLoading(*c.Components(i), out);
}

TComponent* FirstLoading(TComponent& c)
{
    if (c.Loading()) return &c;
    for (int i = 0; i < c.ComponentCount(); ++i)
        if (TComponent* found = FirstLoading(*c.Components(i))) return found;
    return nullptr;
}

}  // namespace

TLoadingScope::TLoadingScope(TComponent& root) : root_(root) { root_.BeginLoading(); }

TLoadingScope::~TLoadingScope()
{
    if (finished_) return;
    std::vector<TComponent*> loading;
    CollectLoading(root_, loading);
    for (TComponent* c : loading) c->EndLoading();
}

void TLoadingScope::Finish()
{
    if (finished_) return;
    finished_ = true;
    // A component's Loaded may create or free others, so the next one is looked up afresh each time.
    while (TComponent* next = FirstLoading(root_)) {
        next->Loaded();
        next->EndLoading();  // also for an override that did not call the base
    }
}

}  // namespace fw
