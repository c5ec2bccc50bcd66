"""The mini window with the real program and real double clicks: a double click on the figure
shrinks the player to the mini window, a double click on the mini window brings it back where
it was."""
import unittest

import e2elib


class MiniWindow(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player(folder_name="ちいさく")
        self.player.write_ini("[VIZURE3]\nDLGPOSX=400\nDLGPOSY=300\n")

    def tearDown(self):
        self.player.close()

    def mini_windows(self):
        """The program's visible windows other than the main window."""
        return [w for w in e2elib.find_program_windows(self.player.exe_name)
                if (e2elib.window_geometry(w) or (0, 0, 0, 0))[2:] != e2elib.MAIN_SIZE]

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


if __name__ == "__main__":
    e2elib.main()
