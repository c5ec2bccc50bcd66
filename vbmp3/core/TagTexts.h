// The texts the library reports from tags, in code page 932 before they are fitted to the
// record's fields. An empty text means the tag lacks that field.
#ifndef VBMP3_CORE_TAGTEXTS_H
#define VBMP3_CORE_TAGTEXTS_H

#include <cstddef>
#include <string>

namespace vbmp3 {

enum TagField { kTitle, kArtist, kAlbum, kTagFieldCount };

// Longest tag value that is read at all: far more than any field holds after conversion, and it
// keeps a text frame that claims megabytes from costing megabytes.
constexpr std::size_t kMaxTagValueBytes = 4096;

struct TagTexts {
    std::string fields[kTagFieldCount];

    bool Has(TagField f) const { return !fields[f].empty(); }
    bool Complete() const { return Has(kTitle) && Has(kArtist) && Has(kAlbum); }
    // Sets `f` unless a stronger tag already did.
    // A text of spaces and control codes only counts as missing.
    void Offer(TagField f, std::string text) {
        if (Has(f)) return;
        for (char c : text) {
            if (static_cast<unsigned char>(c) > ' ') {
                fields[f] = std::move(text);
                return;
            }
        }
    }
};

} // namespace vbmp3

#endif
