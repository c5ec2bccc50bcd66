// Time spent inside vbmp3_seek on a long file, for the benchmarks (not a test: its numbers depend
// on the machine). Plays the file on the build's sound card and seeks as a person would with the
// keys: forward 30 s at a time into audio the play has not reached (the frame index grows by
// 30 s each time), then back and forth by 5 and 30 s where the index is known.
// Usage: vbmp3_seek_bench <file.mp3>   (run through the build's run-under-wine)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/vbmp3/playback/support/NotificationLog.h"
#include "vbmp3/vbmp3.h"

namespace {

double NowMs() {
    return 1000 * vbmp3test::NowSeconds();
}

// Seeks `moves` times by `stepMs` from `fromMs`, a little apart so that each new play has
// started; prints the median and the longest time inside vbmp3_seek.
INT32 Measure(const char* what, INT32 fromMs, INT32 stepMs, int moves) {
    std::vector<double> took;
    INT32 at = fromMs;
    for (int i = 0; i < moves; ++i) {
        at += stepMs;
        const double before = NowMs();
        const BOOL landed = vbmp3_seek(at);
        took.push_back(NowMs() - before);
        if (!landed) std::printf("  seek to %d ms failed\n", at);
        ::Sleep(50);
    }
    std::sort(took.begin(), took.end());
    std::printf("%-44s median %6.2f ms  max %6.2f ms  (%d seeks)\n", what, took[took.size() / 2],
                took.back(), moves);
    return at;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vbmp3_seek_bench <file.mp3>\n");
        return 2;
    }
    if (!vbmp3_init() || !vbmp3_open(argv[1], nullptr) || !vbmp3_play()) {
        std::fprintf(stderr, "cannot play %s\n", argv[1]);
        return 1;
    }
    ::Sleep(200);
    INT32 at = Measure("+30 s into audio not reached yet", 0, 30000, 40);
    Measure("-30 s (index known)", at, -30000, 20);
    Measure("+5 s (index known)", 60000, 5000, 20);
    Measure("-5 s (index known)", 200000, -5000, 20);
    const double before = NowMs();
    vbmp3_seek(59 * 60 * 1000);
    std::printf("%-44s %6.2f ms\n", "one jump to 59:00 (index to 20:00 known)", NowMs() - before);
    at = Measure("+30 s near the end (index known)", 59 * 60 * 1000 - 600000, 30000, 10);
    vbmp3_stop();
    vbmp3_close();
    vbmp3_free();
    return 0;
}
