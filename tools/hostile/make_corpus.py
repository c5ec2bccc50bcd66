#!/usr/bin/env python3
"""Writes a corpus of broken and malicious "MP3" files for driving the real player with them
(tools/hostile/run_corpus.py).

    make_corpus.py FOLDER [--full] [--seed N]

Each file is written with what the player should make of it where that is certain: true for a
file whose tags and length can be read (it joins the playlist, even if it cannot be played),
false for one that is refused with a message, null where only the decoder library can tell. The
list goes to FOLDER/manifest.json. The short corpus has one file of
each kind; --full adds a few hundred random mutations of real files.

Needs lame and sox (tone files), ImageMagick (an image) and ffmpeg (a video, a Layer II file).
"""
import argparse
import json
import os
import random
import shutil
import struct
import subprocess
import sys


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def tone(path, seconds=2.0, frequency=440):
    wav = path + ".wav"
    run("sox", "-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", str(seconds), "sine",
        str(frequency), "vol", "0.3")
    run("lame", "--quiet", "-b", "128", wav, path)
    os.unlink(wav)
    with open(path, "rb") as f:
        return f.read()


def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def id3v2(body, version=3, flags=0, size=None):
    """An ID3v2 tag around `body`; `size` lies about the body's size when given."""
    return b"ID3" + bytes([version, 0, flags]) + syncsafe(len(body) if size is None else size) + body


def frame(frame_id, data, version=3, size=None):
    n = len(data) if size is None else size
    size_bytes = syncsafe(n) if version == 4 else struct.pack(">I", n & 0xFFFFFFFF)
    return frame_id.encode() + size_bytes + b"\0\0" + data


def text_frame(frame_id, text, version=3):
    return frame(frame_id, b"\x01" + text.encode("utf-16"), version)


def audio_frames(mp3):
    """The MPEG frames of a lame file without its summary frame: (offset, length) pairs."""
    frames, pos = [], 0
    while pos + 4 <= len(mp3) and mp3[pos] == 0xFF:
        padding = (mp3[pos + 2] >> 1) & 1
        size = 144 * 128000 // 44100 + padding
        frames.append((pos, size))
        pos += size
    return frames


def chapter(depth, element="CHAP"):
    """CHAP frames nested `depth` deep, each holding the next as its sub-frame."""
    inner = text_frame("TIT2", "底")
    for level in range(depth):
        body = ("c%d" % level).encode() + b"\0" + struct.pack(">IIII", 0, 1000, 0xFFFFFFFF,
                                                                0xFFFFFFFF) + inner
        inner = frame(element, body)
    return inner


def short_corpus(folder, good):
    """{name: readable} for one file of each kind."""
    files = {}

    def write(name, data, readable):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        files[name] = readable

    write("good.mp3", good, True)
    # Names outside code page 932: reached through their short names.
    write("한국어 노래.mp3", good, True)
    write("\U0001F3B5 歌.mp3", good, True)
    write("empty.mp3", b"", False)
    os.mkdir(os.path.join(folder, "folder.mp3"))
    files["folder.mp3"] = False
    # Tag sizes that lie: past the end of the file, and short of the tag's own frames.
    write("tag-past-the-end.mp3", id3v2(text_frame("TIT2", "長い"), size=0x0FFFFFFF) + good, True)
    write("tag-too-short.mp3", id3v2(text_frame("TIT2", "x" * 300), size=20) + good, True)
    # Frames whose sizes lie, one claiming nearly 4 GiB.
    write("frame-sizes-lie.mp3",
          id3v2(frame("TIT2", b"\0abc", size=0x7FFFFFF0) + frame("TPE1", b"\0abc")) + good, True)
    # Unsynchronisation whose last byte is 0xFF, the end of the tag's buffer.
    body = text_frame("TIT2", "\u00ff\u00ff") + b"\xff"
    write("unsync-at-the-end.mp3", id3v2(body.replace(b"\xff", b"\xff\x00")[:-1], flags=0x80) + good,
          True)
    # Frames cut in the middle of the stream.
    frames = audio_frames(good)
    cut = bytearray(good)
    for offset, length in frames[10:40:3]:
        cut[offset + length // 2:offset + length] = b"\0" * (length - length // 2)
    write("truncated-in-the-middle.mp3", bytes(cut[:frames[-3][0] + 100]), True)
    # Huge and deeply nested tags.
    write("huge-tag.mp3", id3v2(text_frame("TIT2", "大" * 40000) +
                                frame("APIC", b"\0image/png\0\x03\0" + os.urandom(16 << 20))) + good,
          True)
    write("nested-chapters.mp3", id3v2(chapter(2000), version=3) + good, True)
    write("many-tags.mp3", b"".join(id3v2(text_frame("TIT2", str(i))) for i in range(200)) + good,
          None)
    # An APE tag whose item count and sizes lie.
    ape = (b"APETAGEX" + struct.pack("<IIII", 2000, 0x7FFFFFFF, 0xFFFFFFFF, 0) + b"\0" * 8)
    write("lying-ape.mp3", good + ape, True)
    # Junk: two gigabytes of it, mostly holes, with MPEG-like bytes at the start.
    junk = os.path.join(folder, "junk-2gb.mp3")
    with open(junk, "wb") as f:
        f.write(bytes([0xFF, 0xFB, 0x90, 0x64]) + os.urandom(1 << 20))
        f.truncate(2 << 30)
    files["junk-2gb.mp3"] = False
    # Not audio at all, or not audio the player plays.
    run("convert", "-size", "64x64", "xc:red", os.path.join(folder, "image.png"))
    os.replace(os.path.join(folder, "image.png"), os.path.join(folder, "image.mp3"))
    files["image.mp3"] = False
    video = os.path.join(folder, "video.mp4")
    run("ffmpeg", "-loglevel", "error", "-f", "lavfi", "-i", "testsrc=duration=1:size=64x48",
        "-f", "lavfi", "-i", "sine=duration=1", "-c:a", "aac", "-shortest", video)
    os.replace(video, os.path.join(folder, "video.mp3"))
    files["video.mp3"] = False
    layer2 = os.path.join(folder, "layer2.mp3")
    run("ffmpeg", "-loglevel", "error", "-f", "lavfi", "-i", "sine=duration=1", "-c:a", "mp2",
        "-f", "mp2", layer2)
    files["layer2.mp3"] = None  # whether its length reads is the library's to say; it never plays
    # No sound at all: it opens, and ends at once.
    silent = os.path.join(folder, "silent.mp3.wav")
    run("sox", "-n", "-r", "44100", "-c", "2", "-b", "16", silent, "trim", "0", "0")
    run("lame", "--quiet", "-b", "128", silent, os.path.join(folder, "silent.mp3"))
    os.unlink(silent)
    files["silent.mp3"] = True
    return files


def mutations(folder, good, count, rng):
    """Random damage to a tagged file: {name: None} (whether it reads is found out)."""
    tagged = id3v2(text_frame("TIT2", "題名") + text_frame("TPE1", "歌手")) + good + \
        b"TAG" + b"t" * 30 + b"a" * 30 + b"\0" * 65
    files = {}
    for i in range(count):
        data = bytearray(tagged)
        for _ in range(rng.randint(1, 40)):
            kind = rng.random()
            pos = rng.randrange(len(data))
            if kind < 0.5:
                data[pos] = rng.randrange(256)
            elif kind < 0.7:
                del data[pos:pos + rng.randint(1, 2000)]
            elif kind < 0.85:
                data[pos:pos] = os.urandom(rng.randint(1, 2000))
            else:
                data = data[:pos]
            if not data:
                break
        name = "mutant-%03d.mp3" % i
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bytes(data))
        files[name] = None
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folder")
    parser.add_argument("--full", action="store_true")
    parser.add_argument("--seed", type=int, default=20261207)
    args = parser.parse_args()
    shutil.rmtree(args.folder, ignore_errors=True)
    os.makedirs(args.folder)
    good = tone(os.path.join(args.folder, ".tone.mp3"))
    os.unlink(os.path.join(args.folder, ".tone.mp3"))
    files = short_corpus(args.folder, good)
    if args.full:
        files.update(mutations(args.folder, good, 300, random.Random(args.seed)))
    with open(os.path.join(args.folder, "manifest.json"), "w", encoding="utf-8") as f:
        json.dump(files, f, ensure_ascii=False, indent=1)
    print("%d files in %s" % (len(files), args.folder))
    return 0


if __name__ == "__main__":
    sys.exit(main())
