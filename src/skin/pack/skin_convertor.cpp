#include "skin/pack/skin_convertor.h"

#include <zlib.h>

#include <cstring>
#include <limits>

#include "base/error.h"
#include "base/file.h"
#include "base/format.h"
#include "base/letter_case.h"

namespace skin {

namespace {

constexpr char kMagic[4] = {'A', 'S', 'z', 'f'};
// Smallest entry: name length, no name, size, and an empty zlib stream of 8 bytes.
constexpr std::size_t kMinEntryBytes = 4 + 4 + 8;
// Deflate cannot expand data by more than about 1032 times.
constexpr std::size_t kMaxInflateRatio = 1040;

// Walks the archive bytes; every read is checked against what remains.
class ArchiveReader {
public:
    ArchiveReader(std::span<const std::uint8_t> bytes, const std::string& source) : bytes_(bytes), source_(source) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    std::span<const std::uint8_t> rest() const { return bytes_.subspan(pos_); }
    void skip(std::size_t n) { pos_ += n; }

    std::int32_t readI32(const char* what)
    {
        if (remaining() < 4) fail(base::format("the archive ends inside the %s", what));
        const std::uint8_t* p = bytes_.data() + pos_;
        pos_ += 4;
        const std::uint32_t v = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                                (std::uint32_t{p[3]} << 24);
        return static_cast<std::int32_t>(v);
    }

    [[noreturn]] void fail(const std::string& why) const
    {
        throw base::Error(base::format("Skin archive \"%s\" is damaged: %s", source_, why));
    }

private:
    std::span<const std::uint8_t> bytes_;
    const std::string& source_;
    std::size_t pos_ = 0;
};

bool isOptionsName(std::string_view name) { return base::toUpperAscii(name) == base::toUpperAscii(kOptionsFileName); }

bool isBitmapName(std::string_view name) { return base::toUpperAscii(base::fileExtension(name)) == ".BMP"; }

// A name is one plain file name: the tool writes these names into a folder.
bool isPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == '\0') return false;
    return true;
}

std::string zlibMessage(int code, const z_stream& z)
{
    if (z.msg != nullptr) return z.msg;
    switch (code) {
    case Z_DATA_ERROR: return "data error";
    case Z_STREAM_ERROR: return "stream error";
    case Z_BUF_ERROR: return "buffer error";
    case Z_MEM_ERROR: return "insufficient memory";
    case Z_NEED_DICT: return "need dictionary";
    case Z_VERSION_ERROR: return "incompatible version";
    default: return base::format("zlib error %d", code);
    }
}

// Inflates one zlib stream from the reader's position into exactly `size` bytes and moves the
// reader to the first byte after the stream's trailer.
std::vector<std::uint8_t> inflateEntry(ArchiveReader& in, std::size_t size, const std::string& entry)
{
    // One byte of room beyond the size shows a stream that holds more than it should.
    std::vector<std::uint8_t> out(size + 1);
    z_stream z{};
    int rc = inflateInit(&z);
    if (rc != Z_OK) in.fail(base::format("entry \"%s\": %s", entry, zlibMessage(rc, z)));
    const std::span<const std::uint8_t> rest = in.rest();
    // The caller's ceilings keep every count far below zlib's 32 bits.
    z.next_in = const_cast<Bytef*>(rest.data());
    z.avail_in = static_cast<uInt>(std::min<std::size_t>(rest.size(), std::numeric_limits<uInt>::max()));
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    std::string why;
    for (;;) {
        rc = inflate(&z, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) break;
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            why = zlibMessage(rc, z);
            break;
        }
        if (z.avail_out == 0) {
            why = "the stream holds more than the stated size";
            break;
        }
        if (z.avail_in == 0 || rc == Z_BUF_ERROR) {
            why = "Stream read error";
            break;
        }
    }
    const std::size_t produced = z.total_out;
    const std::size_t consumed = z.total_in;
    inflateEnd(&z);
    if (why.empty() && produced > size) why = "the stream holds more than the stated size";
    if (why.empty() && produced < size) why = "Stream read error";
    if (!why.empty()) in.fail(base::format("entry \"%s\": %s", entry, why));
    in.skip(consumed);
    out.resize(size);
    return out;
}

}  // namespace

void TacSkinConvertor::setPackedData(std::vector<std::uint8_t> bytes)
{
    ownedPacked_ = std::move(bytes);
    packed_ = ownedPacked_;
}

void TacSkinConvertor::setPackedDataView(std::span<const std::uint8_t> bytes)
{
    ownedPacked_.clear();
    packed_ = bytes;
}

void TacSkinConvertor::freePackedData()
{
    ownedPacked_ = {};
    packed_ = {};
}

void TacSkinConvertor::Clear()
{
    while (!Files.empty()) Files.pop_back();
    Options.reset();
    ImageCount = 0;
    freePackedData();
}

bool TacSkinConvertor::ExtractPackedData(const std::string& sourceName)
{
    if (packed_.size() < 4 || std::memcmp(packed_.data(), kMagic, 4) != 0) {
        Files.clear();
        Options.reset();
        ImageCount = 0;
        if (Warning) Warning("Loaded data is not a packed skin file", "Warning");
        return false;
    }
    try {
        unpackEntries(sourceName);
    } catch (...) {
        Files.clear();
        Options.reset();
        ImageCount = 0;
        throw;
    }
    return true;
}

void TacSkinConvertor::unpackEntries(const std::string& sourceName)
{
    ArchiveReader in(packed_, sourceName);
    in.skip(4);
    const std::int32_t count = in.readI32("file count");
    if (count < 1 || count > kMaxEntries || std::size_t(count) > in.remaining() / kMinEntryBytes)
        in.fail(base::format("it claims %d files in %d bytes", count, in.remaining()));
    ImageCount = count - 1;
    Files.reserve(std::size_t(count - 1));
    std::size_t total = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t nameLength = in.readI32("length of a file name");
        if (nameLength < 0 || nameLength > kMaxNameBytes || std::size_t(nameLength) > in.remaining())
            in.fail(base::format("file %d has a name of %d bytes", i + 1, nameLength));
        const std::span<const std::uint8_t> nameBytes = in.rest().first(std::size_t(nameLength));
        std::string name(nameBytes.begin(), nameBytes.end());
        in.skip(nameBytes.size());
        if (!isPlainFileName(name)) in.fail(base::format("file %d has no plain file name (\"%s\")", i + 1, name));
        const std::int32_t size = in.readI32("size of a file");
        if (size < 0 || std::size_t(size) > kMaxEntryBytes ||
            std::size_t(size) > in.remaining() * kMaxInflateRatio || std::size_t(size) > kMaxTotalBytes - total)
            in.fail(base::format("entry \"%s\" claims %d bytes", name, size));
        total += std::size_t(size);
        std::vector<std::uint8_t> bytes = inflateEntry(in, std::size_t(size), name);
        auto stream = std::make_unique<base::MemoryStream>(std::move(bytes));
        stream->seek(0, base::SeekOrigin::End);
        if (isOptionsName(name)) {
            if (Options) in.fail("it holds more than one options file");
            Options = std::move(stream);
        } else {
            TacImageItem item;
            item.Name = std::move(name);
            item.IsBitmap = isBitmapName(item.Name);
            item.Data = std::move(*stream);
            Files.push_back(std::move(item));
        }
    }
    if (in.remaining() != 0) in.fail(base::format("%d bytes follow the last file", in.remaining()));
    if (!Options) in.fail(base::format("it holds no %s", kOptionsFileName));
}

const TacImageItem* TacSkinConvertor::findFile(std::string_view name) const
{
    for (const TacImageItem& item : Files)
        if (base::toUpperAscii(item.Name) == name) return &item;
    return nullptr;
}

}  // namespace skin
