"""Tracks cut from one continuous tone, and where they join in what the sound card received.

Each piece is encoded by lame (with its gapless information) and decoded by the library's own
mp3towav: the reference, the samples the player should hand over, encoder delay and padding
trimmed. Played through the real program on the paced sink, every reference is looked for byte
for byte in what the sink received."""
import os
import subprocess
import time
import wave

import e2elib

# Piece lengths in frames: none a multiple of an MPEG frame (1152) or of the player's buffer
# (4608), so that joins fall anywhere in a buffer.
LENGTHS = [41003, 52917, 38411, 60029, 45551, 49999, 43217, 57301, 40009, 47777, 51113]
PROBE_FRAMES = 256  # frames of a reference looked for in what the sink received
SINK_FORMAT = (44100, 2)  # the paced sink's rate and channels (tools/wine/prepare-prefix.sh)
FRAME_BYTES = 4


class Piece:
    def __init__(self, mp3, reference, rate, channels):
        self.mp3, self.reference, self.format = mp3, reference, (rate, channels)

    def seconds(self):
        return len(self.reference) / (self.format[0] * self.format[1] * 2)


def make_pieces(folder, count, rate_of=lambda i: 44100, channels_of=lambda i: 2):
    """`count` consecutive pieces of one endless 440 Hz sine tone, as MP3 files in `folder`."""
    pieces, position = [], 0
    for i, frames in enumerate(LENGTHS[:count]):
        rate, channels = rate_of(i), channels_of(i)
        src = os.path.join(folder, "piece%02d.wav" % i)
        mp3 = os.path.join(folder, "piece%02d.mp3" % i)
        subprocess.run(["sox", "-n", "-r", str(rate), "-c", str(channels), "-b", "16", src,
                        "synth", "%ds" % (position + frames), "sine", "440", "vol", "0.5",
                        "trim", "%ds" % position, "%ds" % frames], check=True)
        subprocess.run(["lame", "--quiet", "-b", "192", src, mp3], check=True)
        subprocess.run([e2elib._args.runner, os.path.join(e2elib._args.bin, "mp3towav.exe"),
                        e2elib.windows_path(mp3), e2elib.windows_path(src)], cwd=folder,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with wave.open(src, "rb") as w:
            pieces.append(Piece(mp3, w.readframes(w.getnframes()), rate, channels))
        position += frames
    return pieces


def place(reference, heard, search_from):
    """The frame of `heard` where `reference` starts, from its first probe found (its start may be
    lost); None when no probe is found."""
    for skip in range(0, len(reference) // FRAME_BYTES - PROBE_FRAMES, PROBE_FRAMES):
        probe = reference[skip * FRAME_BYTES:(skip + PROBE_FRAMES) * FRAME_BYTES]
        at = heard.find(probe, search_from)
        while at != -1 and at % FRAME_BYTES:
            at = heard.find(probe, at + 1)
        if at != -1:
            return at // FRAME_BYTES - skip
    return None


def joins(pieces, heard):
    """For each join of two pieces in the sink's format: (frames between the end of the first
    and the start of the second: positive inserted, negative lost or repeated; frames of the
    first that differ from its reference). None for a join whose pieces were not found."""
    starts, search_from = [], 0
    for piece in pieces:
        start = place(piece.reference, heard, search_from) \
            if piece.format == SINK_FORMAT else None
        starts.append(start)
        if start is not None:
            search_from = max(search_from, (start + 1) * FRAME_BYTES)
    result = []
    for i in range(1, len(pieces)):
        if starts[i - 1] is None or starts[i] is None:
            result.append(None)
            continue
        reference = pieces[i - 1].reference
        got = heard[starts[i - 1] * FRAME_BYTES:starts[i - 1] * FRAME_BYTES + len(reference)]
        differing = sum(1 for k in range(0, len(reference), FRAME_BYTES)
                        if reference[k:k + FRAME_BYTES] != got[k:k + FRAME_BYTES])
        result.append((starts[i] - starts[i - 1] - len(reference) // FRAME_BYTES, differing))
    return result


def longest_silence(heard):
    """The longest run of silent frames between the first and the last sounding one: inside a
    continuous tone, every silent frame is a gap."""
    silent = bytes(FRAME_BYTES)
    frames = [heard[k:k + FRAME_BYTES] for k in range(0, len(heard) - FRAME_BYTES + 1, FRAME_BYTES)]
    sounding = [k for k, f in enumerate(frames) if f != silent]
    longest = run = 0
    for f in frames[sounding[0]:sounding[-1]] if sounding else []:
        run = run + 1 if f == silent else 0
        longest = max(longest, run)
    return longest


def play_through(player, pieces, margin=1.5):
    """Lists `pieces` in `player`'s INI file, plays them once through on the paced sink and ends
    the player; what the sink received."""
    player.write_ini(e2elib.playlist_ini([e2elib.windows_path(p.mp3) for p in pieces]))
    sink = e2elib.PacedSink(player.root)
    try:
        player.start()
        x, y, _, _ = player.geometry()
        e2elib.xdotool("mousemove", x + 60, y + 70, "click", 1)
        time.sleep(sum(p.seconds() for p in pieces) + margin)
        player.key("Escape")
        player.answer_box("きえてほしい？", "y")
        player.wait_exit()
    finally:
        sink.stop()
    with open(sink.pcm, "rb") as f:
        return f.read()
