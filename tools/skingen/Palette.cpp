#include "tools/skingen/Palette.h"

#include <algorithm>
#include <cstdlib>

namespace skingen {
namespace {

constexpr int kChosenEntries = 255;
constexpr int kRefinements = 8;

std::uint32_t Pack(Rgb8 c) {
    return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
}
Rgb8 Unpack(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v)};
}
int Channel(Rgb8 c, int k) {
    return k == 0 ? c.r : k == 1 ? c.g : c.b;
}

// Green weighs most and blue least, roughly as the eye tells colours apart.
int Distance(Rgb8 a, Rgb8 b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Weighted {
    Rgb8 colour;
    std::uint64_t count;
};

struct Sum {
    std::uint64_t r = 0, g = 0, b = 0, n = 0;
    void Add(const Weighted& w) {
        r += w.colour.r * w.count;
        g += w.colour.g * w.count;
        b += w.colour.b * w.count;
        n += w.count;
    }
    Rgb8 Mean() const {
        auto avg = [this](std::uint64_t s) { return static_cast<std::uint8_t>((s + n / 2) / n); };
        return {avg(r), avg(g), avg(b)};
    }
};

using Box = std::vector<Weighted>;

std::uint64_t Population(const Box& box) {
    std::uint64_t n = 0;
    for (const Weighted& w : box)
        n += w.count;
    return n;
}

// The channel with the widest spread in the box, and that spread.
std::pair<int, int> WidestChannel(const Box& box) {
    std::pair<int, int> best{0, -1};
    for (int k = 0; k < 3; ++k) {
        const auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [k](auto& a, auto& b) {
            return Channel(a.colour, k) < Channel(b.colour, k);
        });
        const int spread = Channel(hi->colour, k) - Channel(lo->colour, k);
        if (spread > best.second) best = {k, spread};
    }
    return best;
}

// Median cut: split the box that holds most pixels times colour spread at its weighted median,
// until there are `count` boxes or every box holds a single colour.
std::vector<Box> MedianCut(Box all, int count) {
    std::vector<Box> boxes{std::move(all)};
    while (static_cast<int>(boxes.size()) < count) {
        int pick = -1;
        std::uint64_t bestScore = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].size() < 2) continue;
            const std::uint64_t score = Population(boxes[i]) * (WidestChannel(boxes[i]).second + 1);
            if (score > bestScore) bestScore = score, pick = i;
        }
        if (pick < 0) break;
        Box& box = boxes[pick];
        const int k = WidestChannel(box).first;
        std::sort(box.begin(), box.end(), [k](const Weighted& a, const Weighted& b) {
            const int ca = Channel(a.colour, k), cb = Channel(b.colour, k);
            return ca != cb ? ca < cb : Pack(a.colour) < Pack(b.colour);
        });
        const std::uint64_t half = Population(box) / 2;
        std::uint64_t seen = 0;
        size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            seen += box[cut - 1].count;
            if (seen >= half) break;
        }
        Box upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

} // namespace

SharedPalette::SharedPalette(const std::vector<const TrueColourImage*>& images, Rgb8 key) {
    std::map<std::uint32_t, std::uint64_t> histogram;
    for (const TrueColourImage* image : images)
        for (size_t i = 0; i < image->pixels.size(); ++i)
            if (!image->isKey[i]) ++histogram[Pack(image->pixels[i])];
    Box all;
    for (const auto& [packed, count] : histogram)
        all.push_back({Unpack(packed), count});

    m_palette[0] = key;
    std::vector<Box> boxes = MedianCut(all, kChosenEntries);
    for (size_t i = 0; i < boxes.size(); ++i) {
        Sum sum;
        for (const Weighted& w : boxes[i])
            sum.Add(w);
        m_palette[i + 1] = sum.Mean();
    }
    const int used = 1 + static_cast<int>(boxes.size());
    // Spare entries repeat the first, so a nearest-colour search never lands on them.
    for (int i = used; i < 256; ++i)
        m_palette[i] = m_palette[1];

    // A few rounds of moving each entry to the mean of the colours nearest to it.
    for (int round = 0; round < kRefinements; ++round) {
        std::vector<Sum> sums(used);
        for (const Weighted& w : all) {
            int best = 1;
            for (int i = 2; i < used; ++i)
                if (Distance(w.colour, m_palette[i]) < Distance(w.colour, m_palette[best]))
                    best = i;
            sums[best].Add(w);
        }
        for (int i = 1; i < used; ++i)
            if (sums[i].n) m_palette[i] = sums[i].Mean();
    }
    for (int i = 1; i < 256; ++i)
        if (m_palette[i] == key) m_palette[i].b = static_cast<std::uint8_t>(key.b + 1);

    for (const Weighted& w : all)
        m_index[Pack(w.colour)] = NearestIndex(w.colour);
}

std::uint8_t SharedPalette::NearestIndex(Rgb8 c) const {
    int best = 1;
    for (int i = 2; i < 256; ++i)
        if (Distance(c, m_palette[i]) < Distance(c, m_palette[best])) best = i;
    return static_cast<std::uint8_t>(best);
}

IndexedImage SharedPalette::Apply(const TrueColourImage& image) const {
    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.palette = m_palette;
    out.indices.resize(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        if (image.isKey[i]) {
            out.indices[i] = 0;
            continue;
        }
        const auto found = m_index.find(Pack(image.pixels[i]));
        out.indices[i] = found != m_index.end() ? found->second : NearestIndex(image.pixels[i]);
    }
    return out;
}

} // namespace skingen
