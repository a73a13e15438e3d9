#include "fw/data/data_set.h"

#include <algorithm>

#include "base/error.h"
#include "base/letter_case.h"
#include "fw/data/data_link.h"
#include "fw/data/data_source.h"
#include "fw/data/sqlite/case_fold.h"

namespace fw {
namespace {

std::unique_ptr<TField> makeField(TDataSet* dataSet, const ColumnInfo& column, int fieldNo) {
    switch (column.kind) {
    case ColumnKind::ShortText:
        return std::make_unique<TStringField>(dataSet, column.name, ftString, column.size, fieldNo);
    case ColumnKind::LongText: return std::make_unique<TMemoField>(dataSet, column.name, ftMemo, 0, fieldNo);
    case ColumnKind::Integer: return std::make_unique<TIntegerField>(dataSet, column.name, ftInteger, 0, fieldNo);
    case ColumnKind::Float: return std::make_unique<TFloatField>(dataSet, column.name, ftFloat, 0, fieldNo);
    case ColumnKind::Date: return std::make_unique<TDateTimeField>(dataSet, column.name, ftDateTime, 0, fieldNo);
    case ColumnKind::Boolean: return std::make_unique<TBooleanField>(dataSet, column.name, ftBoolean, 0, fieldNo);
    case ColumnKind::Blob: return std::make_unique<TBlobField>(dataSet, column.name, ftBlob, 0, fieldNo);
    }
    return std::make_unique<TStringField>(dataSet, column.name, ftString, column.size, fieldNo);
}

std::vector<std::string_view> splitNames(std::string_view names) {
    std::vector<std::string_view> result;
    while (!names.empty()) {
        const std::size_t semicolon = names.find(';');
        std::string_view name = names.substr(0, semicolon);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (!name.empty()) result.push_back(name);
        if (semicolon == std::string_view::npos) break;
        names.remove_prefix(semicolon + 1);
    }
    return result;
}

}  // namespace

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() {
    // Close and let go of the sources while this is still a whole data set.
    if (Active()) {
        try {
            DoClose();
        } catch (const base::Error&) {
        }
    }
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_)) source->SetDataSet(nullptr);
}

void TDataSet::Fail(const std::string& message) const {
    throw base::Error(Name().empty() ? message : Name() + ": " + message);
}

void TDataSet::CheckActive() const {
    if (!Active()) Fail("Cannot perform this operation on a closed dataset");
}

void TDataSet::CheckInactive() const {
    if (Active()) Fail("Cannot perform this operation on an open dataset");
}

void TDataSet::SetActive(bool active) {
    if (Loading()) {
        streamedActive_ = active;
        return;
    }
    if (active == Active()) return;
    if (active)
        DoOpen();
    else
        DoClose();
}

void TDataSet::Loaded() {
    TComponent::Loaded();
    if (streamedActive_) {
        streamedActive_ = false;
        SetActive(true);
    }
}

void TDataSet::DoOpen() {
    Fire(BeforeOpen);
    cursor_ = OpenCursor();  // a failure leaves the data set closed
    try {
        CreateFields();
    } catch (...) {
        cursor_.reset();
        CloseCursor();
        throw;
    }
    result_ = ++openings_;
    if (disableCount_ > 0) pendingLayout_ = true;  // new fields: links must look theirs up again
    current_ = 0;
    readOverride_.reset();
    bof_ = true;
    eof_ = cursor_->rowCount() == 0;
    edits_.clear();
    modified_ = false;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    Fire(AfterOpen);
}

void TDataSet::DoClose() {
    Fire(BeforeClose);
    if (state_ == dsEdit || state_ == dsInsert) {
        edits_.clear();
        modified_ = false;
    }
    SetState(dsInactive);
    if (disableCount_ > 0) pendingLayout_ = true;
    fieldList_.clear();
    fields_.clear();
    cursor_.reset();
    CloseCursor();
    readOverride_.reset();
    current_ = 0;
    bof_ = eof_ = true;
    result_ = 0;
    Fire(AfterClose);
}

void TDataSet::CreateFields() {
    fieldList_.clear();
    fields_.clear();
    const auto& columns = cursor_->columns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        fields_.push_back(makeField(this, columns[c], int(c + 1)));
        fieldList_.push_back(fields_.back().get());
    }
}

void TDataSet::SetState(TDataSetState state) {
    if (state == state_) return;
    state_ = state;
    modified_ = false;
    DataEvent(deUpdateState);
}

int TDataSet::RecordCount() const { return cursor_ ? int(cursor_->rowCount()) : 0; }

bool TDataSet::IsEmpty() const { return state_ != dsInsert && RecordCount() == 0; }

int TDataSet::RecNo() const {
    if (!Active() || state_ == dsInsert || RecordCount() == 0) return 0;
    return int(current_) + 1;
}

void TDataSet::MoveTo(std::size_t position, bool hitBof, bool hitEof) {
    CheckBrowseMode();
    if (position != current_) {
        Fire(BeforeScroll);
        current_ = position;
        readOverride_.reset();
        bof_ = hitBof;
        eof_ = hitEof;
        DataEvent(deDataSetScroll);
        Fire(AfterScroll);
    } else {
        bof_ = hitBof;
        eof_ = hitEof;
    }
}

void TDataSet::First() {
    CheckActive();
    MoveTo(0, true, RecordCount() == 0);
}

void TDataSet::Last() {
    CheckActive();
    const int count = RecordCount();
    MoveTo(count ? std::size_t(count - 1) : 0, count == 0, true);
}

int TDataSet::MoveBy(int distance) {
    CheckActive();
    CheckBrowseMode();
    const int count = RecordCount();
    if (distance == 0 || count == 0) {
        if (count == 0) bof_ = eof_ = true;
        return 0;
    }
    const long long from = static_cast<long long>(current_);
    const long long target = std::clamp(from + distance, 0LL, static_cast<long long>(count - 1));
    const bool short_ = target - from != distance;
    MoveTo(std::size_t(target), distance < 0 && short_, distance > 0 && short_);
    return int(target - from);
}

void TDataSet::SetRecNo(int recNo) {
    CheckActive();
    const int count = RecordCount();
    if (count == 0) return;
    MoveTo(std::size_t(std::clamp(recNo, 1, count) - 1), false, false);
}

void TDataSet::SetReadPosition(std::size_t position) {
    if (position == current_ || !cursor_ || position >= cursor_->rowCount())
        readOverride_.reset();
    else
        readOverride_ = position;
}

TBookmark TDataSet::GetBookmark() const {
    if (!Active() || state_ == dsInsert || RecordCount() == 0) return {};
    return {result_, cursor_->keyOf(ReadPosition())};
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const {
    return Active() && !bookmark.Empty() && bookmark.result == result_ && cursor_->positionOf(bookmark.key);
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) {
    CheckActive();
    if (!BookmarkValid(bookmark)) Fail("Record not found");
    const std::size_t position = *cursor_->positionOf(bookmark.key);
    MoveTo(position, false, false);
}

int TDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    if (a.Empty() || b.Empty()) return a.Empty() == b.Empty() ? 0 : a.Empty() ? -1 : 1;
    if (a.result != b.result) return a.result < b.result ? -1 : 1;
    return a.key < b.key ? -1 : a.key > b.key ? 1 : 0;
}

bool TDataSet::Locate(std::string_view keyFields, const std::vector<TLocateValue>& keyValues,
                      TLocateOptions options) {
    CheckActive();
    CheckBrowseMode();
    std::vector<TField*> fields;
    for (std::string_view name : splitNames(keyFields)) fields.push_back(FieldByName(name));
    if (fields.empty() || fields.size() != keyValues.size()) Fail("Locate needs one value for each key field");

    const bool ignoreCase = options.Contains(loCaseInsensitive), partial = options.Contains(loPartialKey);
    std::vector<std::string> wanted;
    for (const TLocateValue& value : keyValues)
        wanted.push_back(!value ? std::string() : ignoreCase ? sqlite::caseFolded(*value) : *value);

    const std::size_t count = cursor_->rowCount();
    const std::optional<std::size_t> saved = readOverride_;
    std::optional<std::size_t> found;
    for (std::size_t p = 0; p < count && !found; ++p) {
        readOverride_ = p;
        bool all = true;
        for (std::size_t k = 0; k < fields.size() && all; ++k) {
            const Cell cell = FieldValue(fields[k]->Index());
            if (!keyValues[k]) {
                all = cell.type == CellType::Null;
                continue;
            }
            if (cell.type == CellType::Null) {
                all = false;
                continue;
            }
            std::string text = fields[k]->AsString();
            if (ignoreCase) text = sqlite::caseFolded(text);
            all = partial ? text.starts_with(wanted[k]) : text == wanted[k];
        }
        if (all) found = p;
    }
    readOverride_ = saved;
    if (!found) return false;
    MoveTo(*found, false, false);
    return true;
}

TField* TDataSet::Fields(int index) const {
    if (index < 0 || index >= FieldCount()) Fail("List index out of bounds (" + std::to_string(index) + ")");
    return fieldList_[std::size_t(index)];
}

TField* TDataSet::FindField(std::string_view name) const {
    for (TField* field : fieldList_)
        if (base::equalsIgnoreCase(field->FieldName(), name)) return field;
    return nullptr;
}

TField* TDataSet::FieldByName(std::string_view name) const {
    TField* field = FindField(name);
    if (!field) Fail("Field '" + std::string(name) + "' not found");
    return field;
}

Cell TDataSet::FieldValue(int fieldIndex) const {
    if (!cursor_ || fieldIndex < 0 || fieldIndex >= FieldCount()) return {};
    const bool editingCurrent = (state_ == dsEdit || state_ == dsInsert) && !readOverride_;
    if (editingCurrent && std::size_t(fieldIndex) < edits_.size() && edits_[std::size_t(fieldIndex)])
        return edits_[std::size_t(fieldIndex)]->view();
    if (state_ == dsInsert && !readOverride_) return {};
    const std::size_t position = ReadPosition();
    if (position >= cursor_->rowCount()) return {};
    return cursor_->value(position, std::size_t(fieldIndex));
}

void TDataSet::SetFieldValue(TField* field, OwnedValue value) {
    if (state_ != dsEdit && state_ != dsInsert) Fail("Dataset not in edit or insert mode");
    const int index = field->Index();
    if (index < 0) return;
    edits_.resize(fields_.size());
    edits_[std::size_t(index)] = std::move(value);
    modified_ = true;
    DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(field));
}

bool TDataSet::CanModify() const { return cursor_ && cursor_->canWrite(); }

void TDataSet::Edit() {
    if (state_ == dsEdit || state_ == dsInsert) return;
    CheckActive();
    if (!CanModify()) Fail("Cannot modify a read-only dataset");
    if (RecordCount() == 0) {
        Insert();
        return;
    }
    Fire(BeforeEdit);
    readOverride_.reset();
    edits_.assign(fields_.size(), std::nullopt);
    SetState(dsEdit);
    DataEvent(deRecordChange);
    Fire(AfterEdit);
}

void TDataSet::Insert() { BeginInsert(false); }

void TDataSet::Append() { BeginInsert(true); }

// Insert puts the new record before the current one, Append after the last.
void TDataSet::BeginInsert(bool atEnd) {
    CheckActive();
    CheckBrowseMode();
    if (!CanModify()) Fail("Cannot modify a read-only dataset");
    Fire(BeforeInsert);
    readOverride_.reset();
    insertAt_ = atEnd ? std::size_t(RecordCount()) : (RecordCount() == 0 ? 0 : current_);
    edits_.assign(fields_.size(), std::nullopt);
    SetState(dsInsert);
    Fire(OnNewRecord);
    modified_ = false;
    DataEvent(deDataSetChange);
    Fire(AfterInsert);
}

void TDataSet::Post() {
    if (state_ != dsEdit && state_ != dsInsert) {
        CheckActive();
        Fail("Dataset not in edit or insert mode");
    }
    DataEvent(deUpdateRecord);
    Fire(BeforePost);
    edits_.resize(fields_.size());
    if (state_ == dsEdit)
        cursor_->updateRow(current_, edits_);  // a refusal keeps the edit for another try
    else
        current_ = cursor_->insertRow(insertAt_, edits_);
    edits_.clear();
    bof_ = eof_ = false;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    Fire(AfterPost);
}

void TDataSet::Cancel() {
    if (state_ != dsEdit && state_ != dsInsert) return;
    const bool wasInsert = state_ == dsInsert;
    edits_.clear();
    SetState(dsBrowse);
    DataEvent(wasInsert ? deDataSetChange : deRecordChange);
}

void TDataSet::CheckBrowseMode() {
    if (state_ != dsEdit && state_ != dsInsert) return;
    DataEvent(deCheckBrowseMode);
    if (state_ == dsInsert && !modified_)
        Cancel();
    else
        Post();
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == dsInsert) {
        Cancel();
        return;
    }
    if (RecordCount() == 0) Fail("Cannot perform this operation on an empty dataset");
    if (!cursor_->canDelete()) Fail("Cannot modify a read-only dataset");
    if (state_ == dsEdit) Cancel();
    Fire(BeforeDelete);
    readOverride_.reset();
    cursor_->deleteRow(current_);  // in the file when it returns; a refusal changes nothing
    const std::size_t count = cursor_->rowCount();
    if (count == 0) {
        current_ = 0;
        bof_ = eof_ = true;
    } else {
        if (current_ >= count) current_ = count - 1;  // the last one went: its predecessor
        bof_ = eof_ = false;
    }
    DataEvent(deDataSetChange);
    Fire(AfterDelete);
}

void TDataSet::DisableControls() {
    if (disableCount_++ == 0) {
        stateAtDisable_ = state_;
        pendingChange_ = pendingLayout_ = false;
        DataEvent(deDisabledStateChange, 1);
    }
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ > 0) return;
    readOverride_.reset();
    if (stateAtDisable_ != state_) DataEvent(deUpdateState);
    if (state_ != dsInactive) {
        if (pendingLayout_) DataEvent(deLayoutChange);
        if (pendingChange_ || stateAtDisable_ != state_) DataEvent(deDataSetChange);
    }
    pendingChange_ = pendingLayout_ = false;
    DataEvent(deDisabledStateChange, 0);
}

void TDataSet::ForEachLink(const std::function<void(TDataLink*)>& action) {
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_))
        for (TDataLink* link : std::vector<TDataLink*>(source->Links())) action(link);
}

void TDataSet::DataEvent(TDataEvent event, std::intptr_t info) {
    if (disableCount_ > 0 && event != deDisabledStateChange && event != deUpdateRecord &&
        event != deCheckBrowseMode) {
        // Held back; the links' windows still follow, so that they are right when released.
        if (event == deLayoutChange)
            pendingLayout_ = true;
        else if (event != deUpdateState)
            pendingChange_ = true;
        if (event == deDataSetScroll || event == deDataSetChange) ForEachLink([](TDataLink* link) { link->FitWindow(); });
        return;
    }
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_)) source->DataEvent(event, info);
}

void TDataSet::RegisterDataSource(TDataSource* source) {
    if (std::find(dataSources_.begin(), dataSources_.end(), source) == dataSources_.end())
        dataSources_.push_back(source);
}

void TDataSet::UnregisterDataSource(TDataSource* source) { std::erase(dataSources_, source); }

}  // namespace fw
