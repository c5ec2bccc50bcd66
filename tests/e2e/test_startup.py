"""Start-up and exit of the real program: where the INI file goes, and the exit question."""
import os
import time
import unittest

import e2elib


class StartAndExit(unittest.TestCase):
    def tearDown(self):
        self.player.close()

    def test_renamed_program_in_a_japanese_folder_saves_beside_itself(self):
        # 表 and ソ end in byte 0x5C, the path separator, in code page 932.
        self.player = e2elib.Player(folder_name="表示ソフト", exe_name="Player.exe").start()
        self.assertEqual((0, 0, 233, 206), self.player.geometry())
        self.player.key("Escape")
        self.player.answer_box("きえてほしい？", "y")
        self.assertEqual(0, self.player.wait_exit())
        self.assertEqual({"DLGPOSX": "0", "DLGPOSY": "0", "DLGMTOP": "0", "DLGMMIN": "0",
                          "VOLUME": "100"}, self.player.ini_values())
        self.assertTrue(self.player.read_ini().startswith("[VIZURE3]"))
        self.assertFalse(os.path.exists(os.path.join(self.player.folder, "VizuRE3.INI")))

    def test_no_keeps_the_player_running_and_writes_nothing(self):
        self.player = e2elib.Player().start()
        self.player.key("Escape")
        e2elib.guide_picture("exit", self.player.wait_for_box("きえてほしい？"))
        self.player.answer_box("きえてほしい？", "n")
        time.sleep(0.5)
        self.assertTrue(self.player.running())
        self.assertFalse(os.path.exists(self.player.ini_path()))
        self.player.key("Return")  # Enter does nothing either
        time.sleep(0.5)
        self.assertTrue(self.player.running())
        self.assertEqual([], e2elib.find_windows("きえてほしい？"))

    def test_saved_position_and_topmost_are_used(self):
        self.player = e2elib.Player()
        self.player.write_ini("[VIZURE3]\nDLGPOSX=300\nDLGPOSY=200\nDLGMTOP=8\nDLGMMIN=0\n")
        self.player.start()
        self.assertEqual((300, 200, 233, 206), self.player.geometry())
        self.player.key("Escape")
        self.player.answer_box("きえてほしい？", "y")
        self.player.wait_exit()
        self.assertEqual("8", self.player.ini_values()["DLGMTOP"])


if __name__ == "__main__":
    e2elib.main()
