#include "base/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/error.h"
#include "base/format.h"

namespace base {

namespace {

Error tooLarge() { return Error(format("A memory stream cannot grow beyond %d bytes", MemoryStream::kMaxSize)); }

}  // namespace

MemoryStream::MemoryStream(std::string_view bytes) : bytes_(bytes.begin(), bytes.end()) {}

std::size_t MemoryStream::read(void* destination, std::size_t count) {
    const std::size_t n = std::min(count, remaining());
    if (n > 0) std::memcpy(destination, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::readExact(void* destination, std::size_t count) {
    if (count > remaining())
        throw Error(format("Unexpected end of data: %d bytes needed at offset %d, %d available", count,
                           position_, remaining()));
    read(destination, count);
}

void MemoryStream::write(const void* source, std::size_t count) {
    if (count == 0) return;
    if (position_ > kMaxSize || count > kMaxSize - position_) throw tooLarge();
    const std::size_t end = position_ + count;
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, source, count);
    position_ = end;
}

std::size_t MemoryStream::seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t from = 0;
    if (origin == SeekOrigin::Current) from = static_cast<std::int64_t>(position_);
    if (origin == SeekOrigin::End) from = static_cast<std::int64_t>(bytes_.size());
    std::int64_t target = 0;
    if (__builtin_add_overflow(from, offset, &target) || target < 0)
        throw Error(format("Cannot seek to offset %d from %d in a stream of %d bytes", offset, from, bytes_.size()));
    position_ = static_cast<std::size_t>(target);
    return position_;
}

void MemoryStream::truncate(std::size_t newSize) {
    if (newSize > kMaxSize) throw tooLarge();
    bytes_.resize(newSize);
}

void MemoryStream::clear() {
    bytes_.clear();
    position_ = 0;
}

std::uint8_t MemoryStream::readU8() {
    std::uint8_t b[1];
    readExact(b, 1);
    return b[0];
}

std::uint16_t MemoryStream::readU16() {
    std::uint8_t b[2];
    readExact(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t MemoryStream::readU32() {
    std::uint8_t b[4];
    readExact(b, 4);
    return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
           (std::uint32_t{b[3]} << 24);
}

std::int32_t MemoryStream::readI32() { return static_cast<std::int32_t>(readU32()); }

void MemoryStream::writeU8(std::uint8_t value) { write(&value, 1); }

void MemoryStream::writeU16(std::uint16_t value) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    write(b, 2);
}

void MemoryStream::writeU32(std::uint32_t value) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                               static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    write(b, 4);
}

void MemoryStream::writeI32(std::int32_t value) { writeU32(static_cast<std::uint32_t>(value)); }

}  // namespace base
