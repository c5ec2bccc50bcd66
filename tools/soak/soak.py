#!/usr/bin/env python3
"""Soak: drives the real player under Wine with random commands through real X input (xdotool)
for a long time, against a playlist of very short tracks, so that end-of-track notices race the
commands all the time: the seven buttons, the popup menu (of the main and of the mini window),
the editor's buttons and keys (its file dialog included), the ticker, shrink and restore, moving
the window, the media keys, and files handed over by second starts of the program (the way files
come in from outside: the X server cannot drag and drop between clients).

SoakProbe.exe watches from outside meanwhile: it sends the main window a message every 100 ms
and keeps the longest wait for the answer, and at every checkpoint counts the player's GDI
objects, windows and kernel handles; the private memory comes from /proc/<pid>/smaps_rollup. At
each checkpoint the player is first brought to one state (shown, editor closed, ticker off,
stopped), so that the counts compare, and the INI file must be consistent: REGNUM matches the
entries, no path twice, every path one of the soak's files, at most 129 entries. At the end the
list is emptied in the editor, a known set is added (handed over, and through the file dialog)
and the player exits: the file must hold exactly that set.

    soak.py --bin BIN --runner RUNNER --wine-root ROOT [--minutes 60] [--every 60] [--seed N]

BIN is the Windows build's bin folder (VizuRE3.exe, VBMP3.dll, SoakProbe.exe), RUNNER its
run-under-wine; DISPLAY must name the X display the player runs on. Prints a table of the
checkpoints and "key value" lines; exits non-zero on any failed check.
"""
import argparse
import collections
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "e2e"))
import audio  # noqa: E402
import e2elib  # noqa: E402

MAX_ENTRIES = 129
TICKER_SIZE = (230, 80)
EDITOR = "聴きたい曲"
FILE_DIALOG = "開く"
FILE_NAME_FIELD = (375, 327)  # in the file dialog, from its top left corner
FILE_CANCEL_BUTTON = (594, 363)
EXIT_QUESTION = "きえてほしい？"

# The player's buttons and a point on its figure, in window pixels.
BUTTONS = {"play": (60, 70), "stop": (50, 104), "prev": (35, 132), "next": (80, 132),
           "ticker": (30, 165), "playlist": (66, 165), "exit": (105, 164)}
FIGURE = (190, 120)
MINI_FIGURE = (35, 50)
# The popup menu's items by the number of Down presses that reach them (separators skipped).
MENU = {"playpause": 1, "stop": 2, "prev": 3, "next": 4, "topmost": 5, "autoshrink": 6,
        "exit": 7}
# Where the windows are kept apart: the editor opens over its owner and would hide the buttons.
PLAYER_AREA = ((560, 780), (60, 330))  # the main window's left and top edges stay in these
EDITOR_AT = (10, 390)
# The editor's buttons, centres in pixels from its top left corner (frame and caption included),
# and its list's first row and row height.
EDITOR_BUTTONS = {"add": (482, 49), "delete": (482, 80), "up": (482, 127), "down": (482, 158),
                  "close": (482, 266)}
EDITOR_CAPTION = (150, 10)
FIRST_ROW, ROW_HEIGHT, VISIBLE_ROWS = (120, 56), 17, 12
# Two presses of one button on one spot (4 pixels apart at most) closer together than the
# double-click time (500 ms by default) are a double click, even when they belong to two
# commands (a double click on the figure shrinks the player): a single press waits until this
# has passed since such a press.
DOUBLE_CLICK_S = 0.6


class Failures(list):
    def add(self, text):
        print("FAILED:", text, flush=True)
        self.append(text)


def make_tracks(folder, count, rng):
    """`count` tracks of 0.3 to 1 s (copies of eight tones), a tenth with Japanese names (表 and
    ソ end in byte 0x5C in code page 932; these only come handed over: typing them loses
    characters). Returns their paths."""
    os.makedirs(folder)
    bases = []
    for i in range(8):
        base = os.path.join(folder, "base%d.mp3" % i)
        audio.make_tone_mp3(base, 300 + 100 * i, 0.3 + 0.1 * i)
        bases.append(base)
    paths = []
    for i in range(count):
        name = ("表示ソ%03d.mp3" if i % 10 == 9 else "s%03d.mp3") % i
        path = os.path.join(folder, name)
        shutil.copy(rng.choice(bases), path)
        paths.append(path)
    for base in bases:
        os.unlink(base)
    return paths


def drag_window(at, grip, to):
    """Drags a window whose top left corner is `at` by the point `grip` of it, in five steps,
    until its corner is at `to`."""
    e2elib.xdotool("mousemove", at[0] + grip[0], at[1] + grip[1], "mousedown", 1)
    for step in range(1, 6):
        e2elib.xdotool("mousemove", at[0] + grip[0] + (to[0] - at[0]) * step // 5,
                       at[1] + grip[1] + (to[1] - at[1]) * step // 5)
        time.sleep(0.03)
    e2elib.xdotool("mouseup", 1)


def parse_ini(text):
    """(values of [VIZURE3], problems) as the player reads its file: the last value of a key
    counts; a value in quotes loses them."""
    values, problems, section = {}, [], None
    for line in text.split("\r\n"):
        if line.startswith("["):
            section = line.strip("[]")
        elif "=" in line and section == "VIZURE3":
            key, value = line.split("=", 1)
            if len(value) >= 2 and value[0] == value[-1] == '"':
                value = value[1:-1]
            if key in values:
                problems.append("%s twice" % key)
            values[key] = value
    return values, problems


def check_ini(path, own_files):
    """The INI file's playlist, and what is wrong with it."""
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("cp932")
    except UnicodeDecodeError as error:
        return [], ["not code page 932: %s" % error]
    values, problems = parse_ini(text)
    if "REGNUM" not in values:
        return [], problems + ["no REGNUM"]
    count = int(values["REGNUM"])
    listed = [values.get("FILENAME%04d" % i) for i in range(count)]
    if None in listed:
        problems.append("REGNUM %d, entry %d missing" % (count, listed.index(None)))
    stray = [k for k in values if k.startswith("FILENAME") and int(k[8:]) >= count]
    if stray:
        problems.append("REGNUM %d and %s" % (count, stray[0]))
    if count > MAX_ENTRIES:
        problems.append("%d entries" % count)
    seen = set()
    for path in filter(None, listed):
        if path.upper() in seen:
            problems.append("%s twice" % path)
        seen.add(path.upper())
        if path not in own_files:
            problems.append("%s is none of the soak's files" % path)
    return listed, problems


def private_kb(pid):
    """Private (resident, not shared) memory of the Unix process behind the player."""
    kb = 0
    with open("/proc/%d/smaps_rollup" % pid) as f:
        for line in f:
            if line.startswith(("Private_Clean:", "Private_Dirty:")):
                kb += int(line.split()[1])
    return kb


def unix_pid(process, exe_name, folder, timeout=10.0):
    """The player's Unix process. Where Wine runs the program in the process it was started as
    (run-under-wine execs Wine, which keeps the process id), that one; where Wine starts it as a
    new process (Wine 10 runs a 32-bit program through start.exe), the process whose command line
    names the program in its folder."""
    with open("/proc/%d/comm" % process.pid) as f:
        if f.read().strip() == exe_name[:15]:
            return process.pid
    wanted = e2elib.windows_path(os.path.join(folder, exe_name)).upper().encode()
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for entry in os.listdir("/proc"):
            try:
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    if f.read().split(b"\0")[0].upper() == wanted:
                        return int(entry)
            except (OSError, ValueError):
                continue
        time.sleep(0.1)
    raise RuntimeError("no Unix process runs %s" % wanted.decode())


class Soak:
    def __init__(self, opts, rng, failures):
        self.opts, self.rng, self.failures = opts, rng, failures
        self.player = e2elib.Player(folder_name="soak")
        self.music = os.path.join(self.player.root, "music")
        self.tracks = make_tracks(self.music, opts.tracks, rng)
        self.own = {e2elib.windows_path(p) for p in self.tracks}
        self.ascii_names = [os.path.basename(p) for p in self.tracks
                            if os.path.basename(p).isascii()]
        self.control = os.path.join(self.player.root, "probe")
        os.makedirs(self.control)
        self.handing = []  # second starts still running: (process, when started)
        self.last_hand_over_ended = 0.0  # when the last second start was seen to end
        self.done = collections.Counter()
        self.probe = None
        self.command = "start"  # the command under way, for the failures' messages
        self.shots = 0
        self.last_press = (None, 0.0)  # ((x, y, button), when) of the last press, any kind

    def trace(self, text):
        if self.opts.verbose:
            now = time.time()
            print("%s.%03d %s" % (time.strftime("%H:%M:%S", time.gmtime(now)),
                                  int(now * 1000) % 1000, text), flush=True)

    # --- the windows -----------------------------------------------------------------------

    def windows_of_size(self, size):
        return e2elib.find_program_windows(self.player.exe_name, size)

    def main_window(self):
        found = self.windows_of_size(e2elib.MAIN_SIZE)
        return found[0] if found else None

    def mini_window(self):
        for w in e2elib.find_program_windows(self.player.exe_name):
            geometry = e2elib.window_geometry(w)
            if geometry and geometry[2] == 70:
                return w
        return None

    def editor(self):
        found = e2elib.find_windows(EDITOR)
        return found[0] if found else None

    def single_press_at(self, x, y, button=1):
        """Called before a single press at (x, y): keeps it from making a double click with
        the press before it."""
        where, when = self.last_press
        if where and where[2] == button and abs(where[0] - x) <= 4 and abs(where[1] - y) <= 4:
            time.sleep(max(0.0, when + DOUBLE_CLICK_S - time.monotonic()))
        self.last_press = ((x, y, button), time.monotonic())

    def click(self, window, at, button=1, repeat=1):
        x, y, _, _ = e2elib.window_geometry(window)
        if repeat == 1:
            self.single_press_at(x + at[0], y + at[1], button)
        e2elib.xdotool("mousemove", x + at[0], y + at[1], "click", "--repeat", repeat,
                       "--delay", 80, button)
        self.last_press = ((x + at[0], y + at[1], button), time.monotonic())

    def wait(self, predicate, what, timeout=20):
        try:
            return e2elib.wait_for(predicate, timeout, what)
        except AssertionError:
            self.failures.add("no reaction: timed out waiting for %s (command %s)"
                              % (what, self.command))
            self.screenshot("the screen then")
            return None

    def answer_exit_question(self, key):
        box = self.wait(lambda: e2elib.find_windows(EXIT_QUESTION), "the exit question")
        if box:
            e2elib.xdotool("windowfocus", "--sync", box[0])
            e2elib.xdotool("key", key)
            self.wait(lambda: not e2elib.find_windows(EXIT_QUESTION), "the question to close")

    def choose_in_menu(self, item):
        time.sleep(0.2)
        if item is None:
            e2elib.xdotool("key", "Escape")
        else:
            e2elib.xdotool("key", "--delay", 30, *(["Down"] * MENU[item]), "Return")

    def place_editor(self, editor):
        """Drags the editor by its caption to the place where it covers nothing of the player's."""
        x, y, _, _ = e2elib.window_geometry(editor)
        if (x, y) == EDITOR_AT:
            return
        self.single_press_at(x + EDITOR_CAPTION[0], y + EDITOR_CAPTION[1])
        drag_window((x, y), EDITOR_CAPTION, EDITOR_AT)
        self.wait(lambda: e2elib.window_geometry(editor)[:2] == EDITOR_AT, "the editor to move", 5)

    # --- the commands ------------------------------------------------------------------------

    def press_button(self, name, repeat=1):
        main = self.main_window()
        if not main:
            return
        self.click(main, BUTTONS[name], repeat=repeat)
        if name == "exit":
            self.answer_exit_question("n")
        elif name == "playlist":
            editor = self.wait(self.editor, "the editor")
            if editor:
                self.place_editor(editor)

    def popup_menu(self, window, at, kind):
        """A right click on `window` at `at` and a random item of its menu (or none)."""
        if not window:
            return
        item = self.rng.choice(list(MENU) + [None])
        before = set(e2elib.find_program_windows(self.player.exe_name))
        self.click(window, at, button=3)
        # Keys sent before the menu is up reach the player instead: Escape would ask the exit
        # question.
        if not self.wait(lambda: set(e2elib.find_program_windows(self.player.exe_name)) - before,
                         "the popup menu", 5):
            return
        self.choose_in_menu(item)
        # Under load the keys can come before the menu takes the keyboard and be lost: the
        # menu stays open and would swallow the next commands. Chosen again, once.
        # (A menu has no title; a message box that an item opened has one.)
        menu_gone = lambda: not [w for w in set(e2elib.find_program_windows(self.player.exe_name))
                                 - before if not e2elib.xdotool("getwindowname", w, check=False)]
        if not self.wait_quietly(menu_gone, 3):
            self.done["%s.chosen_again" % kind] += 1
            self.choose_in_menu(item)
            self.wait(menu_gone, "the popup menu to close", 5)
        if item == "exit":
            self.answer_exit_question("n")
        self.done["%s.%s" % (kind, item)] += 1

    def escape_key(self):
        main = self.main_window()
        if main:
            self.click(main, FIGURE)  # activates it, the editor open or not
            e2elib.xdotool("key", "Escape")
            self.answer_exit_question("n")

    def shrink(self):
        main = self.main_window()
        if main:
            self.click(main, FIGURE, repeat=2)
            self.wait(self.mini_window, "the mini window")

    def restore(self):
        mini = self.mini_window()
        if mini:
            self.click(mini, MINI_FIGURE, repeat=2)
            self.wait(self.main_window, "the main window to come back")

    def move_player(self):
        main = self.main_window()
        if not main:
            return
        x, y, _, _ = e2elib.window_geometry(main)
        to = (self.rng.randint(*PLAYER_AREA[0]), self.rng.randint(*PLAYER_AREA[1]))
        self.single_press_at(x + FIGURE[0], y + FIGURE[1])
        drag_window((x, y), FIGURE, to)

    def media_key(self):
        e2elib.xdotool("key", self.rng.choice(["XF86AudioPlay", "XF86AudioStop",
                                               "XF86AudioNext", "XF86AudioPrev"]))

    def hand_over(self, files=None):
        """A second start of the program with files: it hands them to the running player."""
        if files is None:
            count = self.rng.choice([1, 1, 2, 3, 5, 8, 40])
            files = self.rng.sample(self.tracks, count)
        process = subprocess.Popen(
            [self.opts.runner, self.player.exe_name] + [e2elib.windows_path(f) for f in files],
            cwd=self.player.folder, env=dict(os.environ, PLAYER_AUDIO="null"),
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)  # Wine's word if it fails
        self.handing.append((process, time.monotonic()))
        return process

    def reap_hand_overs(self, wait=False):
        for process, started in list(self.handing):
            if wait:
                try:
                    process.wait(max(1, 60 - (time.monotonic() - started)))
                except subprocess.TimeoutExpired:
                    pass
            code = process.poll()
            if code is None and time.monotonic() - started < 60:
                continue
            self.handing.remove((process, started))
            self.last_hand_over_ended = time.monotonic()
            if code is None:
                process.kill()
                process.wait()
                self.failures.add("a second start did not end within a minute")
            said = process.stderr.read().decode(errors="replace").strip()[-300:]
            process.stderr.close()
            if code:
                self.failures.add("a second start ended with exit code %d: %s" % (code, said))

    def hand_overs_taken(self):
        """Waits until the player has taken every file handed over. It takes them when the
        hand-offs have been quiet for 300 ms (at most 2 s after the first) and brings its own
        window to the front then: keys meant for the editor would reach the player instead (an
        Escape would ask the exit question)."""
        self.reap_hand_overs(wait=True)
        time.sleep(max(0.0, self.last_hand_over_ended + 2.5 - time.monotonic()))

    # --- the editor --------------------------------------------------------------------------

    def click_row(self, editor, modifier=None, repeat=1):
        row = self.rng.randrange(VISIBLE_ROWS)
        at = (FIRST_ROW[0], FIRST_ROW[1] + row * ROW_HEIGHT)
        if modifier:
            e2elib.xdotool("keydown", modifier)
        self.click(editor, at, repeat=repeat)
        if modifier:
            e2elib.xdotool("keyup", modifier)

    def file_dialog(self, names=None):
        """Chooses files in the editor's file dialog by typing their names (or cancels it)."""
        dialog = self.wait(lambda: e2elib.find_windows(FILE_DIALOG), "the file dialog")
        if not dialog:
            return
        # Names are typed; where the typing does not arrive as typed (Wine 10), the dialog is
        # only opened and cancelled, and the end's files come by hand-over instead.
        cancel = self.rng.random() < 0.2 or not e2elib.typing_arrives_as_typed()
        if names is None and cancel:
            # Its Cancel button is clicked: an Escape can come while the dialog is still
            # listing its folder and be lost (seen under Wine 10), a click on the button is not.
            for _ in range(3):
                self.click(dialog[0], FILE_CANCEL_BUTTON)
                if self.closed(dialog[0], 10):
                    return
                self.done["file_dialog.cancelled_again"] += 1
                self.screenshot("the file dialog stayed open")
        else:
            names = names or self.rng.sample(self.ascii_names, self.rng.choice([1, 2, 4]))
            # The folder first, then the names in it. Under load the dialog may still be
            # listing the folder when the names come, and clear them: typed once more.
            for pause in (0.5, 2):
                self.type_file_name(dialog[0], e2elib.windows_path(self.music))
                time.sleep(pause)
                # After a folder the dialog may leave the focus in its list: clicked back.
                self.type_file_name(dialog[0], " ".join('"%s"' % n for n in names))
                if self.closed(dialog[0], 15):
                    return
                self.done["file_dialog.typed_again"] += 1
                self.screenshot("the file dialog stayed open")
            e2elib.xdotool("key", "Escape", "Escape")  # a box of the dialog's own, the dialog
        self.wait(lambda: not e2elib.find_windows(FILE_DIALOG), "the file dialog to close", 30)

    def type_file_name(self, dialog, text):
        """Types `text` into the file dialog's name field (clicked, emptied) and presses Enter."""
        self.click(dialog, FILE_NAME_FIELD)
        e2elib.xdotool("key", "ctrl+a")
        e2elib.xdotool("type", "--delay", "10", text)
        e2elib.xdotool("key", "Return")

    def closed(self, window, timeout):
        return self.wait_quietly(lambda: window not in e2elib.find_windows(FILE_DIALOG), timeout)

    @staticmethod
    def wait_quietly(predicate, timeout):
        """Like wait, but a timeout is no failure: False."""
        try:
            return e2elib.wait_for(predicate, timeout)
        except AssertionError:
            return False

    def screenshot(self, why):
        """The screen, saved for a look afterwards beside the system's temporary files."""
        self.shots += 1
        path = os.path.join(tempfile.gettempdir(), "vz3soak-%d-%d.png" % (os.getpid(), self.shots))
        subprocess.run(["import", "-window", "root", path], check=False)
        active = e2elib.xdotool("getactivewindow", "getwindowname", check=False).strip()
        focus = e2elib.xdotool("getwindowfocus", "getwindowname", check=False).strip()
        print("%s: %s (command %s; active window %r, focus %r)"
              % (why, path, self.command, active, focus), flush=True)

    def editor_command(self, editor):
        kind = self.rng.choices(
            ["row", "extend", "toggle", "keys", "delete_key", "insert_key", "enter", "double",
             "add", "delete", "up", "down", "escape", "close"],
            [8, 3, 2, 6, 2, 1, 3, 3, 1, 2, 4, 4, 1, 1])[0]
        self.done["editor.%s" % kind] += 1
        self.command = "editor.%s" % kind
        self.trace("command " + self.command)
        if kind == "row":
            self.click_row(editor)
        elif kind == "extend":
            self.click_row(editor, "shift")
        elif kind == "toggle":
            self.click_row(editor, "ctrl")
        elif kind == "double":
            self.click_row(editor, repeat=2)
        elif kind in ("add", "delete", "up", "down", "close"):
            self.click(editor, EDITOR_BUTTONS[kind])
            if kind == "add":
                self.file_dialog()
        else:
            # Keys go to the list: a click on a row gives it the focus.
            self.hand_overs_taken()
            self.click_row(editor)
            if kind == "keys":
                keys = [self.rng.choice(["Down", "Up", "Home", "End", "shift+Down", "shift+Up",
                                         "shift+End", "Next", "Prior"])
                        for _ in range(self.rng.randint(1, 4))]
                e2elib.xdotool("key", "--delay", 30, *keys)
            elif kind == "delete_key":
                e2elib.xdotool("key", "Delete")
            elif kind == "insert_key":
                e2elib.xdotool("key", "Insert")
                self.file_dialog()
            elif kind == "enter":
                e2elib.xdotool("key", "Return")
            elif kind == "escape":
                e2elib.xdotool("key", "Escape")

    # --- one random command ------------------------------------------------------------------

    def random_button(self):
        editor_open = self.editor() is not None  # the playlist key would only bring it forward
        name = self.rng.choices(list(BUTTONS), [6, 3, 3, 6, 2, 0 if editor_open else 2, 1])[0]
        self.done["button.%s" % name] += 1
        self.press_button(name)

    def step(self):
        editor = self.editor()
        shrunk = self.main_window() is None
        choices = {"hand_over": 6, "media_key": 2}
        if shrunk:
            choices.update(restore=6, mini_menu=4)
        else:
            choices.update(button=30, double_button=2, main_menu=6, escape=1, shrink=3, move=1)
        if editor:
            choices["editor"] = 30
        kind = self.rng.choices(list(choices), list(choices.values()))[0]
        self.done[kind] += 1
        self.command = kind
        self.trace("command " + kind)
        actions = {
            "button": self.random_button,
            "double_button": lambda: self.press_button(
                self.rng.choice(["play", "next", "prev", "ticker"]), repeat=2),
            "main_menu": lambda: self.popup_menu(self.main_window(), FIGURE, "menu"),
            "mini_menu": lambda: self.popup_menu(self.mini_window(), MINI_FIGURE, "mini_menu"),
            "escape": self.escape_key, "shrink": self.shrink, "restore": self.restore,
            "move": self.move_player, "media_key": self.media_key, "hand_over": self.hand_over,
            "editor": lambda: self.editor_command(editor),
        }
        actions[kind]()
        self.reap_hand_overs()
        time.sleep(self.rng.uniform(0.05, 0.4))

    # --- checkpoints ---------------------------------------------------------------------------

    def settle(self):
        """The player shown, the editor closed, the ticker off, stopped; no second start
        running."""
        self.command = "checkpoint"
        self.reap_hand_overs(wait=True)
        if e2elib.find_windows(EXIT_QUESTION):
            self.failures.add("the exit question was left open")
            self.answer_exit_question("n")
        if self.main_window() is None:
            self.restore()
        editor = self.editor()
        if editor:
            self.click(editor, EDITOR_BUTTONS["close"])
            self.wait(lambda: not self.editor(), "the editor to close")
        if self.windows_of_size(TICKER_SIZE):
            self.press_button("ticker")
            self.wait(lambda: not self.windows_of_size(TICKER_SIZE), "the ticker to go", 5)
        self.press_button("stop")
        time.sleep(1.5)  # hand-offs wait 300 ms for quiet before they are taken

    def check_ini(self, when):
        if not os.path.exists(self.player.ini_path()):
            return []
        listed, problems = check_ini(self.player.ini_path(), self.own)
        for problem in problems:
            self.failures.add("INI at %s: %s" % (when, problem))
        return listed

    def counts(self):
        request = os.path.join(self.control, "count")
        answer = os.path.join(self.control, "counts.txt")
        open(request, "w").close()
        e2elib.wait_for(lambda: os.path.exists(answer), 30, "the probe's counts")
        with open(answer) as f:
            values = dict(line.split() for line in f if line.strip())
        os.unlink(answer)
        return values

    def checkpoint(self, minute, rows):
        self.settle()
        listed = self.check_ini("minute %g" % minute)
        counts = self.counts()
        row = dict(minute=minute, commands=sum(v for k, v in self.done.items() if "." not in k),
                   entries=len(listed), gdi=int(counts["gdi"]), windows=int(counts["windows"]),
                   handles=int(counts["handles"]), dialog_keys=int(counts["dialog_keys"]),
                   own_handles=int(counts["handles"]) - int(counts["dialog_keys"]),
                   private_kb=private_kb(self.pid),
                   longest_ms=float(counts["longest_ms"]), pings=int(counts["pings"]),
                   unanswered=int(counts["unanswered"]), boxes=int(counts["boxes"]))
        rows.append(row)
        print("checkpoint " + " ".join("%s=%s" % kv for kv in row.items()), flush=True)
        if row["unanswered"] or row["longest_ms"] >= 1000:
            self.failures.add("the window did not answer within a second (minute %g)" % minute)
        if not self.player.running():
            raise RuntimeError("the player ended")

    # --- the run -------------------------------------------------------------------------------

    def start(self):
        first = self.rng.sample(self.tracks, 20)
        self.player.write_ini(e2elib.playlist_ini(
            [e2elib.windows_path(p) for p in first],
            "DLGPOSX=%d\nDLGPOSY=%d\n" % (PLAYER_AREA[0][0], PLAYER_AREA[1][0])))
        self.player.start()
        self.pid = unix_pid(self.player.process, self.player.exe_name, self.player.folder)
        self.probe = subprocess.Popen(
            [self.opts.runner, os.path.join(self.opts.bin, "SoakProbe.exe"),
             e2elib.windows_path(self.control)], stdout=subprocess.PIPE, text=True)
        self.press_button("play")

    def run(self):
        rows = []
        self.start()
        started = time.monotonic()
        end = started + self.opts.minutes * 60
        next_checkpoint = started + self.opts.every
        while time.monotonic() < end:
            if not self.player.running():
                self.failures.add("the player ended (exit code %s)" % self.player.process.poll())
                return rows
            self.step()
            if time.monotonic() >= next_checkpoint:
                self.checkpoint(round((time.monotonic() - started) / 60, 1), rows)
                next_checkpoint += self.opts.every
        self.checkpoint(round((time.monotonic() - started) / 60, 1), rows)
        self.finish()
        return rows

    def finish(self):
        """Empties the list in the editor, adds a known set (handed over, then through the file
        dialog) and ends the player: the file must hold exactly that set."""
        self.command = "the end"
        self.press_button("playlist")
        editor = self.editor()
        if not editor:
            return
        # A full list, all but its first row moved up and then every row deleted: commands on
        # many rows at once, where the window must keep answering (a paint per row kept it
        # busy for seconds).
        self.trace("the end: fill")
        self.hand_over(self.tracks)
        self.hand_overs_taken()  # the list may have been full already
        self.wait(lambda: len(check_ini(self.player.ini_path(), self.own)[0]) == MAX_ENTRIES,
                  "a full list")
        self.trace("the end: full")
        self.trace("the end: move")
        before = check_ini(self.player.ini_path(), self.own)[0]
        self.click(editor, (FIRST_ROW[0], FIRST_ROW[1] + ROW_HEIGHT))
        e2elib.xdotool("key", "shift+End")
        self.click(editor, EDITOR_BUTTONS["up"])
        self.wait(lambda: check_ini(self.player.ini_path(), self.own)[0] == before[1:] + before[:1],
                  "the rows moved up")
        self.trace("the end: moved")
        self.trace("the end: delete")
        self.click(editor, FIRST_ROW)
        e2elib.xdotool("key", "--delay", 50, "Home", "shift+End", "Delete")
        self.wait(lambda: check_ini(self.player.ini_path(), self.own)[0] == [], "an empty list")
        self.trace("the end: empty")
        handed = [p for p in self.tracks if not os.path.basename(p).isascii()][:3] + \
            self.rng.sample([p for p in self.tracks if os.path.basename(p).isascii()], 4)
        self.trace("the end: hand over")
        self.hand_over(handed)
        self.hand_overs_taken()
        expected = [e2elib.windows_path(p) for p in handed]
        self.wait(lambda: check_ini(self.player.ini_path(), self.own)[0] == expected,
                  "the handed-over set")
        chosen = [n for n in self.ascii_names
                  if e2elib.windows_path(os.path.join(self.music, n)) not in expected][:3]
        if e2elib.typing_arrives_as_typed():
            self.click(editor, FIRST_ROW)
            e2elib.xdotool("key", "Insert")
            self.trace("the end: the file dialog")
            self.file_dialog(chosen)
        else:
            self.trace("the end: hand over the dialog's files")
            self.hand_over([os.path.join(self.music, n) for n in chosen])
            self.hand_overs_taken()
        expected += [e2elib.windows_path(os.path.join(self.music, n)) for n in chosen]
        self.click(editor, EDITOR_BUTTONS["close"])
        self.press_button("stop")
        main = self.main_window()
        self.trace("the end: exit")
        self.click(main, BUTTONS["exit"])
        self.answer_exit_question("y")
        code = self.player.wait_exit(60)
        self.trace("the end: exited")
        if code != 0:
            self.failures.add("the player ended with exit code %d" % code)
        listed = self.check_ini("the end")
        if sorted(listed) != sorted(expected) or listed[:len(handed)] != expected[:len(handed)]:
            self.failures.add("the list at the end is %s, not %s" % (listed, expected))
        values, _ = parse_ini(self.player.read_ini().replace("\n", "\r\n").replace("\r\r", "\r"))
        if not all(k in values for k in ("DLGPOSX", "DLGPOSY", "DLGMTOP", "DLGMMIN")):
            self.failures.add("the window settings are not in the file at the end")

    def close(self):
        open(os.path.join(self.control, "stop"), "w").close()
        report = {}
        if self.probe:
            out = self.probe.communicate(timeout=60)[0]
            report = dict(line.split() for line in out.splitlines() if line.strip())
        for process, _ in self.handing:
            process.kill()
            process.wait()
        self.player.close()
        return report


def trend(rows, key, warm_up):
    """Least-squares slope per hour of `key` over the checkpoints after the warm-up, and the
    largest value before and after the middle of that span."""
    points = [(r["minute"], r[key]) for r in rows if r["minute"] > warm_up]
    if len(points) < 4:
        return None
    n = len(points)
    mx = sum(p[0] for p in points) / n
    my = sum(p[1] for p in points) / n
    sxx = sum((p[0] - mx) ** 2 for p in points) or 1
    slope = sum((p[0] - mx) * (p[1] - my) for p in points) / sxx * 60
    half = n // 2
    return slope, max(p[1] for p in points[:half]), max(p[1] for p in points[half:])


# A count is flat when its second half never exceeds its first half by more than this (the
# handles and memory breathe with Wine's own work). The handles are the player's own: those
# but the keys that Wine's file dialog leaves open, one for each single file chosen.
FLAT_MARGIN = {"gdi": 0, "windows": 0, "own_handles": 4, "private_kb": 2048}


def main():
    argv = e2elib.parse_args()
    parser = argparse.ArgumentParser()
    parser.add_argument("--minutes", type=float, default=60)
    parser.add_argument("--every", type=float, default=60, help="seconds between checkpoints")
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--tracks", type=int, default=150)
    parser.add_argument("--verbose", action="store_true", help="print every command")
    opts = parser.parse_args(argv[1:])
    for name in ("bin", "runner", "wine_root"):  # the player runs in a folder of its own
        setattr(e2elib._args, name, os.path.abspath(getattr(e2elib._args, name)))
        setattr(opts, name, getattr(e2elib._args, name))
    if not os.environ.get("DISPLAY"):
        sys.exit("soak: DISPLAY is not set")
    seed = opts.seed if opts.seed is not None else random.randrange(1 << 30)
    print("seed %d" % seed, flush=True)
    rng = random.Random(seed)
    failures = Failures()
    soak = Soak(opts, rng, failures)
    rows = []
    try:
        rows = soak.run()
    except Exception as error:  # noqa: BLE001 - reported as a failure of the run
        failures.add("the soak stopped: %r" % error)
        traceback.print_exc()
    finally:
        report = soak.close()

    print("| minute | commands | entries | GDI objects | windows | kernel handles (Wine's dialog "
          "keys) | private KB | longest answer ms |")
    print("|---|---|---|---|---|---|---|---|")
    for r in rows:
        print("| %(minute)g | %(commands)d | %(entries)d | %(gdi)d | %(windows)d | %(handles)d "
              "(%(dialog_keys)d) | %(private_kb)d | %(longest_ms).0f |" % r)
    for kind, count in sorted(soak.done.items()):
        print("done.%s %d" % (kind, count))
    for key, value in report.items():
        print("probe.%s %s" % (key, value))
    print("ini_checks %d" % len(rows))
    warm_up = max(5, opts.minutes / 10)
    for key, margin in FLAT_MARGIN.items():
        result = trend(rows, key, warm_up)
        if result is None:
            continue
        slope, first, second = result
        print("trend.%s %+.1f/hour, largest %d then %d" % (key, slope, first, second))
        if second > first + margin:
            failures.add("%s grows after the warm-up: largest %d, then %d" % (key, first, second))
    if int(report.get("unanswered", "0")) or float(report.get("longest_ms", "0")) >= 1000:
        failures.add("the window did not always answer within a second")
    if int(report.get("boxes", "0")):
        failures.add("the player showed %s unexpected message boxes" % report["boxes"])
    print("result %s" % ("FAILED" if failures else "passed"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
