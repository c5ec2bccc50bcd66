"""End-to-end tests: the real program under Wine, driven with real X input.

Each test copies VizuRE3.exe and VBMP3.dll into a fresh folder (so the INI file lands there),
starts the program through the build's run-under-wine (the tests' Wine prefix, a chosen audio
sink) on the display in $DISPLAY, and acts as a person would: key presses and clicks through
xdotool, screenshots through ImageMagick's import.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

TITLE = "ぴこもちＭＰ３プレーヤー"
MAIN_SIZE = (233, 206)

_args = None


def parse_args():
    """Reads --bin (the Windows build's bin folder) and --runner (its run-under-wine)."""
    global _args
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--runner", required=True)
    parser.add_argument("--wine-root", required=True)
    _args, rest = parser.parse_known_args()
    return [sys.argv[0]] + rest


def use_programs(bin_dir, runner, wine_root):
    """For a caller with its own arguments: where VizuRE3.exe and VBMP3.dll are, how to run them."""
    global _args
    _args = argparse.Namespace(bin=bin_dir, runner=runner, wine_root=wine_root)


def main():
    argv = parse_args()
    if not os.environ.get("DISPLAY"):
        sys.exit("e2e: DISPLAY is not set; run the tests through tools/test.sh")
    unittest.main(argv=argv, verbosity=2)


_wine_version = None


def wine_version():
    """(major, minor) of the Wine that the runner starts programs under."""
    global _wine_version
    if _wine_version is None:
        out = subprocess.run([_args.runner, "--version"], capture_output=True, text=True).stdout
        found = re.match(r"wine-(\d+)\.(\d+)", out.strip())  # "wine-10.0 (Debian 10.0~repack-6)"
        if not found:
            raise RuntimeError("the runner's Wine says no version: %r" % out)
        _wine_version = (int(found.group(1)), int(found.group(2)))
    return _wine_version


def shape_drops_narrow_runs():
    """Whether the Wine draws a window region's rows that hold a rectangle narrower than 6 pixels
    wrongly on the screen, though the region holds them exactly (GetRegionData, PtInRegion):
    Wine 10 leaves such rectangles out of the window's shape (tools/wine/probes/narrow_runs.cpp
    shows it without our code) and, on the outline's rows 8, 135 and 138, shows up to 6 pixels
    beside them that the region does not hold. Wine 8 draws them exactly."""
    return wine_version() >= (10, 0)


NARROW_RUN = 6  # pixels; see shape_drops_narrow_runs


def typing_arrives_as_typed():
    """Whether text typed through xdotool reaches a Wine program as typed. Wine 10 reads the
    characters of keys from its own Japanese keyboard layout under the Japanese locale, not from
    the X server's US one: a typed '"' arrives as "'", and the file dialog took no typed path.
    Wine 8 takes them as typed."""
    return wine_version() < (10, 0)


def xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    if check and result.returncode != 0:
        raise RuntimeError("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr))
    return result.stdout.strip()


def find_windows(name):
    """X windows whose name is exactly `name` (visible ones only)."""
    out = xdotool("search", "--onlyvisible", "--name", "^%s$" % name, check=False)
    return [int(w) for w in out.split()]


def window_geometry(window):
    """(x, y, width, height) of an X window, or None when it is gone."""
    out = xdotool("getwindowgeometry", "--shell", window, check=False)
    if not out:
        return None
    values = dict(line.split("=") for line in out.splitlines())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def find_program_windows(exe_name, size=None):
    """Visible X windows of a program (Wine names their class after the executable), optionally
    only those of the given (width, height). Works for windows without a title too."""
    pattern = "^%s$" % exe_name.lower().replace(".", "\\.")
    out = xdotool("search", "--onlyvisible", "--class", pattern, check=False)
    windows = [int(w) for w in out.split()]
    if size is not None:
        windows = [w for w in windows if (window_geometry(w) or (0, 0, 0, 0))[2:] == size]
    return windows


def stacking(*windows):
    """The given X windows in the order the screen stacks them, the top one first (X stacks
    what Wine shows in the order its programs raise them)."""
    out = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True,
                         check=True).stdout
    order = [int(line.split()[0], 16) for line in map(str.strip, out.splitlines())
             if line.startswith("0x")]
    return sorted(windows, key=order.index)


def run_other_program(name, folder):
    """Starts one of Wine's own programs (notepad...) as another program on the screen would
    be; the caller kills it."""
    return subprocess.Popen([_args.runner, name], cwd=folder, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)


def kill_program(process):
    """Ends a program started by run_other_program, Wine's processes under it included."""
    try:
        os.killpg(process.pid, 9)
    except ProcessLookupError:
        pass
    process.wait()


def wait_for(predicate, timeout=20.0, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for %s" % what)


class Player:
    """The program in a folder of its own."""

    def __init__(self, folder_name="player", exe_name="VizuRE3.exe", audio="null"):
        self.root = tempfile.mkdtemp(prefix="vz3e2e-")
        self.folder = os.path.join(self.root, folder_name)
        os.makedirs(self.folder)
        self.exe_name = exe_name
        shutil.copy(os.path.join(_args.bin, "VizuRE3.exe"), os.path.join(self.folder, exe_name))
        # VBMP3.dll as the build names it, VBMP3.DLL as a package does: Windows does not mind.
        dll = next(n for n in os.listdir(_args.bin) if n.upper() == "VBMP3.DLL")
        shutil.copy(os.path.join(_args.bin, dll), self.folder)
        self.audio = audio
        self.process = None
        self.window = None

    def ini_path(self):
        return os.path.join(self.folder, os.path.splitext(self.exe_name)[0] + ".INI")

    def write_ini(self, text):
        """Writes the INI file in code page 932 with CR LF line ends, as the program does."""
        with open(self.ini_path(), "wb") as f:
            f.write(text.replace("\n", "\r\n").encode("cp932"))

    def read_ini(self):
        with open(self.ini_path(), "rb") as f:
            return f.read().decode("cp932")

    def ini_values(self):
        values = {}
        for line in self.read_ini().splitlines():
            if "=" in line:
                key, value = line.split("=", 1)
                values[key] = value
        return values

    def start(self, *args, env=None):
        env = dict(os.environ, PLAYER_AUDIO=self.audio, **(env or {}))
        # The program's output goes where this script's goes: what Wine says of a crash reaches
        # tools/run-checked.py, which fails the run for it.
        self.process = subprocess.Popen([_args.runner, self.exe_name, *args], cwd=self.folder,
                                        env=env, stdin=subprocess.DEVNULL)
        self.window = wait_for(lambda: find_program_windows(self.exe_name, MAIN_SIZE),
                               what="the player's window")[0]
        return self

    def focus(self):
        xdotool("windowfocus", "--sync", self.window)

    def key(self, *keys):
        self.focus()
        xdotool("key", *keys)

    def wait_for_box(self, caption, timeout=20.0):
        return wait_for(lambda: find_windows(caption), timeout, "message box %r" % caption)[0]

    def answer_box(self, caption, key):
        """Presses `key` (for example "y" for はい(Y)) in the message box titled `caption`."""
        box = self.wait_for_box(caption)
        xdotool("windowfocus", "--sync", box)
        xdotool("key", key)
        wait_for(lambda: box not in find_windows(caption), what="the box to close")

    def geometry(self):
        return window_geometry(self.window)

    def exit(self):
        """Escape, and "yes" to the exit question: the player ends."""
        self.key("Escape")
        self.answer_box("きえてほしい？", "y")
        self.wait_exit()

    def wait_exit(self, timeout=20.0):
        return self.process.wait(timeout)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def close(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.root, ignore_errors=True)


def screenshot():
    """The whole screen as (width, height, bytes of RGB triples, rows from the top)."""
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    # P6 header: magic, width, height, maximum value, each followed by whitespace.
    fields = []
    pos = 0
    while len(fields) < 4:
        while ppm[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not ppm[pos:pos + 1].isspace():
            pos += 1
        fields.append(ppm[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, ppm[pos + 1:pos + 1 + width * height * 3]


def guide_picture(name, *windows):
    """With GUIDE_SHOTS naming a folder, saves the screen around the given X windows there as
    `name`.png for the user guide (tools/guide-pictures.sh); otherwise does nothing."""
    folder = os.environ.get("GUIDE_SHOTS")
    if not folder:
        return
    time.sleep(0.5)  # let the last paint reach the screen
    boxes = [g for g in map(window_geometry, windows) if g]
    left, top = min(b[0] for b in boxes), min(b[1] for b in boxes)
    right, bottom = max(b[0] + b[2] for b in boxes), max(b[1] + b[3] for b in boxes)
    subprocess.run(["import", "-window", "root", "-crop",
                    "%dx%d+%d+%d" % (right - left, bottom - top, left, top), "+repage", "-strip",
                    os.path.join(folder, name + ".png")], check=True)


def pixel(shot, x, y):
    width, _, data = shot
    i = (y * width + x) * 3
    return tuple(data[i:i + 3])


def read_bmp8(path):
    """An 8-bit palette BMP as (width, height, rows of (r, g, b), top row first)."""
    with open(path, "rb") as f:
        data = f.read()
    offset = int.from_bytes(data[10:14], "little")
    header_size = int.from_bytes(data[14:18], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    colours = int.from_bytes(data[46:50], "little") or 256
    palette_at = 14 + header_size
    palette = [(data[palette_at + 4 * i + 2], data[palette_at + 4 * i + 1], data[palette_at + 4 * i])
               for i in range(colours)]
    stride = (width + 3) & ~3
    rows = []
    for y in range(abs(height)):
        stored = abs(height) - 1 - y if height > 0 else y
        line = data[offset + stored * stride:offset + stored * stride + width]
        rows.append([palette[i] for i in line])
    return width, abs(height), rows


class XEventLog:
    """An xev window at the top-left of the screen, logging the events it receives, so a test
    can see whether a click went through the player to the window below it."""

    def __init__(self, width=400, height=300):
        self.log = tempfile.NamedTemporaryFile(prefix="vz3xev-", suffix=".log", delete=False)
        self.process = subprocess.Popen(
            ["xev", "-geometry", "%dx%d+0+0" % (width, height), "-event", "button"],
            stdout=self.log, stderr=subprocess.DEVNULL)
        wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "^Event Tester$",
                                 check=False), what="the xev window")
        time.sleep(0.3)

    def button_presses(self):
        with open(self.log.name) as f:
            return f.read().count("ButtonPress event")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if os.path.exists(self.log.name):
            os.unlink(self.log.name)


def windows_path(path):
    """A Linux path as the program sees it through Wine's Z: drive."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def playlist_ini(paths, extra="", tags=None):
    """INI text for a playlist of the given Windows paths (entry 0 current), as the program saves
    it; `tags` gives each entry's (title, artist, seconds) as read from its file (default: none)."""
    lines = ["[VIZURE3]", "REGNUM=%d" % len(paths)]
    for i, path in enumerate(paths):
        title, artist, seconds = tags[i] if tags else ("", "", 0)
        lines += ["FILENAME%04d=%s" % (i, path), "TRACKNAME%04d=%s" % (i, title),
                  "ARTISTNAME%04d=%s" % (i, artist), "TOTALSEC%04d=%d" % (i, seconds),
                  "READDATA%04d=1" % i]
    return "\n".join(lines) + "\n" + extra


class PacedSink:
    """The real-time sound card of the tests (tools/wine/paced-sink): start it before a program
    that plays with audio="paced"."""

    def __init__(self, folder):
        self.pcm = os.path.join(folder, "paced.raw")
        self.log = os.path.join(folder, "paced.log")
        sink = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                            "wine", "paced-sink")
        self.process = subprocess.Popen([sink, os.path.join(_args.wine_root, "paced.fifo"),
                                         self.pcm, self.log])
        time.sleep(0.3)

    def stop(self):
        self.process.terminate()
        self.process.wait()

    def arrivals(self):
        """[(seconds since the sink started, total bytes read by then)]."""
        with open(self.log) as f:
            return [(float(t), int(b)) for t, b in (line.split() for line in f if line.strip())]

    def time_of_byte(self, offset):
        """When the byte at `offset` of the stream arrived, in seconds since the sink started."""
        for t, total in self.arrivals():
            if total > offset:
                return t
        return None
