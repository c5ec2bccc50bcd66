#include "vbmp3/core/FileInfo.h"

#include <algorithm>
#include <vector>

#include "vbmp3/core/ApeTag.h"
#include "vbmp3/core/FieldText.h"
#include "vbmp3/core/Id3v1Tag.h"
#include "vbmp3/core/Id3v2Tag.h"
#include "vbmp3/core/RiffContainer.h"
#include "vbmp3/core/TrailingTags.h"

namespace vbmp3 {
namespace {

// Taggers sometimes leave several ID3v2 tags in front of the audio; more than this is damage.
constexpr int kMaxLeadingId3v2Tags = 16;

// Where the audio may start after the ID3v2 tags at `pos`; their offsets go to `tags`. A tag
// claiming to reach past the end is damaged: the search for audio starts right after its header.
std::uint64_t SkipLeadingId3v2(BufferedReader& reader, std::uint64_t pos, std::uint64_t end,
                               std::vector<std::uint64_t>& tags) {
    while (tags.size() < kMaxLeadingId3v2Tags && end - pos >= kId3v2HeaderSize) {
        const std::uint8_t* p = reader.At(pos, kId3v2HeaderSize);
        const std::optional<Id3v2Header> header = p ? ParseId3v2Header(p) : std::nullopt;
        if (!header) break;
        tags.push_back(pos);
        if (header->TotalSize() > end - pos) return pos + kId3v2HeaderSize;
        pos += header->TotalSize();
    }
    return pos;
}

bool IsMpegWaveFormat(std::uint16_t formatTag) {
    return formatTag == kWaveFormatMpegLayer3 || formatTag == kWaveFormatMpeg || formatTag == 0;
}

} // namespace

bool ReadFileInfo(ByteSource& source, FileInfo& info) {
    BufferedReader reader(source);
    const std::uint64_t size = reader.Size();
    std::vector<std::uint64_t> id3v2Tags;
    std::uint64_t begin = 0;
    std::uint64_t end = size;
    if (const std::optional<RiffAudio> riff = FindRiffAudio(reader)) {
        if (!IsMpegWaveFormat(riff->formatTag)) return false;
        begin = riff->dataBegin;
        end = riff->dataEnd;
        if (riff->id3Chunk) id3v2Tags.push_back(*riff->id3Chunk);
    } else {
        begin = SkipLeadingId3v2(reader, 0, size, id3v2Tags);
    }
    const TrailingTags trailing = FindTrailingTags(reader, std::min(begin, size), size);
    end = std::min(end, trailing.audioEnd);

    const std::optional<std::uint64_t> firstFrame = FindFirstFrame(reader, begin, end);
    if (!firstFrame) return false;
    info.stream = MeasureStream(reader, *firstFrame, end);
    info.lengthMs =
        info.stream.samples * 1000 / static_cast<std::uint64_t>(info.stream.first.sampleRate);

    TagTexts texts;
    if (trailing.id3v2) id3v2Tags.push_back(*trailing.id3v2);
    for (std::uint64_t offset : id3v2Tags)
        ReadId3v2Texts(reader, offset, size, texts);
    if (trailing.ape) ReadApeTexts(reader, *trailing.ape, texts);
    if (trailing.id3v1) ReadId3v1Texts(reader, *trailing.id3v1, texts);

    info.tagKinds = (id3v2Tags.empty() ? 0u : kTagId3v2) | (trailing.id3v1 ? kTagId3v1 : 0u) |
                    (trailing.ape ? kTagApe : 0u) | (trailing.hasLyrics3 ? kTagLyrics3 : 0u);
    FitTextToField(texts.fields[kTitle], info.title, kTextFieldSize);
    FitTextToField(texts.fields[kArtist], info.artist, kTextFieldSize);
    FitTextToField(texts.fields[kAlbum], info.album, kTextFieldSize);
    return true;
}

} // namespace vbmp3
