#include "decoder/Vbmp3Decoder.h"

#include "vbmp3/vbmp3.h"

#include <mutex>
#include <cstring>

// The seam's numbers are the library's.
static_assert(IDecoder::STATE_STOPPED == VBMP3_STATE_STOPPED &&
                  IDecoder::STATE_PLAYING == VBMP3_STATE_PLAYING &&
                  IDecoder::STATE_PAUSED == VBMP3_STATE_PAUSED,
              "vbmp3_getState's states");
static_assert(IDecoder::NOTIFY_END == VBMP3_NOTIFY_END, "end of a file");
static_assert(IDecoder::NOTIFY_FAILED == VBMP3_NOTIFY_FAILED, "failure of the device");

namespace {

// The library calls back with its own calling convention and without a context: the one
// registration is kept here, guarded, for the library's notification thread.
struct Registration {
    std::mutex lock;
    IDecoder::NotifyFunc notify = nullptr;
    void* context = nullptr;
};
Registration& TheRegistration() {
    static Registration registration;
    return registration;
}

void WINAPI NotifyTrampoline(INT32 code, INT32 value) {
    // Called by the library's thread: nothing may unwind into it. A notice that cannot be
    // passed on is dropped (the player's timer still sees the state).
    try {
        Registration& r = TheRegistration();
        std::lock_guard<std::mutex> lock(r.lock);
        if (r.notify) r.notify(r.context, code, value);
    } catch (...) {
    }
}

// A zero-terminated text inside a fixed field, read without running past the field.
std::string FieldText(const char* field, size_t size) {
    return std::string(field, strnlen(field, size));
}

} // namespace

bool CVbmp3Decoder::Init() {
    return vbmp3_init() != FALSE;
}
void CVbmp3Decoder::Free() {
    vbmp3_free();
}

void CVbmp3Decoder::SetCallback(NotifyFunc notify, void* context) {
    {
        Registration& r = TheRegistration();
        std::lock_guard<std::mutex> lock(r.lock);
        r.notify = notify;
        r.context = context;
    }
    vbmp3_callback(&NotifyTrampoline);
}

bool CVbmp3Decoder::Open(const std::string& path) {
    VBMP3_OPEN_INFO info; // written by the library, never read here
    return vbmp3_open(path.c_str(), &info) != FALSE;
}

void CVbmp3Decoder::Close() {
    vbmp3_close();
}
bool CVbmp3Decoder::Play() {
    return vbmp3_play() != FALSE;
}
void CVbmp3Decoder::Stop() {
    vbmp3_stop();
}
void CVbmp3Decoder::Pause() {
    vbmp3_pause();
}
void CVbmp3Decoder::Restart() {
    vbmp3_restart();
}

int CVbmp3Decoder::GetState(int* pElapsedSec) {
    INT32 elapsed = 0;
    const INT32 state = vbmp3_getState(&elapsed);
    if (pElapsedSec) *pElapsedSec = elapsed;
    return state;
}

bool CVbmp3Decoder::Seek(int millisecond) {
    return vbmp3_seek(millisecond) != FALSE;
}

bool CVbmp3Decoder::GetPosition(int* pMillisecond) {
    INT32 position = 0;
    if (!vbmp3_getPosition(&position)) return false;
    *pMillisecond = position;
    return true;
}

void CVbmp3Decoder::SetVolume(int percent) {
    vbmp3_setVolume(percent);
}

bool CVbmp3Decoder::GetFileInfo(const std::string& path, CFileInfo* pInfo) {
    VBMP3_TAG_INFO tag;
    VBMP3_STREAM_INFO stream;
    std::memset(&tag, 0, sizeof tag);
    std::memset(&stream, 0, sizeof stream);
    if (!vbmp3_getFileInfo(path.c_str(), &tag, &stream)) return false;
    pInfo->strTitle = FieldText(tag.szTitle, sizeof tag.szTitle);
    pInfo->strArtist = FieldText(tag.szArtist, sizeof tag.szArtist);
    pInfo->nTotalSec = stream.nTotalSec;
    return true;
}

void CVbmp3Decoder::StartCallback() {
    vbmp3_startCallback();
}
void CVbmp3Decoder::StopCallback() {
    vbmp3_stopCallback();
}
