#include "base/memory_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "base/error.h"

namespace {

TEST(MemoryStream, ReadsWritesAndSeeks) {
    base::MemoryStream s;
    s.write("hello world");
    EXPECT_EQ(s.size(), 11u);
    EXPECT_EQ(s.position(), 11u);

    EXPECT_EQ(s.seek(-5, base::SeekOrigin::End), 6u);
    char buffer[16] = {};
    EXPECT_EQ(s.read(buffer, sizeof buffer), 5u);  // short read at the end
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(s.read(buffer, 1), 0u);

    s.seek(0);
    s.write("J");
    EXPECT_EQ(s.seek(2, base::SeekOrigin::Current), 3u);
    s.write("L");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.data()), s.size()), "JelLo world");

    s.truncate(3);
    EXPECT_EQ(s.size(), 3u);
    EXPECT_EQ(s.remaining(), 0u);
}

TEST(MemoryStream, WritingPastTheEndFillsWithZeros) {
    base::MemoryStream s(std::string_view("ab"));
    s.seek(4);
    EXPECT_EQ(s.read(nullptr, 0), 0u);
    s.writeU8(0x7F);
    EXPECT_EQ(s.bytes(), (std::vector<std::uint8_t>{'a', 'b', 0, 0, 0x7F}));
}

TEST(MemoryStream, LittleEndianValuesRoundTrip) {
    base::MemoryStream s;
    s.writeU8(0xAB);
    s.writeU16(0x1234);
    s.writeU32(0xDEADBEEF);
    s.writeI32(-2);
    EXPECT_EQ(s.bytes()[1], 0x34);
    EXPECT_EQ(s.bytes()[3], 0xEF);
    s.seek(0);
    EXPECT_EQ(s.readU8(), 0xAB);
    EXPECT_EQ(s.readU16(), 0x1234);
    EXPECT_EQ(s.readU32(), 0xDEADBEEFu);
    EXPECT_EQ(s.readI32(), -2);
}

TEST(MemoryStream, TruncatedOrHostileInputThrowsWithoutMoving) {
    base::MemoryStream s(std::string_view("\x01\x02\x03"));
    s.seek(1);
    EXPECT_THROW(s.readU32(), base::Error);
    EXPECT_EQ(s.position(), 1u);
    char buffer[4];
    EXPECT_THROW(s.readExact(buffer, 3), base::Error);
    EXPECT_EQ(s.readU16(), 0x0302);
    EXPECT_THROW(s.readU8(), base::Error);

    EXPECT_THROW(s.seek(-1), base::Error);
    EXPECT_THROW(s.seek(-4, base::SeekOrigin::End), base::Error);
    EXPECT_THROW(s.seek(std::numeric_limits<std::int64_t>::max(), base::SeekOrigin::End), base::Error);
    EXPECT_EQ(s.position(), 3u);

    // A far seek from a damaged header must not turn a write into a huge allocation.
    s.seek(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(s.writeU8(1), base::Error);
    EXPECT_THROW(s.truncate(base::MemoryStream::kMaxSize + 1), base::Error);
    EXPECT_EQ(s.size(), 3u);
}

}  // namespace
