"""The mini window with the real program and real double clicks: a double click on the figure
shrinks the player to the mini window, a double click on the mini window brings it back where
it was, at whatever pace within the system's double-click time, while a press and drag moves
either window."""
import os
import subprocess
import sys
import time
import unittest

import audio
import e2elib

TICKER_SIZE = (230, 80)


class MiniWindow(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player(folder_name="ちいさく")
        self.player.write_ini("[VIZURE3]\nDLGPOSX=400\nDLGPOSY=300\n")

    def tearDown(self):
        self.player.close()

    def mini_windows(self):
        """The program's visible windows other than the main window and the ticker."""
        return [w for w in e2elib.find_program_windows(self.player.exe_name)
                if (e2elib.window_geometry(w) or (0, 0, 0, 0))[2:] not in (e2elib.MAIN_SIZE,
                                                                          TICKER_SIZE)]

    def test_a_double_click_shrinks_and_another_brings_the_player_back(self):
        self.player.start()
        x, y, width, height = self.player.geometry()
        e2elib.xdotool("mousemove", x + 190, y + 120, "click", "--repeat", "2", "--delay", "80", 1)
        mini = e2elib.wait_for(self.mini_windows, what="the mini window")[0]
        e2elib.wait_for(lambda: not e2elib.find_program_windows(self.player.exe_name,
                                                                 e2elib.MAIN_SIZE),
                        what="the main window to go")
        mx, my, mw, mh = e2elib.window_geometry(mini)
        e2elib.guide_picture("mini", mini)
        self.assertEqual((x + width, y + height), (mx + mw, my + mh))  # corners meet
        e2elib.xdotool("mousemove", mx + 35, my + 50, "click", "--repeat", "2", "--delay", "80", 1)
        e2elib.wait_for(lambda: e2elib.find_program_windows(self.player.exe_name,
                                                             e2elib.MAIN_SIZE),
                        what="the main window to come back")
        self.assertEqual((x, y, width, height), self.player.geometry())
        self.assertEqual([], self.mini_windows())

    def test_every_double_click_acts_at_the_first_try_and_a_drag_still_moves(self):
        """Playing, the ticker on, the machine busy: double clicks 60 to 400 ms apart shrink and
        restore at the first try, the ticker hidden and shown with the player."""
        song = os.path.join(self.player.root, "tone.mp3")
        audio.make_tone_mp3(song, 440, 300)  # plays for over a minute on the null sound card
        self.player.start(e2elib.windows_path(song))
        x, y, width, height = self.player.geometry()
        e2elib.xdotool("mousemove", x + 30, y + 165, "click", 1)  # the "i" key: the ticker on
        e2elib.wait_for(self.ticker_shown, what="the ticker")
        busy = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(2)]
        for process in busy:
            self.addCleanup(lambda p=process: (p.kill(), p.wait()))

        feet, mini_feet = (x + 190, y + 150), (x + width - 35, y + height - 10)
        shrunk = lambda: self.mini_windows() and not self.main_shown() and not self.ticker_shown()
        restored = lambda: self.main_shown() and self.ticker_shown() and not self.mini_windows()
        tally = []
        for delay in (60, 150, 250, 400):
            for at, wanted, what in [(feet, shrunk, "shrink"), (mini_feet, restored, "restore")] * 2:
                tries = 0
                while tries < 4 and not wanted():
                    tries += 1
                    self.double_click(at, delay)
                    self.settle(wanted)
                outcome = ("first try" if tries == 1 else "%d tries" % tries if tries and wanted()
                           else "never" if tries else "not needed: the last one failed")
                tally.append("%s at %d ms: %s" % (what, delay, outcome))
        print("\n".join(tally))
        self.assertEqual([], [t for t in tally if not t.endswith("first try")])

        # A press and drag moves each window; the ticker follows the player.
        self.drag(feet, (40, 30))
        self.assertEqual((x + 40, y + 30), self.player.geometry()[:2])
        ticker = e2elib.find_program_windows(self.player.exe_name, TICKER_SIZE)[0]
        self.assertEqual((x + 40, y + 30 - 50), e2elib.window_geometry(ticker)[:2])
        e2elib.xdotool("mousemove", x + 40 + 190, y + 30 + 150, "click", "--repeat", 2,
                       "--delay", 100, 1)
        mini = e2elib.wait_for(self.mini_windows, what="the mini window")[0]
        mx, my, _, _ = e2elib.window_geometry(mini)
        self.drag((mx + 35, my + 90), (-60, 20))
        self.assertEqual((mx - 60, my + 20), e2elib.window_geometry(mini)[:2])

    def main_shown(self):
        return e2elib.find_program_windows(self.player.exe_name, e2elib.MAIN_SIZE)

    def ticker_shown(self):
        return e2elib.find_program_windows(self.player.exe_name, TICKER_SIZE)

    @staticmethod
    def settle(wanted, timeout=3):
        """Waits for the windows to reach a state, then a moment more for them to stay."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and not wanted():
            time.sleep(0.1)
        time.sleep(0.6)

    @staticmethod
    def double_click(at, interval_ms, hold_ms=50):
        """Two clicks as a hand makes them: each press held for a moment, the pointer slipping a
        pixel while the first is held, the second press where the first was and `interval_ms`
        after it (the span and the place the system's double-click time and distance judge)."""
        hold_ms = min(hold_ms, interval_ms // 2)
        e2elib.xdotool("mousemove", *at, "mousedown", 1, "sleep", hold_ms / 2000,
                       "mousemove", at[0] + 1, at[1] + 1, "sleep", hold_ms / 2000, "mouseup", 1,
                       "mousemove", *at, "sleep", (interval_ms - hold_ms) / 1000, "mousedown", 1,
                       "sleep", hold_ms / 1000, "mouseup", 1)

    @staticmethod
    def drag(at, by):
        e2elib.xdotool("mousemove", *at, "mousedown", 1)
        for step in range(1, 11):
            e2elib.xdotool("mousemove", at[0] + by[0] * step // 10, at[1] + by[1] * step // 10)
            time.sleep(0.05)
        e2elib.xdotool("mouseup", 1)
        time.sleep(1)


if __name__ == "__main__":
    e2elib.main()
