"""The arrow keys and the mouse wheel with the real program, the real library and real X input,
heard on the paced sound card: Right and Left move 5 seconds in the playing track (30 with
Shift) on the player and on the mini window, landing where an MPEG frame starts; Up, Down and
the wheel set the player's own volume, which the ticker shows for a moment and the next start
keeps."""
import os
import time
import unittest

import e2elib
import joins
import seeks
from test_ticker import digits_shown

SECONDS = 40
TICKER_OFFSET = 50  # the ticker stands this far above the player
PLACE = "DLGPOSX=100\nDLGPOSY=120\n"  # room for the ticker above
BAND = [(x, y) for y in range(31, 49) for x in range(10, 220, 3)]


class Keys(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player(folder_name="早送り", audio="paced")
        self.song = os.path.join(self.player.root, "スイープ.mp3")
        self.reference = seeks.make_sweep_mp3(self.song, SECONDS)

    def tearDown(self):
        self.player.close()

    def click(self, dx, dy, *how):
        x, y, _, _ = self.player.geometry()
        e2elib.xdotool("mousemove", x + dx, y + dy, "click", *how, 1)

    def play_with_sink(self, scenario):
        """Starts the player on the paced sink, runs `scenario`, ends the player; what the sink
        received."""
        sink = e2elib.PacedSink(self.player.root)
        try:
            self.player.start()
            scenario()
            self.player.exit()
        finally:
            sink.stop()
        with open(sink.pcm, "rb") as f:
            return f.read()

    def test_arrow_keys_move_within_the_track_on_the_player_and_on_the_mini_window(self):
        self.player.write_ini(e2elib.playlist_ini([e2elib.windows_path(self.song)], PLACE))
        moves = []  # seconds each key should move, and how it should land

        def key(keys, seconds, landing="frame", on=None):
            if on:
                e2elib.xdotool("windowfocus", "--sync", on)
                e2elib.xdotool("key", keys)
            else:
                self.player.key(keys)
            moves.append((seconds, landing))
            time.sleep(1.5)

        def scenario():
            self.player.key("Right")  # stopped: nothing happens
            self.click(30, 165)  # the ticker on
            self.click(60, 70)  # play
            time.sleep(2.5)
            key("Right", 5)
            x, y, _, _ = self.player.geometry()
            shown = digits_shown(e2elib.screenshot(), x, y - TICKER_OFFSET)
            self.assertRegex(shown, r"^001000:0[6-9]$")  # the new place, already
            key("Left", -5)
            key("shift+Right", 30)
            self.click(60, 70)  # pause
            time.sleep(0.3)
            key("shift+Left", -30)  # paused, it stays paused: silence until play is pressed
            self.click(60, 70)  # on from the new place
            time.sleep(1.5)
            self.click(190, 120, "--repeat", "2", "--delay", "80")  # shrink
            mini = e2elib.wait_for(
                lambda: [w for w in e2elib.find_program_windows(self.player.exe_name)
                         if (e2elib.window_geometry(w) or (0, 0, 0, 0))[2:] == (70, 100)],
                what="the mini window")[0]
            key("Left", -5, on=mini)
            key("shift+Left", -30, "start", on=mini)  # before the start: from the start
            key("shift+Right", 30, on=mini)
            key("shift+Right", 30, "next", on=mini)  # past the end: the list goes on
            mx, my, _, _ = e2elib.window_geometry(mini)
            e2elib.xdotool("mousemove", mx + 35, my + 50, "click", "--repeat", "2", "--delay", "80",
                           1)
            e2elib.wait_for(lambda: e2elib.find_program_windows(self.player.exe_name,
                                                                 e2elib.MAIN_SIZE),
                            what="the player to come back")

        heard = self.play_with_sink(scenario)
        found = seeks.stretches(heard, self.reference)
        self.assertEqual(len(moves) + 1, len(found), found)
        self.assertEqual(0, found[0][1])  # played from the start: the key before did nothing
        for (seconds, landing), (_, r0, frames), (_, r1, _) in zip(moves, found, found[1:]):
            at = r0 + frames  # where the track was heard when the new place came
            if landing != "frame":
                self.assertEqual(0, r1, (seconds, landing, found))
                continue
            self.assertTrue(seeks.lands_on_a_frame(r1), (seconds, r1, found))
            target = at + seconds * seeks.RATE
            # The key came a little before the sink heard the switch.
            self.assertLessEqual(target - 0.3 * seeks.RATE, r1, (seconds, at, r1))
            self.assertLessEqual(r1, target + 0.1 * seeks.RATE, (seconds, at, r1))

    def test_volume_keys_and_the_wheel_set_a_volume_that_the_next_start_keeps(self):
        # A hand edit that is no number: full volume, and the next save writes a real one.
        self.player.write_ini(e2elib.playlist_ini([e2elib.windows_path(self.song)],
                                                  PLACE + "VOLUME=leise\n"))
        band = lambda shot, x, y: [e2elib.pixel(shot, x + bx, y - TICKER_OFFSET + by)
                                   for bx, by in BAND]

        def scenario():
            self.click(30, 165)  # the ticker on
            self.click(60, 70)  # play
            time.sleep(1.5)
            x, y, _, _ = self.player.geometry()
            line = band(e2elib.screenshot(), x, y)
            self.player.key("Down", "Down", "Down", "Down")  # 80 %
            self.assertTrue(line != band(e2elib.screenshot(), x, y), "the volume shows")
            time.sleep(1.5)
            self.assertTrue(line == band(e2elib.screenshot(), x, y), "the line is back")
            for notch in ["5", "5", "4"]:  # the wheel over the player: 75, 70, 75 %
                e2elib.xdotool("mousemove", x + 100, y + 100, "click", notch)
                time.sleep(1)

        heard = self.play_with_sink(scenario)
        self.assertEqual("75", self.player.ini_values()["VOLUME"])
        # No change interrupted the sound (both channels pass through 0 together now and then).
        self.assertLess(joins.longest_silence(heard), 3)
        self.assertEqual([1.0, 0.64, 0.5625, 0.49, 0.5625], gains(heard, self.reference))

        # The next start plays at the volume kept, from its first sample.
        os.rename(os.path.join(self.player.root, "paced.raw"),
                  os.path.join(self.player.root, "first.raw"))
        heard = self.play_with_sink(lambda: (self.click(60, 70), time.sleep(1.5)))
        self.assertEqual([0.5625], gains(heard, self.reference))


def gains(heard, reference, window=0.1, levels=(1.0, 0.64, 0.49, 0.5625), tolerance=0.01):
    """The volumes heard in turn, as square-law gains: each window of what was heard against the
    same place of the reference (no seek: the two run side by side), each run of windows at one
    level counted once; windows across a change match no level and are skipped."""
    size = int(seeks.RATE * window)
    frames = min(len(heard), len(reference)) // seeks.FRAME_BYTES
    result = []
    for start in range(0, frames - size, size):
        g = seeks.gain(heard, reference, start, size)
        level = next((v for v in levels if abs(g - v) <= tolerance), None)
        if level is not None and (not result or result[-1] != level):
            result.append(level)
    return result


if __name__ == "__main__":
    e2elib.main()
