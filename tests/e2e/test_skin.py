"""The skinned main window as a person meets it: its shape on the screen, clicks on its
buttons and through its transparent corners, dragging it, and its right-click menu."""
import os
import time
import unittest

import e2elib

REPO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
KEY_COLOUR = (204, 153, 0)


def has_narrow_run(row, limit):
    """Whether a bitmap row holds a run of non-key pixels narrower than `limit`."""
    width = 0
    for colour in list(row) + [KEY_COLOUR]:
        if colour != KEY_COLOUR:
            width += 1
            continue
        if 0 < width < limit:
            return True
        width = 0
    return False


class Skin(unittest.TestCase):
    def setUp(self):
        self.below = e2elib.XEventLog()
        self.desktop = e2elib.screenshot()
        self.player = e2elib.Player().start()
        time.sleep(0.5)  # let the first frame reach the screen

    def tearDown(self):
        self.player.close()
        self.below.close()

    def test_outline_shows_the_skin_inside_and_the_desktop_outside(self):
        width, height, skin = e2elib.read_bmp8(os.path.join(REPO, "res", "back.bmp"))
        shot = e2elib.screenshot()
        # Wine 10 shapes the rows that hold a run narrower than 6 pixels wrongly on the screen
        # (rows 8, 135 and 138 here), though the region holds them exactly: its own fault.
        wine_rows = {y for y in range(height) if e2elib.shape_drops_narrow_runs() and
                     has_narrow_run(skin[y], e2elib.NARROW_RUN)}
        self.assertLessEqual(len(wine_rows), 3)
        inside = outside = 0
        for y in range(height):
            for x in range(width):
                seen = e2elib.pixel(shot, x, y)
                self.assertNotEqual(KEY_COLOUR, seen, (x, y))
                if y in wine_rows:
                    continue
                if skin[y][x] != KEY_COLOUR:  # the skin's pixels are exactly the outline's
                    self.assertEqual(skin[y][x], seen, (x, y))
                    inside += 1
                else:
                    self.assertEqual(e2elib.pixel(self.desktop, x, y), seen, (x, y))
                    outside += 1
        skipped = sum(1 for y in wine_rows for x in range(width) if skin[y][x] != KEY_COLOUR)
        self.assertEqual(38361, inside + skipped)
        self.assertEqual(233 * 206 - 38361, outside + len(wine_rows) * width - skipped)

    def test_clicks_outside_the_outline_reach_the_window_below(self):
        before = self.below.button_presses()
        e2elib.xdotool("mousemove", 231, 1, "click", 1)   # top-right corner, outside
        e2elib.xdotool("mousemove", 0, 100, "click", 1)   # column 0 is never part of it
        e2elib.wait_for(lambda: self.below.button_presses() >= before + 2, 5,
                        "the clicks to reach the window below")
        e2elib.xdotool("mousemove", 175, 2, "click", 1)   # inside the head
        time.sleep(0.5)
        self.assertEqual(before + 2, self.below.button_presses())

    def test_exit_button_click_asks_and_no_keeps_it(self):
        e2elib.xdotool("mousemove", 105, 164, "click", 1)
        self.player.answer_box("きえてほしい？", "n")
        time.sleep(0.3)
        self.assertTrue(self.player.running())

    def test_dragging_the_character_moves_the_window(self):
        e2elib.xdotool("mousemove", 200, 150, "mousedown", 1)
        time.sleep(0.3)  # the system's move loop starts once the press is handled
        for step in range(1, 11):
            e2elib.xdotool("mousemove", 200 + 10 * step, 150 + 8 * step)
            time.sleep(0.05)
        time.sleep(0.2)
        e2elib.xdotool("mouseup", 1)
        e2elib.wait_for(lambda: self.player.geometry()[:2] == (100, 80), 5, "the window to move")
        # The exit saves where it went.
        e2elib.xdotool("mousemove", 205, 244, "click", 1)
        self.player.answer_box("きえてほしい？", "y")
        self.player.wait_exit()
        values = self.player.ini_values()
        self.assertEqual(("100", "80"), (values["DLGPOSX"], values["DLGPOSY"]))

    def test_menu_switches_auto_shrink_and_saves_at_once(self):
        e2elib.xdotool("mousemove", 200, 150, "click", 3)
        time.sleep(0.5)
        e2elib.xdotool("key", "Escape")  # dismissed: nothing saved
        time.sleep(0.3)
        self.assertFalse(os.path.exists(self.player.ini_path()))
        self.below.close()  # the window below would show through the player's corners
        e2elib.xdotool("mousemove", 200, 150, "click", 3)
        time.sleep(0.5)
        e2elib.guide_picture("menu", *e2elib.find_program_windows(self.player.exe_name))
        # Down six times: the first item, then five more past the separator.
        e2elib.xdotool("key", *(["Down"] * 6), "Return")
        e2elib.wait_for(lambda: os.path.exists(self.player.ini_path()), 5, "the settings save")
        self.assertEqual("8", self.player.ini_values()["DLGMMIN"])


if __name__ == "__main__":
    e2elib.main()
