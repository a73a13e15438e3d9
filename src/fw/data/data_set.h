#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/classes/component.h"
#include "fw/classes/set.h"
#include "fw/data/bookmark.h"
#include "fw/data/data_event.h"
#include "fw/data/field.h"
#include "fw/data/record_cursor.h"

namespace fw {

class TDataSource;
class TDataLink;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
using enum TDataSetState;

enum class TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = TSet<TLocateOption>;
using enum TLocateOption;

using TDataSetNotifyEvent = std::function<void(TDataSet* dataSet)>;

// A value to look for with Locate; none stands for null.
using TLocateValue = std::optional<std::string>;

// The records of a result, one of them current, with the fields that read it. Linked controls
// hear of every change through their data sources; DisableControls holds that back. The result
// itself comes from OpenCursor, which a concrete data set gives.
class TDataSet : public TComponent {
    FW_CLASS(TDataSet, TComponent, "Active")
public:
    explicit TDataSet(TComponent* owner);
    ~TDataSet() override;

    // Opening runs the query and makes the first record current; a failure raises and leaves
    // the data set closed. While loading, Active is kept and applied by Loaded.
    bool Active() const { return state_ != dsInactive; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return state_; }

    // Records and moving. Moves stop at the ends; MoveBy returns the distance it went.
    int RecordCount() const;
    bool IsEmpty() const;
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    int MoveBy(int distance);
    // 1-based; 0 without a current record. Setting it goes there (kept within the records).
    int RecNo() const;
    void SetRecNo(int recNo);
    bool IsSequenced() const { return true; }  // a snapshot's count and positions are known

    // Bookmarks.
    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark& bookmark);  // raises for a bookmark that is no longer good
    bool BookmarkValid(const TBookmark& bookmark) const;
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;  // -1, 0, 1 by position
    void FreeBookmark(TBookmark& bookmark) const { bookmark = {}; }

    // Looks from the first record for one whose fields (names separated by ";") have the values;
    // makes it current and returns true, or leaves the current record and returns false.
    bool Locate(std::string_view keyFields, const std::vector<TLocateValue>& keyValues, TLocateOptions options);
    bool Locate(std::string_view keyField, const TLocateValue& keyValue, TLocateOptions options) {
        return Locate(keyField, std::vector<TLocateValue>{keyValue}, options);
    }

    // Fields of the open result, in column order.
    int FieldCount() const { return int(fields_.size()); }
    TField* Fields(int index) const;  // raises base::Error outside the list
    const std::vector<TField*>& FieldList() const { return fieldList_; }
    TField* FindField(std::string_view name) const;   // by name regardless of case; null if none
    TField* FieldByName(std::string_view name) const;  // raises base::Error naming the field

    // Changing records. Edit and Insert/Append start, Post writes (in the file when it returns),
    // Cancel drops; moving away from an edited record posts it. Delete removes the current record
    // from the file and the result; the record after it becomes current.
    bool CanModify() const;
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();  // posts a pending edit
    bool Modified() const { return modified_; }

    // Linked controls hear nothing until the matching EnableControls, which then tells them once.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // Tells every data source and link; used by fields and by controls.
    void DataEvent(TDataEvent event, std::intptr_t info = 0);

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeScroll, AfterScroll, BeforeDelete,
        AfterDelete, BeforePost, AfterPost, BeforeEdit, AfterEdit, BeforeInsert, AfterInsert, OnNewRecord;

    void Loaded() override;

    // For fields and links: the values of the record fields read now.
    Cell FieldValue(int fieldIndex) const;
    void SetFieldValue(TField* field, OwnedValue value);
    // The record that fields read: the current one, or another buffered one a link made active.
    std::size_t ReadPosition() const { return readOverride_ ? *readOverride_ : current_; }
    std::size_t CurrentPosition() const { return current_; }
    void SetReadPosition(std::size_t position);
    void RegisterDataSource(TDataSource* source);
    void UnregisterDataSource(TDataSource* source);

protected:
    // The result of the current SQL text (or whatever the data set shows); raises on failure.
    virtual std::unique_ptr<RecordCursor> OpenCursor() = 0;
    virtual void CloseCursor() {}
    // Raises base::Error prefixed with the component's name.
    [[noreturn]] void Fail(const std::string& message) const;
    void CheckActive() const;
    void CheckInactive() const;

private:
    void BeginInsert(bool atEnd);
    void DoOpen();
    void DoClose();
    void CreateFields();
    void MoveTo(std::size_t position, bool hitBof, bool hitEof);
    void SetState(TDataSetState state);
    void Fire(const TDataSetNotifyEvent& event) { if (event) event(this); }
    void ForEachLink(const std::function<void(TDataLink*)>& action);

    std::unique_ptr<RecordCursor> cursor_;
    TDataSetState state_ = dsInactive;
    bool streamedActive_ = false;
    std::size_t current_ = 0;
    std::optional<std::size_t> readOverride_;
    bool bof_ = true, eof_ = true;
    std::uint64_t result_ = 0;  // counts openings, for bookmarks
    std::uint64_t openings_ = 0;

    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<TField*> fieldList_;

    // The record being edited or inserted: one value per field, none where unchanged.
    std::vector<std::optional<OwnedValue>> edits_;
    bool modified_ = false;
    std::size_t insertAt_ = 0;

    std::vector<TDataSource*> dataSources_;
    int disableCount_ = 0;
    TDataSetState stateAtDisable_ = dsInactive;
    bool pendingChange_ = false, pendingLayout_ = false;
};

}  // namespace fw
