#!/usr/bin/python3
"""How soon a seek is heard, and what holding Right costs, through the real player.

Plays a sweep (every place sounds different) through the real program on the paced sink
(tools/wine/paced-sink, real time). First it presses Right (and Shift+Right) a number of times,
each a while after the last, and for each prints the milliseconds from the key (just before
xdotool is started, so xdotool's own start is included) to the moment the sink received the
first sample of the new place (found in the library's own decoding, tests/e2e/seeks.py). Then
it holds Right down for --hold seconds (the X server's key repeat, or xdotool's at 30 a second
where the server repeats nothing) and prints the CPU seconds the player's process used, beside
the same time of plain playing.

Run as the e2e tests are run, for example:
    source tools/wine/virtual-display.sh
    tools/bench/seek-keys.py --bin build/win64/bin --runner build/win64/run-under-wine \
        --wine-root build/wine [--presses 10] [--hold 10] [--minutes 30]
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "e2e"))
import e2elib  # noqa: E402
import seeks  # noqa: E402


def player_cpu_seconds(exe_name):
    """User and system CPU seconds of the processes running `exe_name` under Wine."""
    ticks = os.sysconf("SC_CLK_TCK")
    total = 0
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                if exe_name.encode() not in f.read():
                    continue
            with open("/proc/%s/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            continue
    return total / ticks


def cpu_over(exe_name, seconds, action=None):
    before = player_cpu_seconds(exe_name)
    if action:
        action(seconds)
    else:
        time.sleep(seconds)
    return player_cpu_seconds(exe_name) - before


def hold_right(seconds):
    e2elib.xdotool("keydown", "Right")
    time.sleep(seconds)
    e2elib.xdotool("keyup", "Right")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--runner", required=True)
    parser.add_argument("--wine-root", required=True)
    parser.add_argument("--presses", type=int, default=10)
    parser.add_argument("--hold", type=float, default=10)
    parser.add_argument("--minutes", type=int, default=30, help="of the sweep")
    opts = parser.parse_args()
    e2elib.use_programs(os.path.abspath(opts.bin), os.path.abspath(opts.runner),
                        os.path.abspath(opts.wine_root))

    player = e2elib.Player(folder_name="seeks", audio="paced")
    song = os.path.join(player.root, "sweep.mp3")
    reference = seeks.make_sweep_mp3(song, opts.minutes * 60)
    player.write_ini(e2elib.playlist_ini([e2elib.windows_path(song)]))
    sink = e2elib.PacedSink(player.root)
    keys = []
    try:
        player.start()
        x, y, _, _ = player.geometry()
        e2elib.xdotool("mousemove", x + 60, y + 70, "click", 1)
        time.sleep(2)
        player.focus()
        for i in range(opts.presses):
            keys.append(time.monotonic())
            e2elib.xdotool("key", "Right" if i % 2 else "shift+Right")
            time.sleep(1.5)
        playing = cpu_over(player.exe_name, opts.hold)
        holding = cpu_over(player.exe_name, opts.hold, hold_right)
        player.exit()
    finally:
        sink.stop()
    with open(sink.pcm, "rb") as f:
        heard = f.read()
    with open(sink.log + ".start") as f:
        sink_start = float(f.read())
    found = seeks.stretches(heard, reference)
    heard_at = lambda frame: sink_start + sink.time_of_byte(frame * seeks.FRAME_BYTES)
    lags, olds = [], []
    for key in keys:
        # The first stretch that starts after the key, and the one it cut short.
        i = next((i for i, (h, _, _) in enumerate(found) if i and heard_at(h) > key), None)
        if i is None:
            continue
        lags.append((heard_at(found[i][0]) - key) * 1000)
        h, _, frames = found[i - 1]
        olds.append((heard_at(h + frames - 1) - key) * 1000)
    player.close()
    print("key to the new place heard, ms: " + ", ".join("%.0f" % lag for lag in lags))
    print("key to the old place's last sample heard, ms: " +
          ", ".join("%.0f" % old for old in olds))
    if lags:
        xdotool = time.monotonic()
    e2elib.xdotool("key", "Right")
    print("one xdotool key (with nobody to take it): %.0f ms" % ((time.monotonic() - xdotool) * 1000))
    print("median %.0f ms, longest %.0f ms (%d of %d keys found)" % (
            sorted(lags)[len(lags) // 2], max(lags), len(lags), len(keys)))
    print("player CPU over %.0f s: playing %.2f s, holding Right %.2f s" % (
        opts.hold, playing, holding))


if __name__ == "__main__":
    main()
