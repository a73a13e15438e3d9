#pragma once

#include "fw/classes/string_list.h"

namespace fw {

class TCustomMemo;

// A memo's lines, read from and written to the memo's text each time, so they can never drift
// from what the window shows. Lines are the text's own lines (CR LF, LF or CR), not the rows
// that word wrap makes; a final line break does not make an empty last line.
class TMemoStrings : public TStrings {
    FW_CLASS(TMemoStrings, TStrings)
public:
    explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}

    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    std::string Text() const override;
    void SetText(std::string_view text) override;

private:
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);

    TCustomMemo* memo_;
};

}  // namespace fw
