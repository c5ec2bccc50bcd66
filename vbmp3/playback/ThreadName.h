// Names the library's threads, so that debuggers and profilers (and Wine's thread list) show
// whose they are.
#ifndef VBMP3_PLAYBACK_THREADNAME_H
#define VBMP3_PLAYBACK_THREADNAME_H

namespace vbmp3 {

constexpr const wchar_t* kPlaybackThreadName = L"VBMP3 playback";
constexpr const wchar_t* kNotificationThreadName = L"VBMP3 notifications";

// Names the calling thread; does nothing on systems without thread names (before Windows 10).
void NameThisThread(const wchar_t* name);

} // namespace vbmp3

#endif
