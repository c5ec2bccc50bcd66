#!/usr/bin/python3
"""What the sound card receives where one track joins the next, through the real player.

Cuts one continuous stereo tone into pieces of uneven lengths, encodes each with lame (with its
gapless information), decodes each with the library's own mp3towav (the reference: the samples
the player should hand over, encoder delay and padding trimmed), lists them in the player's INI
file, plays them through the real program on the paced sink (tools/wine/paced-sink, real time)
and finds each reference in what the sink received. For every join it prints the frames between
the end of one track and the start of the next (positive: inserted, negative: lost or repeated)
and the frames of each track that differ from its reference.

Run as the e2e tests are run (a display, the build's runner and Wine root), for example:
    source tools/wine/virtual-display.sh
    tools/bench/gapless-joins.py --bin build/win64/bin --runner build/win64/run-under-wine \
        --wine-root build/wine [--joins 10] [--rate 44100] [--second-rate 48000] [--mono-first]
"""
import argparse
import os
import subprocess
import sys
import time
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "e2e"))
import e2elib  # noqa: E402

# Piece lengths in frames: none a multiple of an MPEG frame (1152) or of the player's buffer
# (4608), so that joins fall anywhere in a buffer.
LENGTHS = [41003, 52917, 38411, 60029, 45551, 49999, 43217, 57301, 40009, 47777, 51113]
PROBE_FRAMES = 256  # frames of a reference searched for in what the sink received
SINK_RATE, SINK_CHANNELS = 44100, 2  # the paced sink's format (tools/wine/prepare-prefix.sh)


def sox_tone(path, rate, channels, start_frame, frames, frequency=440.0):
    """Frames [start_frame, start_frame + frames) of one endless sine tone, so that the pieces
    join into one continuous tone."""
    subprocess.run(["sox", "-n", "-r", str(rate), "-c", str(channels), "-b", "16", path, "synth",
                    "%ds" % (start_frame + frames), "sine", str(frequency), "vol", "0.5",
                    "trim", "%ds" % start_frame, "%ds" % frames], check=True)


def decode_reference(mp3, wav):
    """The library's decoding of `mp3` as 16-bit PCM bytes, and its (rate, channels)."""
    folder = os.path.dirname(mp3)
    subprocess.run([e2elib._args.runner, os.path.join(e2elib._args.bin, "mp3towav.exe"),
                    e2elib.windows_path(mp3), e2elib.windows_path(wav)], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with wave.open(wav, "rb") as w:
        return w.readframes(w.getnframes()), (w.getframerate(), w.getnchannels())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--runner", required=True)
    parser.add_argument("--wine-root", required=True)
    parser.add_argument("--joins", type=int, default=10)
    parser.add_argument("--rate", type=int, default=44100, help="of every piece but the second")
    parser.add_argument("--second-rate", type=int, help="of the second piece (a change of rate)")
    parser.add_argument("--mono-first", action="store_true", help="the first piece mono")
    opts = parser.parse_args()
    e2elib.use_programs(os.path.abspath(opts.bin), os.path.abspath(opts.runner),
                        os.path.abspath(opts.wine_root))

    player = e2elib.Player(folder_name="joins", audio="paced")
    pieces = []
    position = 0
    for i, frames in enumerate(LENGTHS[:opts.joins + 1]):
        rate = opts.second_rate if i == 1 and opts.second_rate else opts.rate
        channels = 1 if i == 0 and opts.mono_first else 2
        src = os.path.join(player.root, "piece%02d.wav" % i)
        mp3 = os.path.join(player.root, "piece%02d.mp3" % i)
        sox_tone(src, rate, channels, position, frames)
        subprocess.run(["lame", "--quiet", "-b", "192", src, mp3], check=True)
        pieces.append((mp3,) + decode_reference(mp3, src + ".ref.wav"))
        position += frames
    formats = {fmt for _, _, fmt in pieces}
    if formats != {(SINK_RATE, SINK_CHANNELS)}:
        print("formats other than the sink's (%s): only their joins' timing is meaningful" %
              sorted(formats))

    player.write_ini(e2elib.playlist_ini([e2elib.windows_path(p) for p, _, _ in pieces]))
    sink = e2elib.PacedSink(player.root)
    try:
        player.start()
        x, y, _, _ = player.geometry()
        e2elib.xdotool("mousemove", x + 60, y + 70, "click", 1)
        seconds = sum(len(ref) / (fmt[0] * fmt[1] * 2) for _, ref, fmt in pieces)
        time.sleep(seconds + 1.5)
        player.key("Escape")
        player.answer_box("きえてほしい？", "y")
        player.wait_exit()
    finally:
        sink.stop()
    with open(sink.pcm, "rb") as f:
        heard = f.read()

    frame_bytes = SINK_CHANNELS * 2
    found = []  # (frame where the reference starts in what was heard, its frames) or None
    search_from = 0
    for mp3, ref, fmt in pieces:
        if fmt != (SINK_RATE, SINK_CHANNELS):
            found.append(None)
            continue
        # The first probe that is found places the reference: its start may be lost.
        placed = None
        for skip in range(0, len(ref) // frame_bytes - PROBE_FRAMES, PROBE_FRAMES):
            probe = ref[skip * frame_bytes:(skip + PROBE_FRAMES) * frame_bytes]
            at = heard.find(probe, search_from)
            while at != -1 and at % frame_bytes:
                at = heard.find(probe, at + 1)
            if at != -1:
                placed = at // frame_bytes - skip
                break
        found.append((placed, len(ref) // frame_bytes) if placed is not None else None)
        if placed is not None:
            search_from = max(search_from, (placed + 1) * frame_bytes)

    print("| join | end of track (frame) | start of next (frame) | frames between | "
          "differing frames in the earlier track |")
    print("|---|---|---|---|---|")
    worst = 0
    for i in range(1, len(pieces)):
        a, b = found[i - 1], found[i]
        if a is None or b is None:
            print("| %d | - | - | not found in what was heard | - |" % i)
            continue
        start, frames = a
        end = start + frames
        between = b[0] - end
        worst = max(worst, abs(between))
        ref = pieces[i - 1][1]
        got = heard[start * frame_bytes:end * frame_bytes]
        differing = sum(1 for k in range(0, min(len(ref), len(got)), frame_bytes)
                        if ref[k:k + frame_bytes] != got[k:k + frame_bytes])
        differing += max(0, len(ref) - len(got)) // frame_bytes
        print("| %d | %d | %d | %+d (%.1f ms) | %d |" % (i, end, b[0], between,
                                                         between * 1000.0 / SINK_RATE, differing))
    print("largest join error: %d frames" % worst)
    # Whatever the formats: the tone is continuous, so every silent frame inside it is a gap.
    silent = bytes(frame_bytes)
    frames = [heard[k:k + frame_bytes] for k in range(0, len(heard) // frame_bytes * frame_bytes,
                                                       frame_bytes)]
    sounding = [k for k, f in enumerate(frames) if f != silent]
    longest = run = 0
    for f in frames[sounding[0]:sounding[-1]] if sounding else []:
        run = run + 1 if f == silent else 0
        longest = max(longest, run)
    print("longest silence inside the music: %d frames (%.1f ms)" %
          (longest, longest * 1000.0 / SINK_RATE))
    player.close()


if __name__ == "__main__":
    main()
