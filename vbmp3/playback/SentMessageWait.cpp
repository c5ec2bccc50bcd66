#include "vbmp3/playback/SentMessageWait.h"

namespace vbmp3 {

void WaitHandlingSentMessages(HANDLE handle) {
    for (;;) {
        const DWORD result =
            ::MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) return; // signalled (or the handle is no good)
        // Peeking delivers the messages sent to this thread; nothing is taken off the queue.
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace vbmp3
