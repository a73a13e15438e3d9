#pragma once

#include <functional>
#include <vector>

#include "fw/classes/component.h"
#include "fw/classes/events.h"
#include "fw/data/data_event.h"
#include "fw/data/data_set.h"

namespace fw {

class TField;

using TDataChangeEvent = std::function<void(TObject* sender, TField* field)>;

// Joins a data set to the controls that show it: each control's data link names this source.
class TDataSource : public TComponent {
    FW_CLASS(TDataSource, TComponent, "AutoEdit", "DataSet", "Enabled")
public:
    explicit TDataSource(TComponent* owner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    // A disabled source shows its links an inactive data set.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }
    TDataSetState State() const { return dataSet_ && enabled_ ? dataSet_->State() : dsInactive; }
    void Edit();  // puts the data set in edit state when AutoEdit allows

    TNotifyEvent OnStateChange;
    TDataChangeEvent OnDataChange;

    // For the data set and links.
    void DataEvent(TDataEvent event, std::intptr_t info);
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    const std::vector<TDataLink*>& Links() const { return links_; }

    void Notification(TComponent* component, TOperation operation) override;

private:
    void NotifyLinksOfState();

    TDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    bool autoEdit_ = true;
    std::vector<TDataLink*> links_;
};

}  // namespace fw
