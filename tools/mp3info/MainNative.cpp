// mp3info on Linux: reads the files through the library's platform-free core.
#include "tools/mp3info/FileInfoPrinter.h"
#include "vbmp3/core/FileByteSource.h"
#include "vbmp3/core/FileInfo.h"

namespace {

bool ReadWithCore(const char* path, mp3info::PrintedInfo& printed) {
    vbmp3::FileByteSource source(path);
    vbmp3::FileInfo info;
    if (!source.IsOpen() || !vbmp3::ReadFileInfo(source, info)) return false;
    printed.title = info.title;
    printed.artist = info.artist;
    const std::uint64_t seconds = info.lengthMs / 1000;
    printed.totalSec = seconds > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(seconds);
    printed.sampleRate = info.stream.first.sampleRate;
    printed.channels = info.stream.first.Channels();
    printed.bitRateKbps = info.stream.AverageBitRateKbps();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    return mp3info::RunOverArguments(argc, argv, ReadWithCore);
}
