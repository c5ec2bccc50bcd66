"""Playing a playlist with the real program and the real decoder library: a click on play starts
the first track, each end starts the next, the last wraps to the first, and a missing file
brings up its question."""
import os
import time
import unittest

import audio
import e2elib
import joins

TONES = [440, 660, 880]
SECONDS = 1.5


class Playback(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player(folder_name="再生")
        # Japanese folder and file names; 表 ends in byte 0x5C.
        self.music = os.path.join(self.player.root, "音楽表")
        os.makedirs(self.music)
        self.paths = []
        for i, tone in enumerate(TONES):
            path = os.path.join(self.music, "トラック%d表.mp3" % (i + 1))
            audio.make_tone_mp3(path, tone, SECONDS)
            self.paths.append(path)
        self.capture = os.path.join(self.player.root, "heard.wav")

    def tearDown(self):
        self.player.close()

    def exit_player(self):
        self.player.key("Escape")
        self.player.answer_box("きえてほしい？", "y")
        self.player.wait_exit()

    def heard_tones(self):
        samples, rate = audio.read_wav_left(self.capture)
        return audio.tone_sequence(samples, rate, TONES)

    def test_play_runs_through_the_list_and_wraps_to_the_first(self):
        tags = [(title, "ぴこもち合唱団", int(SECONDS))
                for title in ["あさのうた", "ひるのうた", "よるのうた"]]
        self.player.write_ini(e2elib.playlist_ini([e2elib.windows_path(p) for p in self.paths],
                                                  tags=tags))
        self.player.start(env={"VBMP3_CAPTURE_WAV": e2elib.windows_path(self.capture)})
        e2elib.xdotool("mousemove", 60, 70, "click", 1)  # the play/pause key
        e2elib.guide_picture("player", self.player.window)
        e2elib.xdotool("mousemove", 51, 149, "click", 1)  # the editor, open while it plays
        editor = e2elib.wait_for(lambda: e2elib.find_windows("聴きたい曲"), what="the editor")[0]
        e2elib.guide_picture("editor", editor)
        e2elib.xdotool("windowfocus", "--sync", editor)
        e2elib.xdotool("key", "Escape")  # closes it
        e2elib.wait_for(lambda: not e2elib.find_windows("聴きたい曲"), what="the editor to close")
        # Three tracks and the start of the fourth, at the null sink's speed (about 4x).
        want = 44 + int((len(TONES) * SECONDS + 0.5) * 44100 * 4)
        e2elib.wait_for(lambda: os.path.exists(self.capture) and
                        os.path.getsize(self.capture) > want, 30, "the tracks to play")
        self.exit_player()
        self.assertEqual(TONES + [TONES[0]], self.heard_tones()[:4])

    def test_missing_file_asks_and_yes_drops_it_from_the_list(self):
        missing = os.path.join(self.music, "消えた曲.mp3")
        paths = [e2elib.windows_path(missing), e2elib.windows_path(self.paths[1])]
        self.player.write_ini(e2elib.playlist_ini(paths))
        self.player.start(env={"VBMP3_CAPTURE_WAV": e2elib.windows_path(self.capture)})
        e2elib.xdotool("mousemove", 60, 70, "click", 1)
        e2elib.guide_picture("missing-file", self.player.wait_for_box("ふぁいるのえら～だよ。"))
        self.player.answer_box("ふぁいるのえら～だよ。", "y")
        time.sleep(0.5)
        e2elib.xdotool("mousemove", 60, 70, "click", 1)  # now the remaining entry plays
        e2elib.wait_for(lambda: os.path.exists(self.capture) and
                        os.path.getsize(self.capture) > 44 + 44100 * 4, 30, "the track to play")
        self.exit_player()
        self.assertEqual([660], self.heard_tones()[:1])
        # The removal is not saved: the file still lists both entries.
        self.assertEqual("2", self.player.ini_values()["REGNUM"])

    def test_files_given_on_the_command_line_join_the_list_and_play(self):
        self.player.start(e2elib.windows_path(self.paths[2]), e2elib.windows_path(self.paths[0]),
                          env={"VBMP3_CAPTURE_WAV": e2elib.windows_path(self.capture)})
        e2elib.wait_for(lambda: os.path.exists(self.capture) and
                        os.path.getsize(self.capture) > 44 + 44100 * 4, 30, "the first file to play")
        self.exit_player()
        self.assertEqual([880], self.heard_tones()[:1])  # the first one given plays
        values = self.player.ini_values()
        self.assertEqual("2", values["REGNUM"])
        self.assertEqual(e2elib.windows_path(self.paths[2]),
                         self.player.read_ini().split("FILENAME0000=")[1].splitlines()[0])
        self.assertEqual(str(int(SECONDS)), values["TOTALSEC0000"])  # read from the file

    def test_a_file_named_outside_the_code_page_plays_by_its_short_name(self):
        korean = os.path.join(self.music, "한국어 노래.mp3")
        audio.make_tone_mp3(korean, TONES[1], SECONDS)
        self.player.start(e2elib.windows_path(korean),
                          env={"VBMP3_CAPTURE_WAV": e2elib.windows_path(self.capture)})
        e2elib.wait_for(lambda: os.path.exists(self.capture) and
                        os.path.getsize(self.capture) > 44 + 44100 * 4, 30, "the file to play")
        self.exit_player()
        self.assertEqual([TONES[1]], self.heard_tones()[:1])
        saved = self.player.read_ini().split("FILENAME0000=")[1].splitlines()[0]
        self.assertIn("~", saved)  # the short name, which code page 932 can hold
        self.assertTrue(saved.startswith(e2elib.windows_path(self.music)[:2]))

    def test_a_list_without_sound_stops_after_one_pass(self):
        silent = []
        for i in range(3):
            path = os.path.join(self.music, "無音%d.mp3" % i)
            audio.make_silent_mp3(path)
            silent.append(e2elib.windows_path(path))
        self.player.write_ini(e2elib.playlist_ini(silent))
        self.player.start()
        x, y, _, _ = self.player.geometry()
        idle = e2elib.pixel(e2elib.screenshot(), x + 60, y + 70)
        e2elib.xdotool("mousemove", x + 60, y + 70, "click", 1)
        time.sleep(0.3)
        e2elib.xdotool("mousemove", x + 200, y + 150)  # off the key: its idle look again
        # Each file ends at once; after a whole pass the player stops instead of cycling on.
        e2elib.wait_for(lambda: e2elib.pixel(e2elib.screenshot(), x + 60, y + 70) == idle, 10,
                        "the stopped look")
        for _ in range(10):  # and it stays so
            time.sleep(0.1)
            self.assertEqual(idle, e2elib.pixel(e2elib.screenshot(), x + 60, y + 70))
        self.exit_player()

    def test_ten_tracks_cut_from_one_tone_join_without_a_gap(self):
        """At real time, through the real player: each track reaches the sound card exactly as
        the library decodes it, and the next one follows its last sample at once."""
        self.player = e2elib.Player(folder_name="継ぎ目", audio="paced")
        pieces = joins.make_pieces(self.player.root, 11)
        heard = joins.play_through(self.player, pieces)
        self.assertEqual([(0, 0)] * 10, joins.joins(pieces, heard))


if __name__ == "__main__":
    e2elib.main()
