#pragma once

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/system/sys_colors.h"
#include "plat/windowing.h"

namespace plat::testing {

// Windows of class "Probe" write down the messages they get as "name:MESSAGE".
struct Journal {
    std::vector<std::string> lines;
    std::string joined(const std::string& onlyPrefix = {}) const;
    void clear() { lines.clear(); }
};
Journal& TheJournal();
const char* MessageName(UINT m);  // null for messages the journal leaves out

class WindowDesktop : public ::testing::Test {
protected:
    void SetUp() override;
    // A probe window: a top-level one when parent is null, else a child with the given id.
    HWND probe(const std::string& name, RECT r, HWND parent = {}, DWORD style = 0, int id = 0);
    HeadlessDesktop desk;
};

}  // namespace plat::testing
