#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/memory_stream.h"
#include "base/text_file.h"
#include "fw/classes/events.h"
#include "fw/classes/object.h"

namespace fw {

// A list of texts, each with an optional object (which the list does not own).
//
// The base holds the behaviour shared by every kind of list (text, files, search, assignment,
// update brackets); a kind of list stores its lines its own way (TStringList in memory, a memo's
// lines in its edit window) by overriding the storage calls. Indexes outside the list raise
// base::Error.
class TStrings : public TPersistent {
    FW_CLASS(TStrings, TPersistent)
public:
    // What Text puts after every line.
    static constexpr std::string_view kLineBreak = "\r\n";

    // Storage.
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& text) { Put(index, text); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    // Returns the new line's index.
    virtual int Add(const std::string& text);
    int AddObject(const std::string& text, TObject* object);
    void InsertObject(int index, const std::string& text, TObject* object);
    void AddStrings(const TStrings& lines);
    void Exchange(int index1, int index2);
    void Move(int from, int to);

    // The first line equal to text without regard to case; -1 for none.
    virtual int IndexOf(std::string_view text) const;
    int IndexOfObject(const TObject* object) const;

    // "name=value" lines: the name is before the first "=", compared without regard to case.
    std::string Names(int index) const;
    std::string Values(std::string_view name) const;
    void SetValues(std::string_view name, std::string_view value);  // an empty value deletes the line
    int IndexOfName(std::string_view name) const;

    // Every line followed by kLineBreak. Setting it splits at CR LF, LF or CR; a final line
    // break does not make an empty last line.
    virtual std::string Text() const;
    virtual void SetText(std::string_view text);

    // Files and streams hold UTF-8 or Windows-1251 text, as base reads it; saving writes the
    // encoding the last load found (UTF-8 for a list never loaded), through a whole-file replace.
    void LoadFromFile(const std::string& path);
    void LoadFromStream(base::MemoryStream& stream);  // the rest of the stream
    void SaveToFile(const std::string& path) const;
    void SaveToStream(base::MemoryStream& stream) const;
    base::TextEncoding Encoding() const { return encoding_; }
    void SetEncoding(base::TextEncoding encoding) { encoding_ = encoding; }

    // Between BeginUpdate and the matching EndUpdate changes are told once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Lines and objects of another list.
    void Assign(const TPersistent& source) override;
    bool Equals(const TStrings& other) const;

protected:
    // Told when the first BeginUpdate starts (true) and the last EndUpdate ends (false).
    virtual void SetUpdateState(bool updating);
    void CheckIndex(int index, int limit) const;

private:
    int updateCount_ = 0;
    base::TextEncoding encoding_ = base::TextEncoding::Utf8;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

class TStringList;
// <0, 0 or >0 for lines index1 and index2 of the list.
using TStringListSortCompare = std::function<int(const TStringList& list, int index1, int index2)>;

// Lines kept in memory, optionally sorted; texts compare without regard to case unless
// CaseSensitive is set. OnChanging and OnChange bracket every change.
class TStringList : public TStrings {
    FW_CLASS(TStringList, TStrings)
public:
    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return int(items_.size()); }
    std::string Get(int index) const override;
    // Changing a line of a sorted list raises base::Error (it would break the order).
    void Put(int index, const std::string& text) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    // Inserting into a sorted list raises base::Error; Add finds the place instead.
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& text) override;
    int IndexOf(std::string_view text) const override;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool on);

    // In a sorted list: true when found, index the line's place or where it would go.
    bool Find(std::string_view text, int& index) const;
    virtual void Sort();
    // A stable sort by compare (a sorted list takes its own order back only when sorted again).
    void CustomSort(const TStringListSortCompare& compare);
    int CompareStrings(std::string_view a, std::string_view b) const;

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    const TNotifyEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changing();
    virtual void Changed();

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
    TNotifyEvent onChange_, onChanging_;

    void insertItem(int index, const std::string& text, TObject* object);
};

}  // namespace fw

namespace fw {

// BeginUpdate for a scope, ended also when an exception passes.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& lines) : lines_(lines) { lines_.BeginUpdate(); }
    ~TStringsUpdate() { lines_.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& lines_;
};

}  // namespace fw
