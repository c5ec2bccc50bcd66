/* VBMP3.DLL: MP3 decoding, playing and tag reading.
 *
 * Calling convention: every exported function and the notification function use __stdcall
 * (WINAPI), so that the DLL can be called from any Windows language; the names are exported
 * undecorated (vbmp3_init, not _vbmp3_init@0) in both the 32-bit and the 64-bit DLL (vbmp3.def,
 * linked with --kill-at).
 *
 * Texts, paths included, are zero-terminated code page 932 strings, the program's own encoding.
 *
 * The library holds one decoder with at most one open file. Every function may be called from
 * any thread, also from inside the notification (the player calls the playing functions from its
 * window thread and, at the end of a track, from inside the notification); the playing functions
 * are serialised by one lock, so a call waits while another thread's call runs. Before
 * vbmp3_init and after vbmp3_free they do nothing harmful: opening and playing fail, the rest
 * succeed without effect.
 *
 * Playing: vbmp3_play starts a playback thread of the library's own, which decodes the file
 * through the platform's Audio Compression Manager MPEG Layer-3 codec to 16-bit PCM and plays it
 * through waveOut on the default device, keeping eight buffers of 4,608 PCM frames (about 0.1 s
 * each at 44.1 kHz) queued; a busy window thread does not hold it up. Frames that are damaged or
 * that the codec rejects are skipped; a change of sample rate or channel count inside a file
 * reopens the codec and the device. A file with a LAME tag plays sample-exact: the codec's own
 * delay (529 samples), the encoder's delay and its padding are trimmed.
 *
 * One track into the next without a gap: a file is at its end (VBMP3_NOTIFY_END) when its last
 * sample has been handed to the device, which then still plays up to eight buffers (at most
 * about 0.8 s at 44.1 kHz) of it. A file opened and played meanwhile, as a caller does in the end
 * notification, is written behind them: the device plays its first sample right after the last
 * one of the file before, with nothing inserted and nothing lost. vbmp3_close and vbmp3_open
 * leave those last buffers playing; vbmp3_stop silences them at once. A file of another sample
 * rate or channel count is played once they have played out, on the device reopened for its
 * format (a few milliseconds of silence). The device stays open between files; vbmp3_free
 * closes it.
 *
 * Notifications: a thread of the library's own calls the registered function, one call at a
 * time, never while the library's lock is held, so the function may call any vbmp3_* function
 * except vbmp3_free. Pending notifications are coalesced (the latest elapsed second, then the
 * end); they wait while notifications are off and are dropped when the file is stopped, closed
 * or replaced, played afresh or sought in.
 *
 * Failures inside: no C++ exception leaves the library. A function that fails inside (memory
 * running out) returns FALSE (vbmp3_getState: 0, stopped) without writing the caller's records;
 * the playback thread that fails inside ends the file as a failed device does (state 0,
 * VBMP3_NOTIFY_FAILED, no end). The notification function must not throw; if a C++ exception
 * from it reaches the library (a caller built with the same compiler and runtime), the file is
 * stopped as by vbmp3_stop, no end of it is notified, and later notifications still come.
 *
 * Capture: when the environment variable VBMP3_CAPTURE_WAV names a file at the moment the library
 * opens the output device, the device's PCM (exactly what is handed to the device, in the
 * device's format) is also written to that WAV file, which is created anew; it grows while the
 * device stays open, across tracks of the same format. The volume (vbmp3_setVolume) is the
 * device's own and does not show in it: the capture holds the decoded PCM at full scale. What a
 * seek drops of the device's queue stays in the capture (it was handed to the device). For tests
 * and for people looking into sound problems. */
#ifndef VBMP3_H
#define VBMP3_H

#include <stddef.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef VBMP3_BUILDING_DLL
#define VBMP3_API __declspec(dllexport)
#else
#define VBMP3_API __declspec(dllimport)
#endif

/* Tag record filled by vbmp3_getFileInfo (652 bytes). Each text is taken field by field from the
 * strongest tag that has it: ID3v2 (2.2, 2.3, 2.4), then APEv2/APEv1, then ID3v1/1.1; a field no
 * tag has is empty. Texts are zero-terminated code page 932 strings of at most 127 bytes, cut at
 * a character boundary; control codes (CR, LF, tab...) are spaces, so a text is always one line.
 * Characters that code page 932 lacks are written as their look-alike where one is chosen
 * (U+301C WAVE DASH as 0x8160), as their base letters when they are accented letters or
 * compatibility forms, else as '?'. */
typedef struct VBMP3_TAG_INFO {
    char szTitle[128];  /* offset 0 */
    char szArtist[128]; /* offset 128 */
    char szAlbum[128];  /* offset 256 */
    INT32 nTagKinds;    /* offset 384: VBMP3_TAG_* bits of the tags found */
    char reserved[264]; /* offset 388: zero */
} VBMP3_TAG_INFO;

#define VBMP3_TAG_ID3V1 1
#define VBMP3_TAG_ID3V2 2
#define VBMP3_TAG_APE 4
#define VBMP3_TAG_LYRICS3 8

/* Stream record filled by vbmp3_getFileInfo (56 bytes). The length is counted from the Xing/Info
 * or VBRI header's frame count when the file has one that fits its size, else by walking every
 * frame header; the LAME tag's encoder delay and padding are taken off. Values that do not fit
 * a 32-bit field are clamped to 0x7FFFFFFF. */
typedef struct VBMP3_STREAM_INFO {
    INT32 nSampleRate;   /* offset 0: Hz */
    INT32 nChannels;     /* offset 4: 1 or 2 */
    INT32 nBitRate;      /* offset 8: average kbit/s of the audio frames */
    INT32 nMpegVersion;  /* offset 12: 10 MPEG-1, 20 MPEG-2, 25 MPEG-2.5 */
    INT32 nLayer;        /* offset 16: 1, 2 or 3 */
    INT32 nChannelMode;  /* offset 20: 0 stereo, 1 joint stereo, 2 dual channel, 3 mono */
    INT32 nFrames;       /* offset 24: audio frames, a Xing/Info/VBRI frame not counted */
    INT32 nEncoderDelay; /* offset 28: samples the encoder put in front (LAME tag), else 0 */
    INT32 nPadding;      /* offset 32: samples the encoder added at the end (LAME tag), else 0 */
    INT32 nAudioOffset;  /* offset 36: byte offset of the first frame (the Xing frame, if any) */
    INT32 nLengthSource; /* offset 40: VBMP3_LENGTH_* */
    INT32 nTotalMs;      /* offset 44: playing time in milliseconds, truncated */
    INT32 reserved;      /* offset 48: zero */
    INT32 nTotalSec;     /* offset 52: playing time in whole seconds, truncated toward zero */
} VBMP3_STREAM_INFO;

#define VBMP3_LENGTH_XING 1 /* frame count of a Xing/Info header */
#define VBMP3_LENGTH_VBRI 2 /* frame count of a VBRI header */
#define VBMP3_LENGTH_WALK 3 /* frames counted one by one */

/* Record written by vbmp3_open (272 bytes): all zero; the player never reads it. */
typedef struct VBMP3_OPEN_INFO {
    BYTE reserved[272];
} VBMP3_OPEN_INFO;

/* Notification function, __stdcall, called on the library's notification thread (never on the
 * caller's), one call at a time:
 *   VBMP3_NOTIFY_ELAPSED (1): the whole seconds heard of the playing file changed; `value` is the
 *     new count (what the device has played, not what has been decoded). Sent once with 0 when
 *     the file's first sample is heard (after the end of the file before, when it was played
 *     behind it), then at most once per change; when notifications were held up, only the latest
 *     count is sent.
 *   VBMP3_NOTIFY_END (4): the last sample of the file has been handed to the device, which plays
 *     it within about 0.8 s (see "One track into the next" above): the moment to open and play
 *     the next file. `value` is 1, or 0 when the file gave no sample at all (none of its audio
 *     could be decoded: it "ended" at once). Sent exactly once per vbmp3_play that reaches the
 *     end, after the last elapsed notification; not sent when the file was stopped first or the
 *     device failed.
 *   VBMP3_NOTIFY_FAILED (5): the output device failed while the file played (it was unplugged,
 *     its driver gave up, or another program took it): playing has stopped, the state is 0 and
 *     no VBMP3_NOTIFY_END follows; `value` is 0. At most once per vbmp3_play. */
typedef void(WINAPI* VBMP3_CALLBACK)(INT32 code, INT32 value);

#define VBMP3_NOTIFY_ELAPSED 1
#define VBMP3_NOTIFY_END 4
#define VBMP3_NOTIFY_FAILED 5

/* Prepares the library: starts its notification thread. Returns TRUE, also when it is prepared
 * already (a second call does nothing); FALSE when the thread cannot be created. Any thread. */
VBMP3_API BOOL WINAPI vbmp3_init(void);

/* Releases the library: stops playing, closes the open file and the output device, waits for a
 * notification that is running to return (handling messages that it sends to the calling thread
 * meanwhile) and ends the notification thread. Returns TRUE, also when nothing was prepared (a
 * second call does nothing). Returns FALSE and does nothing when called from inside the
 * notification, whose thread cannot wait for its own end. Any other thread. Call it before
 * unloading the DLL. */
VBMP3_API BOOL WINAPI vbmp3_free(void);

/* Opens `path` (code page 932, zero-terminated, owned by the caller) for playing; the file stays
 * open (shared with other readers and writers) until vbmp3_close or the next successful open.
 * Returns TRUE when the file holds MPEG-1, 2 or 2.5 Layer III audio (bare, behind tags, or in a
 * RIFF/WAVE file) that an installed ACM codec decodes: the file is then the open file, stopped,
 * and a file that was open before is stopped and closed; `info` (272 bytes, caller's; may be
 * NULL) is zeroed. Returns FALSE when `path` is NULL, the file cannot be opened, holds no MPEG
 * audio, holds Layer I or II, has no audio frame, or no codec decodes it, or before vbmp3_init:
 * nothing changes then (a file open before stays open and plays on), `info` is untouched. Any
 * thread, also inside the notification; reads the file's headers and tags before it returns. */
VBMP3_API BOOL WINAPI vbmp3_open(const char* path, VBMP3_OPEN_INFO* info);

/* Stops playing and closes the open file; the output device stays open for the next file (and
 * plays out the last buffers of a file that has ended). Returns TRUE, also with no file open. Any
 * thread, also inside the notification. */
VBMP3_API BOOL WINAPI vbmp3_close(void);

/* Plays the open file from its start, also when it plays or is paused already. Returns TRUE when
 * the playback thread has started: the state is then 1 (playing) and the elapsed time 0 (it stays
 * 0 while the end of the file before still plays). Returns FALSE, with the state 0 (stopped),
 * when no file is open, there is no audio device or it refuses the file's format, or the thread
 * cannot be created. When the device still plays the end of a file of another format, it is
 * reopened for this one once that end has played: if it refuses the format then,
 * VBMP3_NOTIFY_FAILED follows. Any thread, also inside the
 * notification; waits for nothing but the opening of the device. */
VBMP3_API BOOL WINAPI vbmp3_play(void);

/* Stops playing, also when nothing plays: the state is 0 and the elapsed time 0 afterwards, the
 * file stays open and the device idle and silent (also the last buffers of a file that has ended,
 * which vbmp3_close and vbmp3_open would let play out); notifications of the stopped play that
 * are not delivered yet are dropped. Returns TRUE. Any thread, also inside the notification;
 * waits for the playback thread to end (a few milliseconds). */
VBMP3_API BOOL WINAPI vbmp3_stop(void);

/* Halts the playing file, keeping its position: the state becomes 2 and the elapsed time stands
 * still. Returns TRUE when the state was 1 (playing); FALSE, changing nothing, otherwise. Any
 * thread. */
VBMP3_API BOOL WINAPI vbmp3_pause(void);

/* Resumes a paused file where it halted. Returns TRUE when the state was 2 (paused); FALSE,
 * changing nothing, otherwise. Any thread. */
VBMP3_API BOOL WINAPI vbmp3_restart(void);

#define VBMP3_STATE_STOPPED 0
#define VBMP3_STATE_PLAYING 1
#define VBMP3_STATE_PAUSED 2

/* Returns the state: 0 stopped (nothing open, never played, stopped, at its end, or the
 * output device failed while playing), 1 playing, 2 paused. Writes to `elapsedSec` (caller's; may
 * be NULL) the whole seconds of the file that the device has played, as heard rather than as
 * decoded: 0 when stopped or nothing plays, the whole length once the file is at its end. Any
 * thread, also inside the notification; it reads what the playback thread last noted (which it
 * updates at least at every change of the whole second) and never waits for it. */
VBMP3_API INT32 WINAPI vbmp3_getState(INT32* elapsedSec);

/* Moves the playing or paused file to `millisecond` (as heard: 0 is the first sample after the
 * trimmed encoder delay; a negative time counts as 0). It lands on the start of the audio frame
 * whose decoded PCM holds that time (frames are 1,152 samples, 26 ms at 44.1 kHz; 576 for MPEG-2
 * and 2.5), found exactly in CBR and VBR files, with or without a Xing/VBRI header; the sound
 * from there on is that of a play from the start, but for the decoder's dither (at most 4 LSB).
 * What the device still held of the old place, or of a file before, is silenced at once and the
 * new place is handed to the device within a few milliseconds (the system's mixer may add a few
 * tens: under Wine the sound card gets 20 ms of silence between the two). A paused file stays
 * paused: the new place is decoded and waits, and is written and heard at once on
 * vbmp3_restart (a device paused with nothing queued would start playing when written to).
 * Returns TRUE when the file was playing or paused (state 1 or 2): when it returns, vbmp3_getState
 * gives the landing whole second and vbmp3_getPosition the landing millisecond, elapsed
 * notifications of the old place not yet delivered are dropped, and VBMP3_NOTIFY_ELAPSED with the
 * landing second follows when the first sample of the new place is heard (for a paused file:
 * after vbmp3_restart), then the seconds as usual. A time at or past the end of the audio ends
 * the file as its own end does: its sound is silenced, the state is 0 when this returns, and
 * VBMP3_NOTIFY_END follows with value 1, where the caller plays the next file as usual. In a
 * damaged file the play lands on the frame found nearest after the time; a time past the last
 * frame that can be found ends the file. In a file whose sample rate or channel count changes
 * midway, the part after the change cannot be reached: a time there ends the file.
 * Returns FALSE, changing nothing, when no file is open, the state is 0 (stopped, never played,
 * ended, failed), or before vbmp3_init; also when the playback thread cannot be started again
 * (then the state is 0). Any thread, also inside the notification. The first seek to a place the
 * play has not reached yet reads the frame headers up to it once (about 2 ms a minute of
 * 128 kbit/s audio); within what has played, and 30 s beyond it, a seek takes a few
 * milliseconds. The frame index costs 8 bytes a frame (about 1.1 MB an hour at 44.1 kHz). */
VBMP3_API BOOL WINAPI vbmp3_seek(INT32 millisecond);

/* Writes to `millisecond` (caller's) the time of the playing or paused file that the device has
 * played, in milliseconds: vbmp3_getState's seconds, finer. Returns TRUE then; FALSE, writing
 * nothing, when `millisecond` is NULL, the state is 0 (stopped, ended, failed, nothing open) or
 * before vbmp3_init. Any thread, also inside the notification; never waits for the playback
 * thread (it reads what the thread last noted, at least at every whole second and at every
 * buffer the device gives back, about every 0.1 s). */
VBMP3_API BOOL WINAPI vbmp3_getPosition(INT32* millisecond);

/* Sets the library's volume to `percent` of full scale, clamped to 0..100: the output device's own
 * volume (waveOutSetVolume, both channels), so it applies at once to what plays, queued buffers
 * included, without a gap or a restart, and to every device the library opens later (set before
 * its first write). The device's level is (percent / 100) squared of full scale (50 % is a
 * quarter of the amplitude, -12 dB), so that steps of 5 % sound about even. vbmp3_init starts
 * at 100; the volume is not kept across vbmp3_free and vbmp3_init. On current Windows the device
 * volume is the program's own volume in the system's mixer; a device without volume control
 * plays at full volume. Returns TRUE, also before vbmp3_init and after vbmp3_free, where it has
 * no effect. Any thread, also inside the notification. */
VBMP3_API BOOL WINAPI vbmp3_setVolume(INT32 percent);

/* Reads the tags and measures the MPEG audio of `path` (code page 932; owned by the caller),
 * without decoding; works on any file, open for playing or not.
 * Returns TRUE and fills both caller-owned records completely when the file holds an MPEG audio
 * stream (Layer III of MPEG-1, 2 or 2.5, also layers I and II; bare or in a RIFF/WAVE file), even
 * when its tags are damaged or missing.
 * Returns FALSE, leaving both records untouched, when `path`, `tag` or `stream` is NULL, the file
 * cannot be opened or read, or it holds no MPEG audio (empty, another format).
 * Memory use is bounded whatever the file's size fields claim; the file is opened for reading,
 * shared with other readers and writers, and closed before the call returns. It keeps no state:
 * any thread may call it, also several at once and from the notification. */
VBMP3_API BOOL WINAPI vbmp3_getFileInfo(const char* path, VBMP3_TAG_INFO* tag,
                                        VBMP3_STREAM_INFO* stream);

/* Registers the notification function (NULL: none, and pending notifications are dropped);
 * meant to be called once after vbmp3_init, but any time works. Returns TRUE. */
VBMP3_API BOOL WINAPI vbmp3_callback(VBMP3_CALLBACK notify);

/* Notifications are delivered again; those that came up while they were off follow at once.
 * Returns TRUE. Any thread, also from inside the notification. */
VBMP3_API BOOL WINAPI vbmp3_startCallback(void);

/* Switches notifications off. When it returns, no notification is running except the caller's
 * own (when it is called from inside the notification, it does not wait for itself), and none
 * starts until vbmp3_startCallback. When another thread's notification is running it waits for
 * it to return, handling messages sent to the calling thread meanwhile, so a notification that
 * sends a message to the caller's window does not deadlock. Returns TRUE. Any thread. */
VBMP3_API BOOL WINAPI vbmp3_stopCallback(void);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus)
static_assert(sizeof(VBMP3_TAG_INFO) == 652, "tag record is 652 bytes");
static_assert(sizeof(VBMP3_STREAM_INFO) == 56, "stream record is 56 bytes");
static_assert(sizeof(VBMP3_OPEN_INFO) == 272, "open record is 272 bytes");
static_assert(offsetof(VBMP3_TAG_INFO, szArtist) == 128, "the player reads the artist at 128");
static_assert(offsetof(VBMP3_STREAM_INFO, nTotalSec) == 52, "the player reads the length at 52");
#endif

#endif
