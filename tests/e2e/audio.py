"""Making short MP3 files for end-to-end tests, and telling what was heard."""
import math
import os
import struct
import subprocess
import wave

RATE = 44100


def make_tone_mp3(path, frequency, seconds):
    """A stereo sine tone of `frequency` Hz encoded by lame (CBR 128 kbit/s, gapless info)."""
    wav = path + ".src.wav"
    subprocess.run(["sox", "-n", "-r", str(RATE), "-c", "2", "-b", "16", wav,
                    "synth", str(seconds), "sine", str(frequency), "vol", "0.5"], check=True)
    subprocess.run(["lame", "--quiet", "-b", "128", wav, path], check=True)
    os.unlink(wav)


def make_silent_mp3(path):
    """An MP3 file with frames but no sound: lame's summary frame and one frame whose samples
    the encoder delay and padding take away entirely."""
    wav = path + ".src.wav"
    subprocess.run(["sox", "-n", "-r", str(RATE), "-c", "2", "-b", "16", wav, "trim", "0", "0"],
                   check=True)
    subprocess.run(["lame", "--quiet", "-b", "128", wav, path], check=True)
    os.unlink(wav)


def read_wav_left(path):
    """The left channel of a 16-bit PCM WAV file as a list of ints, and its sample rate."""
    with wave.open(path, "rb") as w:
        channels, width, rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        frames = w.readframes(w.getnframes())
    assert width == 2, "16-bit PCM expected"
    samples = struct.unpack("<%dh" % (len(frames) // 2), frames)
    return list(samples[::channels]), rate


def dominant_frequencies(samples, rate, window=0.1, quiet=500):
    """For each window of the signal: its frequency estimated from zero crossings, or None
    where it is (nearly) silent."""
    size = int(rate * window)
    result = []
    for start in range(0, len(samples) - size + 1, size):
        chunk = samples[start:start + size]
        if max(abs(s) for s in chunk) < quiet:
            result.append(None)
            continue
        crossings = sum(1 for a, b in zip(chunk, chunk[1:]) if (a < 0) != (b < 0))
        result.append(crossings / 2 / window)
    return result


def tone_sequence(samples, rate, tones, tolerance=0.05):
    """The order in which the given tones (Hz) sound, each run of windows counted once;
    silence and windows that match no tone (the boundaries) are skipped."""
    sequence = []
    for f in dominant_frequencies(samples, rate):
        if f is None:
            continue
        match = [t for t in tones if abs(f - t) <= t * tolerance]
        if match and (not sequence or sequence[-1] != match[0]):
            sequence.append(match[0])
    return sequence


def read_raw_left(path):
    """The left channel of raw 16-bit stereo PCM (what the paced sink keeps)."""
    with open(path, "rb") as f:
        data = f.read()
    data = data[:len(data) // 4 * 4]
    samples = struct.unpack("<%dh" % (len(data) // 2), data)
    return list(samples[::2])


def tone_change(samples, rate, first, second, window=0.02, tolerance=0.08):
    """(end of the last window of tone `first`, start of the first window of tone `second` after
    it), in samples."""
    size = int(rate * window)
    freqs = dominant_frequencies(samples, rate, window)
    is_tone = lambda f, tone: f is not None and abs(f - tone) <= tone * tolerance
    first_end = second_start = None
    for i, f in enumerate(freqs):
        if is_tone(f, first) and second_start is None:
            first_end = (i + 1) * size
        elif is_tone(f, second) and first_end is not None:
            second_start = i * size
            break
    if first_end is None or second_start is None:
        raise AssertionError("no change from %d Hz to %d Hz in the recording" % (first, second))
    return first_end, second_start
