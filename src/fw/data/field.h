#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "fw/classes/alignment.h"
#include "fw/classes/component.h"
#include "fw/data/field_type.h"
#include "fw/data/record_cursor.h"

namespace fw {

class TDataSet;
class TField;

// `displayText`: the text is for showing (true) or for editing (false).
using TFieldGetTextEvent = std::function<void(TField* sender, std::string& text, bool displayText)>;

// One column of a data set, read and written through the data set's current record (or the
// record a link has made active while painting).
class TField : public TComponent {
    FW_CLASS(TField, TComponent, "Alignment", "DisplayLabel", "DisplayWidth", "FieldName", "ReadOnly", "Visible")
public:
    TField(TDataSet* dataSet, std::string fieldName, TFieldType dataType, int size, int fieldNo);

    TDataSet* DataSet() const { return dataSet_; }
    const std::string& FieldName() const { return fieldName_; }
    int FieldNo() const { return fieldNo_; }  // 1-based column of the result
    int Index() const;                        // position in the data set's field list
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    bool IsBlob() const { return dataType_ == ftMemo || dataType_ == ftBlob; }

    const std::string& DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(std::string label);
    int DisplayWidth() const;
    void SetDisplayWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool CanModify() const;

    bool IsNull() const;
    std::string AsString() const;  // a memo's or blob's whole value
    std::int64_t AsInteger() const;  // text that is no number raises base::Error
    double AsFloat() const;
    bool AsBoolean() const;
    // The text shown for the value; a memo or blob shows "(MEMO)" or "(BLOB)" ("(memo)" when empty).
    std::string DisplayText() const;
    // The text given to an editor: the value as text.
    std::string Text() const;

    // Writing needs the data set in edit or insert state.
    void SetAsString(std::string_view text);
    void SetAsInteger(std::int64_t value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);
    void SetText(std::string_view text) { SetAsString(text); }
    void Clear();

    TFieldGetTextEvent OnGetText;

private:
    Cell value() const;
    void write(OwnedValue value);
    std::string textOf(const Cell& cell) const;

    TDataSet* dataSet_;
    std::string fieldName_;
    TFieldType dataType_;
    int size_;
    int fieldNo_;
    std::string displayLabel_;
    int displayWidth_ = -1;  // -1: the width that suits the type
    TAlignment alignment_;
    bool readOnly_ = false;
    bool visible_ = true;
};

// The field classes by type, so that a control can ask what a field is by its class.
#define FW_FIELD_CLASS(Name)                        \
    class Name : public TField {                    \
        FW_CLASS(Name, TField)                      \
    public:                                         \
        using TField::TField;                       \
    };
FW_FIELD_CLASS(TStringField)
FW_FIELD_CLASS(TIntegerField)
FW_FIELD_CLASS(TFloatField)
FW_FIELD_CLASS(TBooleanField)
FW_FIELD_CLASS(TDateTimeField)
FW_FIELD_CLASS(TBlobField)
#undef FW_FIELD_CLASS

class TMemoField : public TBlobField {
    FW_CLASS(TMemoField, TBlobField)
public:
    using TBlobField::TBlobField;
};

}  // namespace fw
