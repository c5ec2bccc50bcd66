"""Where the sound card was taken within a track: what the paced sink received, cut into the
stretches that each play the library's own decoding of the track (the reference) from some place
on. A seek starts a new stretch; where it starts in the reference is where the seek landed."""
import array
import os
import subprocess

import e2elib

RATE = 44100
FRAME_BYTES = 4  # 16-bit stereo
MPEG_FRAME = 1152
# What the decoder puts before lame's first sample (its own 529 and lame's 576), which the
# library trims: reference frame r comes from MPEG frame (r + TRIMMED) // 1152.
TRIMMED = 529 + 576


def make_sweep_mp3(path, seconds, lame_args=("-V", "4")):
    """A stereo sweep from 200 Hz to 4 kHz (every place in it sounds different), encoded by lame,
    and its reference decoding by the library's mp3towav, as raw PCM bytes."""
    wav = path + ".wav"
    subprocess.run(["sox", "-n", "-r", str(RATE), "-c", "2", "-b", "16", wav,
                    "synth", str(seconds), "sine", "200-4000", "vol", "0.5"], check=True)
    subprocess.run(["lame", "--quiet", *lame_args, wav, path], check=True)
    subprocess.run([e2elib._args.runner, os.path.join(e2elib._args.bin, "mp3towav.exe"),
                    e2elib.windows_path(path), e2elib.windows_path(wav)],
                   cwd=os.path.dirname(path), check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    with open(wav, "rb") as f:
        data = f.read()
    os.unlink(wav)
    return data[44:]


# What a play that starts at a frame may differ from the play from the start by, sample for
# sample: the decoder's dither, which runs differently from a fresh start (4 LSB), and one more
# rounding in Wine's mixer.
TOLERANCE = 5
CHECK = 1024  # frames compared to tell a stretch from another


def samples(data, frame, frames):
    return array.array("h", data[frame * FRAME_BYTES:(frame + frames) * FRAME_BYTES])


def plays(heard, h, reference, r, frames):
    """Whether `frames` frames of `heard` from frame h play the reference from frame r."""
    a, b = samples(heard, h, frames), samples(reference, r, frames)
    return len(a) == len(b) == 2 * frames and all(abs(x - y) <= TOLERANCE for x, y in zip(a, b))


def landing(heard, h, reference):
    """The frame start of the reference (or its first sample) that `heard` plays from frame h on;
    None when it plays from none."""
    starts = [0] + list(range(MPEG_FRAME - TRIMMED, len(reference) // FRAME_BYTES, MPEG_FRAME))
    near = [r for r in starts if plays(heard, h, reference, r, 32)]
    return next((r for r in near if plays(heard, h, reference, r, CHECK)), None)


def stretches(heard, reference):
    """[(first frame heard, reference frame it plays, frames it lasts)] for each stretch of `heard`
    that plays the reference on from the start of one of its MPEG frames, in order; silence
    between stretches is left out. A stretch that starts anywhere else ends the list with
    (frame, None, 0)."""
    total = len(heard) // FRAME_BYTES
    silent = bytes(FRAME_BYTES)
    result, h = [], 0
    while h + CHECK <= total:
        while h < total and heard[h * FRAME_BYTES:(h + 1) * FRAME_BYTES] == silent:
            h += 1
        if h + CHECK > total:
            break
        r = landing(heard, h, reference)
        if r is None:
            result.append((h, None, 0))
            break
        start = h
        # On while it plays on: chunks first, then the frame where it stops.
        step = CHECK
        while h + step <= total and r + step <= len(reference) // FRAME_BYTES and \
                plays(heard, h, reference, r, step):
            h, r = h + step, r + step
        while h < total and plays(heard, h, reference, r, 1):
            h, r = h + 1, r + 1
        result.append((start, r - (h - start), h - start))
    return result


def lands_on_a_frame(r):
    """Whether reference frame `r` is where an MPEG frame's samples start (or the track's
    first sample)."""
    return r == 0 or (r + TRIMMED) % MPEG_FRAME == 0


def loudness(samples):
    return sum(abs(s) for s in samples) / max(1, len(samples))


def gain(heard, reference, start, frames):
    """The loudness of what was heard over that of the reference, frame `start` on, where the
    two play the same place (no seek in between)."""
    h = array.array("h", heard[start * FRAME_BYTES:(start + frames) * FRAME_BYTES])
    r = array.array("h", reference[start * FRAME_BYTES:(start + frames) * FRAME_BYTES])
    return loudness(h) / loudness(r)
