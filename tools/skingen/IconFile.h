// Icon files (.ico) holding several sizes of one picture, each a 32-bit image with alpha and the
// 1-bit mask that older drawing paths use. Platform-free.
#pragma once

#include <cstdint>
#include <vector>

namespace skingen {

struct Rgba8 {
    std::uint8_t r, g, b, a;
};

// Square, rows top to bottom.
struct IconImage {
    int size = 0;
    std::vector<Rgba8> pixels;
};

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);

// One entry of an icon file's directory, as far as a reader checks it.
struct IconDirectoryEntry {
    int width, height, bitCount;
    std::uint32_t bytes, offset;
};

// The directory of an icon file; empty when the header is not an icon's or an entry's image lies
// outside the file.
std::vector<IconDirectoryEntry> ReadIcoDirectory(const std::vector<std::uint8_t>& file);

} // namespace skingen
