// mp3towav <input.mp3> <output.wav>: decodes the file as the decoder library plays it (the same
// frame walk, ACM codec and gapless trim) and writes the PCM to a WAV file, as fast as it can.
// Paths arrive in the system code page. Exit codes: 0 written; 1 the input cannot be played;
// 2 usage; 3 the output cannot be written; 4 the format changes inside the file (a WAV file
// holds one format: the part before the change is written).
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/DecodedStream.h"
#include "vbmp3/playback/PlayableFile.h"
#include "vbmp3/playback/WavFileWriter.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mp3towav <input.mp3> <output.wav>\n");
        return 2;
    }
    std::unique_ptr<vbmp3::PlayableFile> file = vbmp3::PlayableFile::Open(argv[1]);
    if (!file) {
        std::fprintf(stderr, "mp3towav: cannot play %s\n", argv[1]);
        return 1;
    }
    std::unique_ptr<vbmp3::WavFileWriter> wav =
        vbmp3::WavFileWriter::Create(argv[2], file->Format());
    if (!wav) {
        std::fprintf(stderr, "mp3towav: cannot create %s\n", argv[2]);
        return 3;
    }
    vbmp3::DecodedStream stream(file->Source(), file->Facts());
    std::vector<std::int16_t> pcm(vbmp3::kBufferFrames * 2);
    vbmp3::PcmFormat format;
    while (const std::size_t frames = stream.Read(pcm.data(), vbmp3::kBufferFrames, format)) {
        if (format != wav->Format()) {
            std::fprintf(stderr, "mp3towav: the format changes inside %s\n", argv[1]);
            return 4;
        }
        if (!wav->Append(pcm.data(), frames)) {
            std::fprintf(stderr, "mp3towav: cannot write %s\n", argv[2]);
            return 3;
        }
    }
    if (stream.RejectedFrames() > 0 || stream.SkippedBytes() > 0)
        std::fprintf(stderr, "mp3towav: skipped %u rejected frames and %llu damaged bytes\n",
                     stream.RejectedFrames(),
                     static_cast<unsigned long long>(stream.SkippedBytes()));
    return 0;
}
