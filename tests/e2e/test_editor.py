"""The playlist editor in the real program: opened from the playlist key, a Japanese-named file
added through the system's file dialog with the keyboard, saved at once."""
import os
import unittest

import audio
import e2elib

PLAYLIST_KEY = (51, 149)  # in the player's window


class Editor(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player()
        # 表 and ソ end in byte 0x5C in code page 932.
        self.track = os.path.join(self.player.folder, "表示ソフト.mp3")
        audio.make_tone_mp3(self.track, 440, 2)

    def tearDown(self):
        self.player.close()

    def test_a_japanese_named_file_chosen_with_the_keyboard_joins_the_list(self):
        self.player.start()
        x, y, _, _ = self.player.geometry()
        e2elib.xdotool("mousemove", x + PLAYLIST_KEY[0], y + PLAYLIST_KEY[1], "click", 1)
        editor = e2elib.wait_for(lambda: e2elib.find_windows("聴きたい曲"), what="the editor")[0]
        # The list has the focus: Insert opens the file dialog.
        e2elib.xdotool("windowfocus", "--sync", editor)
        e2elib.xdotool("key", "Insert")
        dialog = e2elib.wait_for(lambda: e2elib.find_windows("開く"), what="the file dialog")[0]
        e2elib.xdotool("windowfocus", "--sync", dialog)
        # The name box has the focus. Go to the player's folder by its (ASCII) path, then tab
        # to the list of files (type box, open, cancel, folder box, list) and take the last.
        e2elib.xdotool("type", "--delay", "20", e2elib.windows_path(self.player.folder))
        e2elib.xdotool("key", "Return")
        for _ in range(5):
            e2elib.xdotool("key", "--delay", "100", "Tab")
        e2elib.xdotool("key", "End", "Return")
        e2elib.wait_for(lambda: os.path.exists(self.player.ini_path()), what="the saved list")
        values = self.player.ini_values()
        self.assertEqual("1", values["REGNUM"])
        self.assertEqual(e2elib.windows_path(self.track), values["FILENAME0000"])
        self.assertEqual("2", values["TOTALSEC0000"])  # read by the real decoder library
        self.assertEqual([], e2elib.find_windows("開く"))
        self.assertEqual([editor], e2elib.find_windows("聴きたい曲"))


if __name__ == "__main__":
    e2elib.main()
