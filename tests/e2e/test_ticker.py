"""The title ticker as a person meets it: the "i" key shows the balloon above the playing player,
with the track's number, its artist and title from the file's tags, and an elapsed time that
advances."""
import os
import subprocess
import time
import unittest

import audio
import e2elib

REPO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SIZE = (230, 80)
ARTIST, TITLE = "ぴこもち合唱団", "おもちがふくらむ夜のうた"


def digits_shown(shot, left, top):
    """What the ticker at (left, top) shows in its digit cells, as "001000:42" ("?": no glyph
    of res/digits.bmp)."""
    _, _, glyphs = e2elib.read_bmp8(os.path.join(REPO, "res", "digits.bmp"))
    shows = lambda x, gx, w: all(e2elib.pixel(shot, left + x + dx, top + 10 + y) == glyphs[y][gx + dx]
                                 for y in range(17) for dx in range(w))
    return "".join((":" if shows(x, 165, 6) else "?") if x == 189 else
                   next((str(d) for d in range(10) if shows(x, 2 + 16 * d, 13)), "?")
                   for x in [100, 113, 126, 150, 163, 176, 189, 195, 208])


class Ticker(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player()
        self.song = os.path.join(self.player.root, "うた.mp3")
        audio.make_tone_mp3(self.song, 440, 120)  # the null sound card plays it in half a minute
        subprocess.run(["eyeD3", "--quiet", "--encoding", "utf16", "-a", ARTIST, "-t", TITLE,
                        self.song], check=True, capture_output=True)
        self.player.write_ini("[VIZURE3]\nDLGPOSX=100\nDLGPOSY=120\n")

    def tearDown(self):
        self.player.close()

    def test_i_key_shows_the_playing_tracks_tags_and_time_above_the_player(self):
        self.player.start(e2elib.windows_path(self.song))  # joins the list and plays
        e2elib.xdotool("mousemove", 130, 285, "click", 1)  # the "i" key
        ticker = e2elib.wait_for(lambda: e2elib.find_program_windows(self.player.exe_name, SIZE),
                                 what="the ticker")[0]
        self.assertEqual((100, 70) + SIZE, e2elib.window_geometry(ticker))
        values = self.player.ini_values()  # what the tags gave the entry
        self.assertEqual((ARTIST, TITLE), (values["ARTISTNAME0000"], values["TRACKNAME0000"]))

        time.sleep(0.5)
        first = digits_shown(e2elib.screenshot(), 100, 70)
        time.sleep(2)
        shot = e2elib.screenshot()
        later = digits_shown(shot, 100, 70)
        e2elib.guide_picture("ticker", ticker, self.player.window)
        seconds = lambda shown: int(shown[3:6]) * 60 + int(shown[7:])
        self.assertRegex(first + later, r"^(001\d\d\d:\d\d){2}$")
        self.assertGreater(seconds(later), seconds(first))
        ink = sum(1 for y in range(31, 49) for x in range(10, 220)
                  if max(e2elib.pixel(shot, 100 + x, 70 + y)) < 100)
        self.assertGreater(ink, 300)  # the line is drawn in the band

        e2elib.xdotool("mousemove", 130, 285, "click", 1)  # off again
        e2elib.wait_for(lambda: not e2elib.find_program_windows(self.player.exe_name, SIZE), 5,
                        "the ticker to go")

    def test_the_ticker_stays_right_behind_the_player_in_the_window_order(self):
        """Another program's window over both, clicks on either, always on top switched on and
        off from the menu, a shrink and a restore: wherever the player goes in the window order,
        the ticker follows right behind it, and the mini window stands where the player stood."""
        self.player.start()
        x, y, _, _ = self.player.geometry()
        e2elib.xdotool("mousemove", x + 30, y + 165, "click", 1)  # the "i" key
        e2elib.wait_for(lambda: e2elib.find_program_windows(self.player.exe_name, SIZE),
                        what="the ticker")
        other = e2elib.run_other_program("notepad", self.player.root)
        self.addCleanup(e2elib.kill_program, other)
        notepad = e2elib.wait_for(lambda: e2elib.find_program_windows("notepad.exe"),
                                  what="notepad")[0]
        # Over the ticker and the player's head, leaving its feet to click on.
        e2elib.xdotool("windowmove", "--sync", notepad, 0, 0)
        e2elib.xdotool("windowsize", "--sync", notepad, 700, y + 100)

        feet, notepad_text, mini_feet = (x + 190, y + 150), (50, 150), (x + 233 - 35, y + 196)
        click = lambda at, *how: lambda: e2elib.xdotool("mousemove", *at, "click", *how)
        double_click = lambda at: click(at, "--repeat", 2, "--delay", 80, 1)

        def choose_topmost():
            click(feet, 3)()
            time.sleep(0.5)
            e2elib.xdotool("key", "--delay", 30, *(["Down"] * 5), "Return")

        # Without a window manager nothing keeps an always-on-top window above another program's,
        # and the always-on-top switch hides the window for a moment, which hands the activation
        # to that program; when it raises itself is a race between two processes there. So after
        # the switch only a click on the player is judged (the window order of the two bands is
        # the window test's).
        steps = [("notepad started", lambda: None, "notepad player ticker"),
                 ("the player clicked", click(feet, 1), "player ticker notepad"),
                 ("notepad clicked", click(notepad_text, 1), "notepad player ticker"),
                 ("the player clicked", click(feet, 1), "player ticker notepad"),
                 ("always on top on", choose_topmost, None),
                 ("the player clicked", click(feet, 1), "player ticker notepad"),
                 ("always on top off", choose_topmost, None),
                 ("the player clicked", click(feet, 1), "player ticker notepad"),
                 ("shrunk", double_click(feet), "mini notepad"),
                 ("notepad clicked", click(notepad_text, 1), "notepad mini"),
                 ("restored", double_click(mini_feet), "player ticker notepad")]
        names = {e2elib.MAIN_SIZE: "player", SIZE: "ticker", (70, 100): "mini"}
        seen = []
        for step, act, expected in steps:
            act()
            time.sleep(1.5)
            shown = {w: names.get(e2elib.window_geometry(w)[2:], "?")
                     for w in e2elib.find_program_windows(self.player.exe_name)}
            shown[notepad] = "notepad"
            order = " ".join(shown[w] for w in e2elib.stacking(*shown))
            seen.append("%s: %s" % (step, order))
            if expected:
                self.assertEqual(expected, order, "; ".join(seen))


if __name__ == "__main__":
    e2elib.main()
