// The sixteen exports of VBMP3.DLL (names undecorated through vbmp3.def). Each function's
// contract (ownership, every return case, the threads it may be called from) is documented at
// its declaration in vbmp3.h; the playing functions forward to the library's one instance, which
// serialises them (vbmp3/playback/Library.h). Every body runs inside Guarded: what throws in it
// becomes the function's failure value (FALSE; 0, stopped, for vbmp3_getState; TRUE for
// vbmp3_setVolume, whose only answer it is).
#define VBMP3_BUILDING_DLL
#include "vbmp3/vbmp3.h"

#include <cstdint>
#include <cstring>

#include "vbmp3/core/FileInfo.h"
#include "vbmp3/dll/ExportGuard.h"
#include "vbmp3/dll/FileInfoRecords.h"
#include "vbmp3/playback/Win32FileSource.h"
#include "vbmp3/playback/Library.h"

namespace {

using vbmp3::Player;

vbmp3::Library& TheLibrary() {
    return vbmp3::Library::Instance();
}

} // namespace

extern "C" {

BOOL WINAPI vbmp3_getFileInfo(const char* path, VBMP3_TAG_INFO* tag, VBMP3_STREAM_INFO* stream) {
    return vbmp3::Guarded<BOOL>(FALSE, [&] {
        if (!path || !tag || !stream) return FALSE;
        vbmp3::Win32FileSource source(path);
        vbmp3::FileInfo info;
        if (!source.IsOpen() || !vbmp3::ReadFileInfo(source, info)) return FALSE;
        vbmp3::FillFileInfoRecords(info, *tag, *stream);
        return TRUE;
    });
}

BOOL WINAPI vbmp3_init(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] { return BOOL{TheLibrary().Init()}; });
}

BOOL WINAPI vbmp3_free(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] { return BOOL{TheLibrary().Free()}; });
}

BOOL WINAPI vbmp3_open(const char* path, VBMP3_OPEN_INFO* info) {
    return vbmp3::Guarded<BOOL>(FALSE, [&] {
        if (!TheLibrary().WithPlayer([&](Player& player) { return player.Open(path); }))
            return FALSE;
        if (info) std::memset(info, 0, sizeof *info);
        return TRUE;
    });
}

BOOL WINAPI vbmp3_close(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        TheLibrary().WithPlayer([](Player& player) {
            player.Close();
            return true;
        });
        return TRUE;
    });
}

BOOL WINAPI vbmp3_play(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        return BOOL{TheLibrary().WithPlayer([](Player& player) { return player.Play(); })};
    });
}

BOOL WINAPI vbmp3_stop(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        TheLibrary().WithPlayer([](Player& player) {
            player.Stop();
            return true;
        });
        return TRUE;
    });
}

BOOL WINAPI vbmp3_pause(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        return BOOL{TheLibrary().WithPlayer([](Player& player) { return player.Pause(); })};
    });
}

BOOL WINAPI vbmp3_restart(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        return BOOL{TheLibrary().WithPlayer([](Player& player) { return player.Restart(); })};
    });
}

INT32 WINAPI vbmp3_getState(INT32* elapsedSec) {
    return vbmp3::Guarded<INT32>(VBMP3_STATE_STOPPED, [&] {
        int elapsed = 0;
        vbmp3::PlayerState state = vbmp3::kStateStopped;
        TheLibrary().WithPlayer([&](Player& player) {
            state = player.State(elapsed);
            return true;
        });
        if (elapsedSec) *elapsedSec = elapsed;
        return INT32{state};
    });
}

BOOL WINAPI vbmp3_seek(INT32 millisecond) {
    return vbmp3::Guarded<BOOL>(FALSE, [&] {
        return BOOL{
            TheLibrary().WithPlayer([&](Player& player) { return player.Seek(millisecond); })};
    });
}

BOOL WINAPI vbmp3_getPosition(INT32* millisecond) {
    return vbmp3::Guarded<BOOL>(FALSE, [&] {
        if (!millisecond) return FALSE;
        std::int32_t position = 0;
        if (!TheLibrary().WithPlayer([&](Player& player) { return player.Position(position); }))
            return FALSE;
        *millisecond = position;
        return TRUE;
    });
}

BOOL WINAPI vbmp3_setVolume(INT32 percent) {
    return vbmp3::Guarded<BOOL>(TRUE, [&] {
        TheLibrary().WithPlayer([&](Player& player) {
            player.SetVolume(percent);
            return true;
        });
        return TRUE;
    });
}

BOOL WINAPI vbmp3_callback(VBMP3_CALLBACK notify) {
    return vbmp3::Guarded<BOOL>(FALSE, [&] {
        TheLibrary().SetCallback(notify);
        return TRUE;
    });
}

BOOL WINAPI vbmp3_startCallback(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        TheLibrary().StartCallback();
        return TRUE;
    });
}

BOOL WINAPI vbmp3_stopCallback(void) {
    return vbmp3::Guarded<BOOL>(FALSE, [] {
        TheLibrary().StopCallback();
        return TRUE;
    });
}

} // extern "C"
