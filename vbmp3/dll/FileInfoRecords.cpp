#include "vbmp3/dll/FileInfoRecords.h"

#include <cstring>

namespace vbmp3 {
namespace {

INT32 Clamped(std::uint64_t value) {
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<INT32>(value);
}

INT32 VersionNumber(MpegVersion version) {
    switch (version) {
    case MpegVersion::Mpeg1:
        return 10;
    case MpegVersion::Mpeg2:
        return 20;
    default:
        return 25;
    }
}

} // namespace

void FillFileInfoRecords(const FileInfo& info, VBMP3_TAG_INFO& tag, VBMP3_STREAM_INFO& stream) {
    static_assert(sizeof(tag.szTitle) == kTextFieldSize && sizeof(tag.szArtist) == kTextFieldSize &&
                      sizeof(tag.szAlbum) == kTextFieldSize,
                  "the core fits texts to the record's fields");
    std::memset(&tag, 0, sizeof tag);
    std::memcpy(tag.szTitle, info.title, kTextFieldSize);
    std::memcpy(tag.szArtist, info.artist, kTextFieldSize);
    std::memcpy(tag.szAlbum, info.album, kTextFieldSize);
    tag.nTagKinds = static_cast<INT32>(info.tagKinds);

    const StreamFacts& s = info.stream;
    std::memset(&stream, 0, sizeof stream);
    stream.nSampleRate = s.first.sampleRate;
    stream.nChannels = s.first.Channels();
    stream.nBitRate = s.AverageBitRateKbps();
    stream.nMpegVersion = VersionNumber(s.first.version);
    stream.nLayer = s.first.layer;
    stream.nChannelMode = static_cast<INT32>(s.first.channelMode);
    stream.nFrames = Clamped(s.frameCount);
    stream.nEncoderDelay = s.encoderDelay;
    stream.nPadding = s.encoderPadding;
    stream.nAudioOffset = Clamped(s.firstFrameOffset);
    stream.nLengthSource = static_cast<INT32>(s.lengthSource);
    stream.nTotalMs = Clamped(info.lengthMs);
    stream.nTotalSec = Clamped(info.lengthMs / 1000);
}

} // namespace vbmp3
