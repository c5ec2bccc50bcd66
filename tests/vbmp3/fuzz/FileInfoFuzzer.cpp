// libFuzzer target: the file-information parser on arbitrary bytes. Besides the sanitizers'
// findings, it traps when a reported field breaks what the player relies on.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "vbmp3/core/Cp932.h"
#include "vbmp3/core/FileInfo.h"

namespace {

// Zero-terminated inside the field, no control codes, no lead byte without its trail byte.
void CheckField(const char* field) {
    const void* zero = std::memchr(field, 0, vbmp3::kTextFieldSize);
    if (!zero) std::abort();
    const std::size_t length = static_cast<const char*>(zero) - field;
    for (std::size_t i = 0; i < length; ++i) {
        const auto b = static_cast<std::uint8_t>(field[i]);
        if (b < 0x20 || b == 0x7F) std::abort();
        if (vbmp3::cp932::IsLeadByte(b)) {
            if (i + 1 >= length) std::abort();
            ++i;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vbmp3::MemoryByteSource source(data, size);
    vbmp3::FileInfo info;
    if (!vbmp3::ReadFileInfo(source, info)) return 0;
    CheckField(info.title);
    CheckField(info.artist);
    CheckField(info.album);
    const vbmp3::StreamFacts& s = info.stream;
    if (s.firstFrameOffset >= size || s.audioBytes > size) std::abort();
    if (s.first.sampleRate < 8000 || s.first.sampleRate > 48000) std::abort();
    return 0;
}
