#include "fw/stdctrls/memo_strings.h"

#include "base/text_file.h"
#include "fw/stdctrls/memo.h"

namespace fw {

std::vector<std::string> TMemoStrings::Lines() const { return base::splitLines(memo_->Text()); }

void TMemoStrings::SetLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += kLineBreak;
        text += lines[i];
    }
    memo_->SetText(text);
}

int TMemoStrings::Count() const { return int(Lines().size()); }

std::string TMemoStrings::Get(int index) const
{
    std::vector<std::string> lines = Lines();
    CheckIndex(index, int(lines.size()));
    return lines[std::size_t(index)];
}

void TMemoStrings::Put(int index, const std::string& text)
{
    std::vector<std::string> lines = Lines();
    CheckIndex(index, int(lines.size()));
    lines[std::size_t(index)] = text;
    SetLines(lines);
}

void TMemoStrings::Insert(int index, const std::string& text)
{
    std::vector<std::string> lines = Lines();
    CheckIndex(index, int(lines.size()) + 1);
    // A text holding line breaks becomes as many lines.
    std::vector<std::string> added = base::splitLines(text);
    if (added.empty()) added.emplace_back();
    lines.insert(lines.begin() + index, added.begin(), added.end());
    SetLines(lines);
}

void TMemoStrings::Delete(int index)
{
    std::vector<std::string> lines = Lines();
    CheckIndex(index, int(lines.size()));
    lines.erase(lines.begin() + index);
    SetLines(lines);
}

void TMemoStrings::Clear() { memo_->SetText(""); }

std::string TMemoStrings::Text() const { return TStrings::Text(); }

void TMemoStrings::SetText(std::string_view text) { SetLines(base::splitLines(text)); }

}  // namespace fw
