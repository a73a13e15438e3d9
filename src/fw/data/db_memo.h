#pragma once

#include <string>

#include "fw/data/field_data_link.h"
#include "fw/stdctrls/memo.h"

namespace fw {

class TDataSource;

// A memo that shows one field of its data source's current record: a long field's whole value, a
// short field's display text, and nothing while the data set is closed, empty or lacks the field.
// It is read-only here: the reference book never edits through it.
class TDBMemo : public TCustomMemo {
    FW_CLASS(TDBMemo, TCustomMemo)
public:
    explicit TDBMemo(TComponent* owner);
    ~TDBMemo() override;

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source);
    const std::string& DataField() const { return link_.FieldName(); }
    void SetDataField(std::string name) { link_.SetFieldName(std::move(name)); }
    TField* Field() const { return link_.Field(); }
    const TFieldDataLink& DataLink() const { return link_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Shows the field's value again; a skinned memo repaints after it.
    virtual void DataChange();

private:
    TFieldDataLink link_;
};

}  // namespace fw
