#include "fw/system/shell_open.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plat/services/shell_open.h"

namespace fw {
namespace {

TEST(ShellOpen, HandsTheTargetToTheDesktopAndRefusesWhatCouldMisleadIt)
{
    std::vector<std::string> opened;
    plat::SetShellOpenHook([&](const std::string& target) {
        opened.push_back(target);
        return true;
    });
    EXPECT_GT(ShellOpen({}, "http://example.org/путь?a=1&b=2", 10), 32);
    EXPECT_LE(ShellOpen({}, "", 10), 32);
    EXPECT_LE(ShellOpen({}, "--help", 10), 32);
    EXPECT_LE(ShellOpen({}, "http://x\n--y", 10), 32);
    plat::SetShellOpenHook({});
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.org/путь?a=1&b=2"}));
}

}  // namespace
}  // namespace fw
