// mp3info on Windows: reads the files through VBMP3.DLL's export, as the player does, so that
// it also serves the tests of the DLL under Wine. Paths arrive in the system code page.
#include "tools/mp3info/FileInfoPrinter.h"
#include "vbmp3/vbmp3.h"

namespace {

bool ReadWithDll(const char* path, mp3info::PrintedInfo& printed) {
    VBMP3_TAG_INFO tag;
    VBMP3_STREAM_INFO stream;
    if (!vbmp3_getFileInfo(path, &tag, &stream)) return false;
    printed.title = tag.szTitle;
    printed.artist = tag.szArtist;
    printed.totalSec = stream.nTotalSec;
    printed.sampleRate = stream.nSampleRate;
    printed.channels = stream.nChannels;
    printed.bitRateKbps = stream.nBitRate;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    return mp3info::RunOverArguments(argc, argv, ReadWithDll);
}
