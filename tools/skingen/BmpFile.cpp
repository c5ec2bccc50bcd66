#include "tools/skingen/BmpFile.h"

#include "tools/skingen/LittleEndian.h"

#include <fstream>
#include <iterator>

namespace skingen {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 256 * 4;

int RowStride(int width) {
    return (width + 3) & ~3;
}

} // namespace

std::vector<std::uint8_t> EncodeBmp8(const IndexedImage& image) {
    const std::uint32_t imageSize =
        static_cast<std::uint32_t>(RowStride(image.width)) * image.height;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, pixelOffset + imageSize);
    PutU32(out, 0); // reserved
    PutU32(out, pixelOffset);

    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(image.width));
    PutU32(out, static_cast<std::uint32_t>(image.height)); // positive: bottom-up
    PutU16(out, 1);                                        // planes
    PutU16(out, 8);                                        // bits per pixel
    PutU32(out, 0);                                        // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, 2835); // 72 dots per inch, both ways
    PutU32(out, 2835);
    PutU32(out, 256); // colours used
    PutU32(out, 0);   // colours important: all

    for (const Rgb8& c : image.palette) {
        PutU8(out, c.b);
        PutU8(out, c.g);
        PutU8(out, c.r);
        PutU8(out, 0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        out.insert(out.end(), row, row + image.width);
        out.resize(out.size() + (RowStride(image.width) - image.width), 0);
    }
    return out;
}

std::optional<IndexedImage> DecodeBmp8(const std::vector<std::uint8_t>& bytes) {
    LittleEndianReader in(bytes);
    if (in.U8(0) != 'B' || in.U8(1) != 'M') return std::nullopt;
    const std::uint32_t pixelOffset = in.U32(10);
    const std::int32_t width = in.S32(18);
    const std::int32_t height = in.S32(22);
    const std::uint32_t colours = in.U32(46) == 0 ? 256 : in.U32(46);
    if (in.Failed() || in.U32(14) != kInfoHeaderSize || in.U16(26) != 1 || in.U16(28) != 8 ||
        in.U32(30) != 0 || width <= 0 || height <= 0 || width > 4096 || height > 4096 ||
        colours > 256)
        return std::nullopt;

    IndexedImage image;
    image.width = width;
    image.height = height;
    const size_t paletteAt = kFileHeaderSize + kInfoHeaderSize;
    for (std::uint32_t i = 0; i < colours; ++i) {
        const size_t at = paletteAt + 4 * i;
        image.palette[i] = {static_cast<std::uint8_t>(in.U8(at + 2)),
                            static_cast<std::uint8_t>(in.U8(at + 1)),
                            static_cast<std::uint8_t>(in.U8(at))};
    }
    const size_t stride = RowStride(width);
    if (in.Failed() || pixelOffset < paletteAt + 4 * colours ||
        bytes.size() < pixelOffset + stride * height)
        return std::nullopt;
    image.indices.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto row = bytes.begin() + pixelOffset + stride * (height - 1 - y);
        std::copy(row, row + width, image.indices.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    return image;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace skingen
