// The mp3info tool's output: one block of "key: value" lines per file, texts in UTF-8.
#ifndef TOOLS_MP3INFO_FILEINFOPRINTER_H
#define TOOLS_MP3INFO_FILEINFOPRINTER_H

#include <cstdint>
#include <cstdio>
#include <string>

namespace mp3info {

// What both builds of the tool print, taken from the library's records or its core.
struct PrintedInfo {
    std::string title;  // code page 932, as the library reports it
    std::string artist; // code page 932
    std::int32_t totalSec = 0;
    std::int32_t sampleRate = 0;
    std::int32_t channels = 0;
    std::int32_t bitRateKbps = 0;
};

void PrintFileInfo(std::FILE* out, const char* path, const PrintedInfo& info);

// Runs `read` on every path in argv[1..]; prints each file's block, or a message on stderr for a
// file it cannot read. Returns the process exit code: 0 when every file was read, 1 otherwise,
// 2 for a usage error.
int RunOverArguments(int argc, char** argv, bool (*read)(const char* path, PrintedInfo& info));

} // namespace mp3info

#endif
