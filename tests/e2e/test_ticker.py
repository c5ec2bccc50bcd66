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


if __name__ == "__main__":
    e2elib.main()
