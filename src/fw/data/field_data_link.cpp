#include "fw/data/field_data_link.h"

#include "fw/data/data_set.h"

namespace fw {

void TFieldDataLink::SetFieldName(std::string name) {
    if (name == fieldName_) return;
    fieldName_ = std::move(name);
    UpdateField();
}

bool TFieldDataLink::CanModify() const { return !ReadOnly() && field_ && field_->CanModify(); }

void TFieldDataLink::Reset() { RecordChanged(nullptr); }

void TFieldDataLink::UpdateField() {
    TDataSet* dataSet = DataSet();
    field_ = Active() && dataSet && !fieldName_.empty() ? dataSet->FindField(fieldName_) : nullptr;
    RecordChanged(nullptr);
}

void TFieldDataLink::ActiveChanged() {
    UpdateField();
    if (OnActiveChange) OnActiveChange();
}

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* field) {
    if (field && field != field_) return;
    modified_ = false;
    if (OnDataChange) OnDataChange();
}

void TFieldDataLink::EditingChanged() {
    if (OnEditingChange) OnEditingChange();
}

void TFieldDataLink::UpdateData() {
    if (!modified_) return;
    if (field_ && OnUpdateData) OnUpdateData();
    modified_ = false;
}

}  // namespace fw
