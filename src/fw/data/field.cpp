#include "fw/data/field.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/error.h"
#include "base/letter_case.h"
#include "fw/data/data_set.h"

namespace fw {
namespace {

std::string numberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

TAlignment alignmentFor(TFieldType type) {
    return type == ftInteger || type == ftFloat ? taRightJustify : taLeftJustify;
}

}  // namespace

TField::TField(TDataSet* dataSet, std::string fieldName, TFieldType dataType, int size, int fieldNo)
    : TComponent(nullptr),
      dataSet_(dataSet),
      fieldName_(std::move(fieldName)),
      dataType_(dataType),
      size_(size),
      fieldNo_(fieldNo),
      alignment_(alignmentFor(dataType)) {}

int TField::Index() const {
    const auto& list = dataSet_->FieldList();
    const auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : int(found - list.begin());
}

void TField::SetDisplayLabel(std::string label) {
    if (label == displayLabel_) return;
    displayLabel_ = std::move(label);
    dataSet_->DataEvent(deLayoutChange);
}

int TField::DisplayWidth() const {
    if (displayWidth_ >= 0) return displayWidth_;
    switch (dataType_) {
    case ftString: return size_ > 0 ? size_ : 20;
    case ftBoolean: return 5;
    case ftDateTime: return 18;
    case ftInteger: return 11;
    case ftFloat: return 10;
    default: return 10;
    }
}

void TField::SetDisplayWidth(int width) {
    if (width == displayWidth_) return;
    displayWidth_ = std::max(0, width);
    dataSet_->DataEvent(deLayoutChange);
}

void TField::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    dataSet_->DataEvent(deLayoutChange);
}

void TField::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    dataSet_->DataEvent(deLayoutChange);
}

bool TField::CanModify() const { return !readOnly_ && dataSet_->CanModify(); }

Cell TField::value() const { return dataSet_->FieldValue(Index()); }

bool TField::IsNull() const { return value().type == CellType::Null; }

std::string TField::textOf(const Cell& cell) const {
    switch (cell.type) {
    case CellType::Null: return "";
    case CellType::Integer:
        if (dataType_ == ftBoolean) return cell.integer ? "True" : "False";
        return std::to_string(cell.integer);
    case CellType::Float: return numberText(cell.real);
    case CellType::Text:
    case CellType::Blob: return std::string(cell.bytes);
    }
    return "";
}

std::string TField::AsString() const { return textOf(value()); }

std::int64_t TField::AsInteger() const {
    const Cell cell = value();
    switch (cell.type) {
    case CellType::Null: return 0;
    case CellType::Integer: return cell.integer;
    case CellType::Float: return static_cast<std::int64_t>(cell.real);
    default: {
        std::int64_t result = 0;
        const char* end = cell.bytes.data() + cell.bytes.size();
        const auto [stop, error] = std::from_chars(cell.bytes.data(), end, result);
        if (error != std::errc() || stop != end)
            throw base::Error("'" + std::string(cell.bytes) + "' is not a valid integer value");
        return result;
    }
    }
}

double TField::AsFloat() const {
    const Cell cell = value();
    switch (cell.type) {
    case CellType::Null: return 0;
    case CellType::Integer: return static_cast<double>(cell.integer);
    case CellType::Float: return cell.real;
    default: {
        const std::string text(cell.bytes);
        char* end = nullptr;
        const double result = std::strtod(text.c_str(), &end);
        if (text.empty() || !end || *end) throw base::Error("'" + text + "' is not a valid floating point value");
        return result;
    }
    }
}

bool TField::AsBoolean() const {
    const Cell cell = value();
    if (cell.type == CellType::Integer) return cell.integer != 0;
    if (cell.type == CellType::Float) return cell.real != 0;
    if (cell.type == CellType::Null) return false;
    const std::string text = base::toUpperAscii(cell.bytes);
    if (text == "TRUE" || text == "T" || text == "YES" || text == "1") return true;
    if (text == "FALSE" || text == "F" || text == "NO" || text == "0" || text.empty()) return false;
    throw base::Error("'" + std::string(cell.bytes) + "' is not a valid boolean value");
}

std::string TField::DisplayText() const {
    std::string text;
    if (dataType_ == ftMemo || dataType_ == ftBlob) {
        const bool empty = value().bytes.empty();
        if (dataType_ == ftMemo)
            text = empty ? "(memo)" : "(MEMO)";
        else
            text = empty ? "(blob)" : "(BLOB)";
    } else {
        text = AsString();
    }
    if (OnGetText) OnGetText(const_cast<TField*>(this), text, true);
    return text;
}

std::string TField::Text() const {
    std::string text = AsString();
    if (OnGetText) OnGetText(const_cast<TField*>(this), text, false);
    return text;
}

void TField::write(OwnedValue value) {
    if (readOnly_) throw base::Error("Field '" + fieldName_ + "' cannot be modified");
    dataSet_->SetFieldValue(this, std::move(value));
}

void TField::SetAsString(std::string_view text) {
    OwnedValue value;
    value.type = CellType::Text;
    value.bytes = text;
    switch (dataType_) {
    case ftInteger:
        if (text.empty()) {
            value.type = CellType::Null;
            break;
        }
        {
            std::int64_t number = 0;
            const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), number);
            if (error != std::errc() || stop != text.data() + text.size())
                throw base::Error("'" + std::string(text) + "' is not a valid integer value");
            value = OwnedValue{CellType::Integer, {}, number, 0};
        }
        break;
    case ftFloat:
        if (text.empty()) {
            value.type = CellType::Null;
            break;
        }
        {
            const std::string copy(text);
            char* end = nullptr;
            const double number = std::strtod(copy.c_str(), &end);
            if (!end || *end) throw base::Error("'" + copy + "' is not a valid floating point value");
            value = OwnedValue{CellType::Float, {}, 0, number};
        }
        break;
    case ftBlob: value.type = CellType::Blob; break;
    default: break;
    }
    write(std::move(value));
}

void TField::SetAsInteger(std::int64_t value) { write({CellType::Integer, {}, value, 0}); }
void TField::SetAsFloat(double value) { write({CellType::Float, {}, 0, value}); }
void TField::SetAsBoolean(bool value) { write({CellType::Integer, {}, value ? 1 : 0, 0}); }
void TField::Clear() { write({}); }

}  // namespace fw
