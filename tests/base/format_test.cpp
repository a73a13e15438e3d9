#include "base/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(Format, FillsPlaceholdersInTurn) {
    const std::string path = "/home/user/Sentavia.ini";
    EXPECT_EQ(base::format("Unable to write to %s", path), "Unable to write to /home/user/Sentavia.ini");
    EXPECT_EQ(base::format("Cannot open file \"%s\". %s", "readme.txt", "No such file"),
              "Cannot open file \"readme.txt\". No such file");
    EXPECT_EQ(base::format("%d of %s", 3, std::string_view("7")), "3 of 7");
    EXPECT_EQ(base::format("%s/%s", -2147483647 - 1, std::uint64_t{18446744073709551615u}),
              "-2147483648/18446744073709551615");
    EXPECT_EQ(base::format("%s %s %s", 'c', true, 0.5), "c True 0.5");
}

TEST(Format, OddPatternsAndArgumentCounts) {
    EXPECT_EQ(base::format("100%%"), "100%");
    EXPECT_EQ(base::format("%s and %s", "one"), "one and ");
    EXPECT_EQ(base::format("%s", "one", "two"), "one");
    EXPECT_EQ(base::format("%x %", 1), "%x %");
    EXPECT_EQ(base::format("%%s", "no"), "%s");
    EXPECT_EQ(base::format("%s", "%s"), "%s");  // arguments are not patterns
    EXPECT_EQ(base::format(""), "");
}

}  // namespace
