#include "fw/classes/string_list.h"

#include <algorithm>
#include <numeric>

#include "base/error.h"
#include "base/file.h"
#include "base/letter_case.h"
#include "base/utf8.h"

namespace fw {

// --- TStrings ---

void TStrings::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit) throw base::Error("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::Put(int index, const std::string& text)
{
    TObject* object = GetObject(index);
    TStringsUpdate update(*this);
    Delete(index);
    InsertObject(index, text, object);
}

TObject* TStrings::GetObject(int index) const
{
    CheckIndex(index, Count());
    return nullptr;
}

void TStrings::PutObject(int index, TObject*)
{
    CheckIndex(index, Count());
}

int TStrings::Add(const std::string& text)
{
    int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::AddObject(const std::string& text, TObject* object)
{
    int index = Add(text);
    if (index >= 0) PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& text, TObject* object)
{
    Insert(index, text);
    PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& lines)
{
    TStringsUpdate update(*this);
    for (int i = 0, n = lines.Count(); i < n; ++i) AddObject(lines.Get(i), lines.GetObject(i));
}

void TStrings::Exchange(int index1, int index2)
{
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    if (index1 == index2) return;
    TStringsUpdate update(*this);
    std::string text1 = Get(index1);
    TObject* object1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, text1);
    PutObject(index2, object1);
}

void TStrings::Move(int from, int to)
{
    CheckIndex(from, Count());
    CheckIndex(to, Count());
    if (from == to) return;
    TStringsUpdate update(*this);
    std::string text = Get(from);
    TObject* object = GetObject(from);
    Delete(from);
    InsertObject(to, text, object);
}

int TStrings::IndexOf(std::string_view text) const
{
    for (int i = 0, n = Count(); i < n; ++i)
        if (base::equalsIgnoreCase(Get(i), text)) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0, n = Count(); i < n; ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

std::string TStrings::Names(int index) const
{
    std::string line = Get(index);
    std::size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

int TStrings::IndexOfName(std::string_view name) const
{
    for (int i = 0, n = Count(); i < n; ++i) {
        std::string line = Get(i);
        std::size_t eq = line.find('=');
        if (eq != std::string::npos && base::equalsIgnoreCase(std::string_view(line).substr(0, eq), name)) return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const
{
    int i = IndexOfName(name);
    if (i < 0) return {};
    std::string line = Get(i);
    return line.substr(line.find('=') + 1);
}

void TStrings::SetValues(std::string_view name, std::string_view value)
{
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
        return;
    }
    std::string line = std::string(name) + "=" + std::string(value);
    if (i >= 0)
        Put(i, line);
    else
        Add(line);
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0, n = Count(); i < n; ++i) {
        text += Get(i);
        text += kLineBreak;
    }
    return text;
}

void TStrings::SetText(std::string_view text)
{
    TStringsUpdate update(*this);
    Clear();
    for (const std::string& line : base::splitLines(text)) Add(line);
}

void TStrings::LoadFromFile(const std::string& path)
{
    base::TextFile file = base::readTextFile(path);
    SetText(file.text);
    encoding_ = file.encoding;
}

void TStrings::LoadFromStream(base::MemoryStream& stream)
{
    std::string_view bytes(reinterpret_cast<const char*>(stream.data()) + stream.position(), stream.remaining());
    base::TextFile file = base::decodeText(bytes);
    SetText(file.text);
    encoding_ = file.encoding;
    stream.seek(0, base::SeekOrigin::End);
}

void TStrings::SaveToFile(const std::string& path) const
{
    base::writeTextFile(path, Text(), encoding_);
}

void TStrings::SaveToStream(base::MemoryStream& stream) const
{
    stream.write(base::encodeText(Text(), encoding_));
}

void TStrings::BeginUpdate()
{
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate()
{
    if (updateCount_ == 0) return;
    --updateCount_;
    if (updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent& source)
{
    if (&source == this) return;
    if (const auto* other = As<TStrings>(&source)) {
        TStringsUpdate update(*this);
        Clear();
        AddStrings(*other);
        encoding_ = other->encoding_;
        return;
    }
    TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count()) return false;
    for (int i = 0, n = Count(); i < n; ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

// --- TStringList ---

TStringList::~TStringList() = default;

void TStringList::Changing()
{
    if (UpdateCount() == 0 && onChanging_) onChanging_(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && onChange_) onChange_(this);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[std::size_t(index)].text;
}

void TStringList::Put(int index, const std::string& text)
{
    if (sorted_) throw base::Error("Operation not allowed on sorted list");
    CheckIndex(index, Count());
    Changing();
    items_[std::size_t(index)].text = text;
    Changed();
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index, Count());
    return items_[std::size_t(index)].object;
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index, Count());
    Changing();
    items_[std::size_t(index)].object = object;
    Changed();
}

void TStringList::insertItem(int index, const std::string& text, TObject* object)
{
    Changing();
    items_.insert(items_.begin() + index, Item{text, object});
    Changed();
}

void TStringList::Insert(int index, const std::string& text)
{
    if (sorted_) throw base::Error("Operation not allowed on sorted list");
    CheckIndex(index, Count() + 1);
    insertItem(index, text, nullptr);
}

int TStringList::Add(const std::string& text)
{
    if (!sorted_) {
        insertItem(Count(), text, nullptr);
        return Count() - 1;
    }
    int index = 0;
    if (Find(text, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw base::Error("String list does not allow duplicates");
    }
    insertItem(index, text, nullptr);
    return index;
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const
{
    if (caseSensitive_) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return base::compareIgnoreCase(a, b);
}

int TStringList::IndexOf(std::string_view text) const
{
    if (sorted_) {
        int index = 0;
        return Find(text, index) ? index : -1;
    }
    for (int i = 0, n = Count(); i < n; ++i)
        if (CompareStrings(items_[std::size_t(i)].text, text) == 0) return i;
    return -1;
}

bool TStringList::Find(std::string_view text, int& index) const
{
    // The first of equal lines, so that duplicates are found in order.
    int low = 0, high = Count();
    while (low < high) {
        int mid = low + (high - low) / 2;
        if (CompareStrings(items_[std::size_t(mid)].text, text) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    index = low;
    return low < Count() && CompareStrings(items_[std::size_t(low)].text, text) == 0;
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (Count() < 2) return;
    Changing();
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(std::move(items_[std::size_t(i)]));
    items_ = std::move(sorted);
    Changed();
}

void TStringList::Sort()
{
    if (Count() < 2) return;
    if (caseSensitive_) {
        CustomSort([](const TStringList& list, int a, int b) {
            return list.CompareStrings(list.items_[std::size_t(a)].text, list.items_[std::size_t(b)].text);
        });
        return;
    }
    // Each line's upper-case code points are found once; compared in order they give exactly
    // CompareStrings' order, which Find relies on.
    std::vector<std::u32string> keys;
    keys.reserve(items_.size());
    for (const Item& item : items_) {
        std::u32string key;
        for (std::size_t at = 0; at < item.text.size();) {
            base::DecodedCodePoint c = base::decodeUtf8(item.text, at);
            key.push_back(base::toUpperCodePoint(c.codePoint));
            at += c.length;
        }
        keys.push_back(std::move(key));
    }
    Changing();
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(std::move(items_[std::size_t(i)]));
    items_ = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool on)
{
    if (on == caseSensitive_) return;
    caseSensitive_ = on;
    if (sorted_) Sort();
}

}  // namespace fw
