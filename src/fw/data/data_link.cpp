#include "fw/data/data_link.h"

#include <algorithm>

#include "fw/data/data_set.h"
#include "fw/data/data_source.h"

namespace fw {

TDataLink::~TDataLink() {
    if (dataSource_) dataSource_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    if (dataSource_) dataSource_->RemoveLink(this);
    dataSource_ = source;
    if (dataSource_) dataSource_->AddLink(this);
    UpdateState();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

void TDataLink::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    UpdateState();
}

int TDataLink::Count() const {
    const TDataSet* dataSet = DataSet();
    return dataSet ? dataSet->RecordCount() : 0;
}

void TDataLink::FitWindow() {
    if (!active_) return;
    const TDataSet* dataSet = DataSet();
    const int count = Count();
    const int current = int(dataSet->CurrentPosition());
    if (current < first_) first_ = current;
    if (current >= first_ + bufferCount_) first_ = current - bufferCount_ + 1;
    const int held = std::min(bufferCount_, count);
    if (first_ + held > count) first_ = count - held;  // keep the window full at the end
    if (first_ < 0) first_ = 0;
}

void TDataLink::SetBufferCount(int count) {
    bufferCount_ = std::max(1, count);
    FitWindow();
}

int TDataLink::RecordCount() const {
    if (!active_) return 0;
    return std::clamp(Count() - first_, 0, bufferCount_);
}

int TDataLink::ActiveRecord() const {
    if (!active_) return 0;
    return std::max(0, int(DataSet()->ReadPosition()) - first_);
}

void TDataLink::SetActiveRecord(int index) {
    if (!active_) return;
    DataSet()->SetReadPosition(std::size_t(std::max(0, first_ + index)));
}

bool TDataLink::Bof() const { return active_ ? DataSet()->Bof() : true; }
bool TDataLink::Eof() const { return active_ ? DataSet()->Eof() : true; }
int TDataLink::MoveBy(int distance) { return active_ ? DataSet()->MoveBy(distance) : 0; }

bool TDataLink::Edit() {
    if (!readOnly_ && dataSource_) dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord() {
    updating_ = true;
    try {
        UpdateData();
    } catch (...) {
        updating_ = false;
        throw;
    }
    updating_ = false;
}

void TDataLink::UpdateState() {
    const bool active = dataSource_ && dataSource_->State() != dsInactive;
    if (active != active_) {
        active_ = active;
        first_ = 0;
        FitWindow();
        ActiveChanged();
    }
    const TDataSetState state = active_ ? dataSource_->State() : dsInactive;
    const bool editing = active_ && !readOnly_ && (state == dsEdit || state == dsInsert);
    if (editing != editing_) {
        editing_ = editing;
        EditingChanged();
    }
}

void TDataLink::DataSetScrolled(int) { DataSetChanged(); }

void TDataLink::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deUpdateState) {
        UpdateState();
        return;
    }
    if (!active_) return;
    switch (event) {
    case deFieldChange:
    case deRecordChange:
        if (!updating_) RecordChanged(reinterpret_cast<TField*>(info));
        break;
    case deDataSetChange:
        FitWindow();
        DataSetChanged();
        break;
    case deDataSetScroll: {
        const int before = first_;
        FitWindow();
        DataSetScrolled(first_ - before);
        break;
    }
    case deLayoutChange:
        FitWindow();
        LayoutChanged();
        break;
    case deUpdateRecord: UpdateRecord(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    case deFocusControl: FocusControl(reinterpret_cast<TField*>(info)); break;
    case deDisabledStateChange: DisabledStateChanged(info != 0); break;
    case deUpdateState: break;
    }
}

}  // namespace fw
