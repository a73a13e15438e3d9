#include "base/trim.h"

#include <gtest/gtest.h>

namespace {

TEST(Trim, RemovesBlanksAtEitherEnd) {
    EXPECT_EQ(base::trim(" \t key = value \r\n"), "key = value");
    EXPECT_EQ(base::trimLeft("  a "), "a ");
    EXPECT_EQ(base::trimRight("  a "), "  a");
    EXPECT_EQ(base::trim(" \v\f "), "");
    EXPECT_EQ(base::trim(""), "");
    EXPECT_EQ(base::trim(" Привет "), "Привет");  // UTF-8 bytes are never taken for blanks
}

}  // namespace
