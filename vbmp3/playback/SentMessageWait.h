// Waiting for another thread without deadlocking against it when it sends this thread a window
// message: cross-thread SendMessage waits for the receiving thread to handle the message, so a
// plain wait here would wait forever for a thread that waits for us.
#ifndef VBMP3_PLAYBACK_SENTMESSAGEWAIT_H
#define VBMP3_PLAYBACK_SENTMESSAGEWAIT_H

#include <windows.h>

namespace vbmp3 {

// Waits until `handle` is signalled, handling the messages that other threads send to this
// thread's windows meanwhile (posted messages stay queued).
void WaitHandlingSentMessages(HANDLE handle);

} // namespace vbmp3

#endif
