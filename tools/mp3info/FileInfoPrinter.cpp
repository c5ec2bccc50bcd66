#include "tools/mp3info/FileInfoPrinter.h"

#include "vbmp3/core/Cp932.h"

namespace mp3info {

void PrintFileInfo(std::FILE* out, const char* path, const PrintedInfo& info) {
    const std::int32_t s = info.totalSec;
    std::fprintf(out, "file: %s\n", path);
    std::fprintf(out, "title: %s\n", vbmp3::cp932::ToUtf8(info.title).c_str());
    std::fprintf(out, "artist: %s\n", vbmp3::cp932::ToUtf8(info.artist).c_str());
    std::fprintf(out, "length: %d:%02d:%02d (%d s)\n", s / 3600, s % 3600 / 60, s % 60, s);
    std::fprintf(out, "stream: %d Hz, %d channel(s), %d kbit/s\n\n", info.sampleRate, info.channels,
                 info.bitRateKbps);
}

int RunOverArguments(int argc, char** argv, bool (*read)(const char* path, PrintedInfo& info)) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mp3info FILE...\n"
                             "Prints the title, artist and length of each MP3 file.\n");
        return 2;
    }
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        PrintedInfo info;
        if (read(argv[i], info)) {
            PrintFileInfo(stdout, argv[i], info);
        } else {
            std::fprintf(stderr, "mp3info: %s: cannot read MPEG audio information\n", argv[i]);
            exitCode = 1;
        }
    }
    return exitCode;
}

} // namespace mp3info
