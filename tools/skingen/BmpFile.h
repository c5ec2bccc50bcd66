// 8-bit palette bitmaps (.bmp): the only form the skin's bitmaps take, written by the skin
// generator and read back by the tests that check the art. Platform-free.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skingen {

struct Rgb8 {
    std::uint8_t r, g, b;
    bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb8& o) const { return !(*this == o); }
};

// One palette of 256 colours and one index per pixel, rows top to bottom.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<Rgb8, 256> palette{};
    std::vector<std::uint8_t> indices;

    Rgb8 At(int x, int y) const { return palette[indices[static_cast<size_t>(y) * width + x]]; }
};

// A file with a 40-byte info header, 8 bits per pixel, no compression, all 256 palette entries
// and bottom-up rows, each padded to four bytes: the form every version of the system loads.
std::vector<std::uint8_t> EncodeBmp8(const IndexedImage& image);

// Reads exactly the form EncodeBmp8 writes (any palette length up to 256); nothing for any other.
std::optional<IndexedImage> DecodeBmp8(const std::vector<std::uint8_t>& bytes);

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace skingen
