// The decoder library's notification, handed over to the window thread.
//
// The library calls back on a thread of its own. Its notifications are posted to the main
// window as WM_DECODER_NOTIFY, so that they are handled on the window thread, one message at a
// time, like everything else. Each carries the generation of the track it was about: the
// generation advances whenever the decoder's track changes (while its notifications are off),
// and a notification of an earlier generation that is still in the queue is dropped. Without
// that, an end of track that was queued just before the user pressed "next" would skip the
// track that "next" started.
#pragma once

#include <windows.h>

constexpr UINT WM_DECODER_NOTIFY = WM_APP + 1;

// The function registered with the library. Any thread.
void DecoderCallback(int code, int value);

// Where notifications go from now on (null: nowhere). Window thread.
void SetDecoderNotifyTarget(HWND hwnd);

// Makes every notification posted so far stale. Window thread, notifications off.
void AdvanceDecoderGeneration();

// Unpacks a WM_DECODER_NOTIFY; false when it is stale.
bool UnpackDecoderNotify(WPARAM wParam, LPARAM lParam, int* pCode, int* pValue);
