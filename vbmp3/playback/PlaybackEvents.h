// What a playing file reports: the playback thread tells it, the notification thread delivers
// it (Notifier); tests record it.
#ifndef VBMP3_PLAYBACK_PLAYBACKEVENTS_H
#define VBMP3_PLAYBACK_PLAYBACKEVENTS_H

namespace vbmp3 {

class PlaybackEvents {
public:
    virtual ~PlaybackEvents() = default;
    // The whole seconds heard of the file changed to `seconds`. Playback thread.
    virtual void ElapsedChanged(int seconds) = 0;
    // The last sample of the file has been played; `playedSound` is false when the file gave no
    // sample at all (its audio could not be decoded). Playback thread, once per file played.
    virtual void Ended(bool playedSound) = 0;
    // The output device failed while the file played: playing has stopped, the file did not
    // play to its end. Playback thread, at most once per file played.
    virtual void Failed() = 0;
    // The file's playing was stopped or replaced: what it reported and is not delivered yet is
    // stale. Whoever stopped it, after the playback thread has ended.
    virtual void DiscardPending() = 0;
};

} // namespace vbmp3

#endif
