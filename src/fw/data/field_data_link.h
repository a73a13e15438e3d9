#pragma once

#include <functional>
#include <string>

#include "fw/data/data_link.h"

namespace fw {

class TComponent;

// The link of a control that shows one field of the current record (a memo, an edit). It finds
// its field by name whenever the data set opens, closes or makes new fields; a name the data set
// does not have leaves it without a field, which the control shows as empty.
class TFieldDataLink : public TDataLink {
public:
    TComponent* Control() const { return control_; }
    void SetControl(TComponent* control) { control_ = control; }
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(std::string name);
    TField* Field() const { return field_; }
    bool CanModify() const;
    // The control's text differs from the field: UpdateData will be asked to write it.
    void Modified() { modified_ = true; }
    // Drops the control's changes: it is told to show the field again.
    void Reset();

    std::function<void()> OnDataChange;     // show the field's value again
    std::function<void()> OnEditingChange;  // editing began or ended
    std::function<void()> OnUpdateData;     // write the control's text into the field
    std::function<void()> OnActiveChange;

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void EditingChanged() override;
    void UpdateData() override;

private:
    void UpdateField();

    TComponent* control_ = nullptr;
    std::string fieldName_;
    TField* field_ = nullptr;
    bool modified_ = false;
};

}  // namespace fw
