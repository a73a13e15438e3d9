#pragma once

#include <cstdint>

#include "fw/data/data_event.h"

namespace fw {

class TDataSet;
class TDataSource;
class TField;

// A control's view of a data source: a window of consecutive records (its buffers), one of
// which is the data set's current record, and the notifications of changes. The window follows
// the current record with the least movement and stays full when there are records enough.
class TDataLink {
public:
    TDataLink() = default;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;
    virtual ~TDataLink();

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;
    // Active while the source is enabled and its data set open.
    bool Active() const { return active_; }
    bool Editing() const { return editing_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // The window: how many records the control can show, how many it holds now, and which of them
    // is current. Setting ActiveRecord makes another held record the one fields read (while
    // painting); set it back when done.
    int BufferCount() const { return bufferCount_; }
    void SetBufferCount(int count);
    int RecordCount() const;
    int ActiveRecord() const;
    void SetActiveRecord(int index);
    // Position in the data set of the first held record.
    int FirstRecord() const { return first_; }

    bool Bof() const;
    bool Eof() const;
    int MoveBy(int distance);
    // Puts the data set in edit state when allowed; returns whether it is editing.
    bool Edit();
    // Asks the controls to write pending edits into the fields.
    void UpdateRecord();

    // From the data source.
    virtual void DataEvent(TDataEvent event, std::intptr_t info);
    // Follows the data set's current record without telling the control.
    void FitWindow();

protected:
    virtual void ActiveChanged() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int distance);
    virtual void RecordChanged(TField*) {}
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void EditingChanged() {}
    virtual void UpdateData() {}
    virtual void FocusControl(TField*) {}
    virtual void CheckBrowseMode() {}
    virtual void DisabledStateChanged(bool /*disabled*/) {}

private:
    void UpdateState();
    int Count() const;

    TDataSource* dataSource_ = nullptr;
    bool active_ = false;
    bool editing_ = false;
    bool readOnly_ = false;
    bool updating_ = false;
    int bufferCount_ = 1;
    int first_ = 0;
};

}  // namespace fw
