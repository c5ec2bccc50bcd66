// The function registered with the decoder library for its notifications.
#pragma once

// Called by the library, possibly on a thread of its own.
void DecoderCallback(int code, int value);
