// One shared 256-colour palette for all skin bitmaps, so a pixel painted alike in two bitmaps
// keeps one colour in both and a state image differs from the background only where its key
// was painted differently.
#pragma once

#include "tools/skingen/BmpFile.h"

#include <cstdint>
#include <map>
#include <vector>

namespace skingen {

// The colours of every bitmap, as they should be, with a mark for pixels of the key colour.
struct TrueColourImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels; // rows top to bottom
    std::vector<std::uint8_t> isKey;
};

class SharedPalette {
public:
    // Index 0 is `key`, used only by key-marked pixels; the other 255 entries are chosen for the
    // colours of all `images` together and never equal `key`.
    SharedPalette(const std::vector<const TrueColourImage*>& images, Rgb8 key);

    IndexedImage Apply(const TrueColourImage& image) const;

private:
    std::uint8_t NearestIndex(Rgb8 c) const;

    std::array<Rgb8, 256> m_palette{};
    std::map<std::uint32_t, std::uint8_t> m_index; // packed colour -> palette index
};

} // namespace skingen
