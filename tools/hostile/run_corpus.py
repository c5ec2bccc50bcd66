#!/usr/bin/env python3
"""Drives the real player under Wine with the hostile corpus (make_corpus.py): the files are
handed over on the command line, added through the editor's file dialog, played and skipped
through with the buttons. Watchdog.exe answers every message box meanwhile and checks that the
player's window always answers within a second. At the end the player must exit normally and its
playlist file must hold exactly the files that the decoder library can read, each once.

    run_corpus.py --bin BIN --runner RUNNER --wine-root ROOT [--full]

BIN is the Windows build's bin folder (VizuRE3.exe, VBMP3.dll, mp3info.exe, Watchdog.exe),
RUNNER its run-under-wine; DISPLAY must name the X display the player runs on. Prints what it
measured as "key value" lines; exits non-zero on any failed check.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "e2e"))
import e2elib  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
PLAY_KEY = (60, 70)
STOP_KEY = (50, 100)
NEXT_KEY = (80, 130)
PLAYLIST_KEY = (66, 165)
EXIT_KEY = (105, 164)
EDITOR_CLOSE = (482, 266)  # the editor's "閉じる", from its top-left corner
MAX_ENTRIES = 129  # what the playlist takes; further files are refused without a word


def readable(opts, path):
    """Whether the decoder library reads the file's information (mp3info.exe, through the DLL)."""
    result = subprocess.run([opts.runner, os.path.join(opts.bin, "mp3info.exe"),
                             e2elib.windows_path(path)], capture_output=True)
    return result.returncode == 0


def fits_code_page(name):
    try:
        name.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def listed(player):
    values = player.ini_values()
    return [values["FILENAME%04d" % i] for i in range(int(values.get("REGNUM", "0")))]


def click(player, at):
    x, y, _, _ = player.geometry()
    e2elib.xdotool("mousemove", x + at[0], y + at[1], "click", 1)


def settle(seconds=3.0):
    """Time for the player to work through what it was given (the watchdog answers its boxes)."""
    time.sleep(seconds)


def add_through_the_editor(player, corpus, names):
    """The files `names` of the corpus chosen in the editor's file dialog, typed into its name
    box (as ASCII: typing other characters through the X server loses some under Wine)."""
    click(player, PLAYLIST_KEY)
    editor = e2elib.wait_for(lambda: e2elib.find_windows("聴きたい曲"), what="the editor")[0]
    e2elib.xdotool("windowfocus", "--sync", editor)
    e2elib.xdotool("key", "Insert")
    dialog = e2elib.wait_for(lambda: e2elib.find_windows("開く"), what="the file dialog")[0]
    e2elib.xdotool("windowfocus", "--sync", dialog)
    e2elib.xdotool("type", "--delay", "20", e2elib.windows_path(corpus))
    e2elib.xdotool("key", "Return")
    time.sleep(1)
    e2elib.xdotool("type", "--delay", "10", " ".join('"%s"' % n for n in names))
    e2elib.xdotool("key", "Return")
    e2elib.wait_for(lambda: not e2elib.find_windows("開く"), 60, "the file dialog to close")
    settle()
    x, y, _, _ = e2elib.window_geometry(editor)
    e2elib.xdotool("mousemove", x + EDITOR_CLOSE[0], y + EDITOR_CLOSE[1], "click", 1)
    e2elib.wait_for(lambda: not e2elib.find_windows("聴きたい曲"), 20, "the editor to close")


def main():
    args = e2elib.parse_args()
    full = "--full" in args
    opts = e2elib._args
    opts.bin, opts.runner = os.path.abspath(opts.bin), os.path.abspath(opts.runner)
    started = time.monotonic()
    work = tempfile.mkdtemp(prefix="vz3hostile-")
    corpus = os.path.join(work, "corpus")
    subprocess.run([sys.executable, os.path.join(HERE, "make_corpus.py"), corpus] +
                   (["--full"] if full else []), check=True)
    with open(os.path.join(corpus, "manifest.json"), encoding="utf-8") as f:
        manifest = json.load(f)

    failures = []
    expected = {}
    for name, verdict in manifest.items():
        if fits_code_page(name):
            found = readable(opts, os.path.join(corpus, name))
            if verdict is not None and found != verdict:
                failures.append("%s: the library says %s, the corpus expects %s" %
                                (name, found, verdict))
            verdict = found
        expected[name] = verdict
    readable_names = sorted(n for n, r in expected.items() if r)

    control = os.path.join(work, "watchdog")
    os.makedirs(control)
    watchdog = subprocess.Popen([opts.runner, os.path.join(opts.bin, "Watchdog.exe"),
                                 e2elib.windows_path(control)], stdout=subprocess.PIPE, text=True)
    player = e2elib.Player(folder_name="hostile")
    try:
        player.start()
        # Handed over by a second start, as "Open with" on all of them would.
        files = [e2elib.windows_path(os.path.join(corpus, n)) for n in manifest]
        second = subprocess.Popen([opts.runner, player.exe_name] + files, cwd=player.folder,
                                  env=dict(os.environ, PLAYER_AUDIO="null"))
        second.wait(120)
        # The drop saves the list once, after the last file (and its message, if any).
        e2elib.wait_for(lambda: os.path.exists(player.ini_path()), 600, "the list to be saved")
        settle(5)
        after_hand_over = listed(player)
        # Stopped while the file dialog is up: a question about a track that cannot be opened
        # would take the keyboard from the dialog.
        click(player, STOP_KEY)
        # The editor's file dialog, on the whole folder: nothing new, nothing lost.
        typed = [n for n in manifest if n.isascii()][:40]
        add_through_the_editor(player, corpus, typed)
        # Play, and skip through the list with the next key.
        click(player, PLAY_KEY)
        for _ in range(len(manifest) + 2):
            time.sleep(0.3)
            click(player, NEXT_KEY)
        settle()
        open(os.path.join(control, "exit"), "w").close()
        click(player, EXIT_KEY)
        exit_code = player.wait_exit(60)
        if exit_code != 0:
            failures.append("the player ended with exit code %d" % exit_code)

        saved = listed(player)
        if saved != after_hand_over:
            failures.append("the editor or playing changed the saved list")
        # The readable files in the order they were handed over, as far as the list holds
        # them; a name outside code page 932 is saved as its short name (unknown here).
        wanted = [e2elib.windows_path(os.path.join(corpus, n)) if fits_code_page(n) else None
                  for n in manifest if expected[n]][:MAX_ENTRIES]
        if len(saved) != len(wanted) or any(
                w != s if w else "~" not in s for w, s in zip(wanted, saved)):
            failures.append("saved list %s, expected %s" % (saved, wanted))
    finally:
        open(os.path.join(control, "stop"), "w").close()
        player.close()
    report = dict(line.split() for line in watchdog.communicate(timeout=30)[0].splitlines())
    if int(report.get("unanswered", "1")) != 0 or float(report.get("longest_ms", "1e9")) >= 1000:
        failures.append("the window did not always answer within a second")
    if int(report.get("pings", "0")) < 10:
        failures.append("too few pings to tell")
    unreadable = len([n for n, r in expected.items() if not r])
    # Each unreadable file once from the hand-over, and the editor's add stops at one of them.
    if unreadable and int(report.get("boxes.open_error", "0")) != unreadable + 1:
        failures.append("expected %d read-failure messages" % (unreadable + 1))

    print("files %d" % len(manifest))
    print("readable %d" % len(readable_names))
    for key, value in report.items():
        print("%s %s" % (key, value))
    print("seconds %.0f" % (time.monotonic() - started))
    for failure in failures:
        print("FAILED:", failure)
    if not os.environ.get("KEEP_CORPUS"):
        shutil.rmtree(work, ignore_errors=True)
    print("result %s" % ("FAILED" if failures else "passed"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
