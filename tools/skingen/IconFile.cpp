#include "tools/skingen/IconFile.h"

#include "tools/skingen/LittleEndian.h"

namespace skingen {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t MaskStride(int size) {
    return ((size + 31) / 32) * 4;
}

std::uint32_t ImageBytes(int size) {
    return kInfoHeaderSize + 4u * size * size + MaskStride(size) * size;
}

// The image of one directory entry: an info header whose height counts the colour rows and the
// mask rows together, then both bottom-up.
void PutImage(std::vector<std::uint8_t>& out, const IconImage& image) {
    const int n = image.size;
    PutU32(out, kInfoHeaderSize);
    PutU32(out, n);
    PutU32(out, 2 * n);
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);
    PutU32(out, ImageBytes(n) - kInfoHeaderSize);
    for (int i = 0; i < 4; ++i)
        PutU32(out, 0);
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const Rgba8& p = image.pixels[static_cast<size_t>(y) * n + x];
            PutU8(out, p.b);
            PutU8(out, p.g);
            PutU8(out, p.r);
            PutU8(out, p.a);
        }
    }
    // Mask bit set = transparent where alpha is not honoured.
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(MaskStride(n), 0);
        for (int x = 0; x < n; ++x)
            if (image.pixels[static_cast<size_t>(y) * n + x].a < 128) row[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images) {
    std::vector<std::uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1); // icon, not cursor
    PutU16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const IconImage& image : images) {
        PutU8(out, image.size >= 256 ? 0 : image.size);
        PutU8(out, image.size >= 256 ? 0 : image.size);
        PutU8(out, 0); // no palette
        PutU8(out, 0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, ImageBytes(image.size));
        PutU32(out, offset);
        offset += ImageBytes(image.size);
    }
    for (const IconImage& image : images)
        PutImage(out, image);
    return out;
}

std::vector<IconDirectoryEntry> ReadIcoDirectory(const std::vector<std::uint8_t>& file) {
    LittleEndianReader in(file);
    if (in.U16(0) != 0 || in.U16(2) != 1) return {};
    std::vector<IconDirectoryEntry> entries;
    const std::uint32_t count = in.U16(4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const size_t at = kDirectorySize + kEntrySize * i;
        IconDirectoryEntry entry{};
        entry.width = in.U8(at) == 0 ? 256 : static_cast<int>(in.U8(at));
        entry.height = in.U8(at + 1) == 0 ? 256 : static_cast<int>(in.U8(at + 1));
        entry.bitCount = static_cast<int>(in.U16(at + 6));
        entry.bytes = in.U32(at + 8);
        entry.offset = in.U32(at + 12);
        if (in.Failed() || entry.offset > file.size() || entry.bytes > file.size() - entry.offset)
            return {};
        entries.push_back(entry);
    }
    return entries;
}

} // namespace skingen
