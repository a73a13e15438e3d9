#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// An empty folder of its own for each test, under the build tree.
inline std::string skinScratchFolder()
{
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder = std::filesystem::path(SENTAVIA_TEST_OUT) / "skin" /
                                         (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}
