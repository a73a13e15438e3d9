#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace base {

enum class SeekOrigin { Begin, Current, End };

// A growable byte buffer with a position, for reading untrusted data (archives, images) and for
// building bytes. The position may stand past the end: reads there give nothing and a write
// fills the gap with zeros.
class MemoryStream {
public:
    // Writes that would make the stream larger than this fail instead of allocating without bound.
    static constexpr std::size_t kMaxSize = std::size_t{1} << 30;

    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    explicit MemoryStream(std::string_view bytes);

    // Copies up to count bytes and returns how many there were.
    std::size_t read(void* destination, std::size_t count);
    // Reads exactly count bytes or throws base::Error (the position is then unchanged).
    void readExact(void* destination, std::size_t count);
    void write(const void* source, std::size_t count);
    void write(std::string_view bytes) { write(bytes.data(), bytes.size()); }

    // Returns the new position; a position before the start throws base::Error.
    std::size_t seek(std::int64_t offset, SeekOrigin origin = SeekOrigin::Begin);
    std::size_t position() const { return position_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return position_ < bytes_.size() ? bytes_.size() - position_ : 0; }

    // Sets the size; new bytes are zero, and the position is kept.
    void truncate(std::size_t newSize);
    void clear();

    const std::uint8_t* data() const { return bytes_.data(); }
    std::uint8_t* data() { return bytes_.data(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    // Little-endian values; a value cut off by the end throws base::Error.
    std::uint8_t readU8();
    std::uint16_t readU16();
    std::uint32_t readU32();
    std::int32_t readI32();
    void writeU8(std::uint8_t value);
    void writeU16(std::uint16_t value);
    void writeU32(std::uint32_t value);
    void writeI32(std::int32_t value);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace base
