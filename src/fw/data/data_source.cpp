#include "fw/data/data_source.h"

#include <algorithm>

#include "fw/data/data_link.h"

namespace fw {

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    for (TDataLink* link : std::vector<TDataLink*>(links_)) link->SetDataSource(nullptr);
    SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) {
        dataSet_->UnregisterDataSource(this);
        RemoveFreeNotification(dataSet_);
    }
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->RegisterDataSource(this);
        dataSet_->FreeNotification(this);
    }
    NotifyLinksOfState();
}

void TDataSource::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    NotifyLinksOfState();
}

void TDataSource::Edit() {
    if (autoEdit_ && dataSet_ && dataSet_->State() == dsBrowse) dataSet_->Edit();
}

void TDataSource::NotifyLinksOfState() {
    for (TDataLink* link : std::vector<TDataLink*>(links_)) link->DataEvent(deUpdateState, 0);
    if (OnStateChange) OnStateChange(this);
}

void TDataSource::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deUpdateState) {
        NotifyLinksOfState();
        return;
    }
    if (!enabled_) return;
    for (TDataLink* link : std::vector<TDataLink*>(links_))
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->DataEvent(event, info);
    if (OnDataChange && (event == deDataSetChange || event == deDataSetScroll || event == deRecordChange ||
                         event == deFieldChange))
        OnDataChange(this, event == deDataSetChange || event == deDataSetScroll
                               ? nullptr
                               : reinterpret_cast<TField*>(info));
}

void TDataSource::AddLink(TDataLink* link) {
    if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) { std::erase(links_, link); }

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == dataSet_) {
        dataSet_->UnregisterDataSource(this);
        dataSet_ = nullptr;
        NotifyLinksOfState();
    }
}

}  // namespace fw
