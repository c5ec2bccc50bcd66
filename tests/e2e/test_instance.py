"""One player per INI file, with real processes: a later start hands its files to the running
player and ends; it waits while the player starts or asks whether to end, and becomes the player
if that one ends."""
import os
import subprocess
import time
import unittest

import audio
import e2elib

TONES = [300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200]
SECONDS = 1.0


def cpu_ticks(pid):
    """The process's user and system time in clock ticks; None once it has ended."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        exe = os.path.basename(os.readlink("/proc/%d/exe" % pid))
    except OSError:
        return None
    # Before the start script hands over to Wine's loader, the process mostly waits for its own
    # helpers: not yet a program that waits.
    return int(fields[11]) + int(fields[12]) if exe.startswith("wine") else -1


def wait_until_waiting(processes, quiet_seconds=1.0):
    """Until every process is a started Wine program that has used no more than 20 ms of CPU
    in the last `quiet_seconds`: the player's later starts, done starting, retry their hand-over
    every 100 ms and otherwise sleep."""
    def all_quiet():
        before = [cpu_ticks(p.pid) for p in processes]
        time.sleep(quiet_seconds)
        after = [cpu_ticks(p.pid) for p in processes]
        per_second = os.sysconf("SC_CLK_TCK")
        return all(b is not None and b >= 0 and a is not None and a - b <= per_second // 50
                   for b, a in zip(before, after))
    e2elib.wait_for(all_quiet, 60, "the later starts to wait for the player")


class OnePlayer(unittest.TestCase):
    def setUp(self):
        self.player = e2elib.Player(folder_name="一つだけ")
        self.music = os.path.join(self.player.root, "曲")
        os.makedirs(self.music)
        self.capture = os.path.join(self.player.root, "heard.wav")
        self.env = {"VBMP3_CAPTURE_WAV": e2elib.windows_path(self.capture)}
        self.others = []

    def tearDown(self):
        for process in self.others:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.player.close()

    def tone_file(self, name, tone):
        path = os.path.join(self.music, name)
        audio.make_tone_mp3(path, tone, SECONDS)
        return path

    def start_again(self, *files, exe=None):
        """Another start of the program (by default the same executable), with files."""
        exe = exe or self.player.exe_name
        process = subprocess.Popen(
            [e2elib._args.runner, exe, *map(e2elib.windows_path, files)], cwd=self.player.folder,
            env=dict(os.environ, PLAYER_AUDIO="null", **self.env), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        self.others.append(process)
        return process

    def heard_tones(self):
        samples, rate = audio.read_wav_left(self.capture)
        return audio.tone_sequence(samples, rate, TONES)

    def wait_heard(self, count):
        want = 44 + int(count * SECONDS * 44100 * 4)
        e2elib.wait_for(lambda: os.path.exists(self.capture) and os.path.getsize(self.capture) > want,
                        30, "%d tracks to play" % count)

    def listed(self):
        values = self.player.ini_values()
        return [values["FILENAME%04d" % i] for i in range(int(values.get("REGNUM", "0")))]

    def player_windows(self):
        return e2elib.find_program_windows(self.player.exe_name, e2elib.MAIN_SIZE)

    def test_a_japanese_file_reaches_the_running_player_through_another_spelling(self):
        song = self.tone_file("夜明け表.mp3", TONES[0])
        self.player.start(env=self.env)
        # The same folder, spelt in capitals: the same INI file, the same player.
        upper = e2elib.windows_path(os.path.join(self.player.folder, "VIZURE3.EXE")).upper()
        second = self.start_again(song, exe=upper)
        self.assertEqual(0, second.wait(20))
        self.wait_heard(1)
        self.assertEqual([e2elib.windows_path(song)], self.listed())
        self.assertEqual(TONES[0], self.heard_tones()[0])
        self.assertEqual(1, len(self.player_windows()))

    def test_ten_starts_at_once_make_one_drop(self):
        songs = [self.tone_file("%02d.mp3" % i, tone) for i, tone in enumerate(TONES)]
        self.player.start(env=self.env)
        # Ten starts reach the player together, as "Open with" on ten files does on Windows. A
        # Wine process takes a second or more to start, more on a loaded machine, which would
        # spread them out: the exit question holds them until every one is waiting.
        self.player.key("Escape")
        self.player.wait_for_box("きえてほしい？")
        starts = [self.start_again(song) for song in songs]
        wait_until_waiting(starts)
        self.player.answer_box("きえてほしい？", "n")
        for process in starts:
            self.assertEqual(0, process.wait(30))
        self.wait_heard(2)
        listed = self.listed()
        self.assertEqual(sorted(map(e2elib.windows_path, songs)), sorted(listed))
        # One drop: its first entry plays, then the next one in the list.
        tone_of = {e2elib.windows_path(s): t for s, t in zip(songs, TONES)}
        self.assertEqual([tone_of[listed[0]], tone_of[listed[1]]], self.heard_tones()[:2])
        self.assertEqual(1, len(self.player_windows()))

    def test_a_start_while_the_exit_question_is_up_waits_for_the_answer(self):
        song = self.tone_file("待つ.mp3", TONES[1])
        self.player.start(env=self.env)
        self.player.key("Escape")
        self.player.wait_for_box("きえてほしい？")
        second = self.start_again(song)
        time.sleep(1.5)
        self.assertIsNone(second.poll())  # waiting, not gone and not playing alongside
        self.player.answer_box("きえてほしい？", "n")
        self.assertEqual(0, second.wait(20))  # the running player took the file
        self.wait_heard(1)
        self.assertEqual([e2elib.windows_path(song)], self.listed())

    def test_a_start_while_the_player_ends_becomes_the_player(self):
        song = self.tone_file("次.mp3", TONES[2])
        self.player.start()
        self.player.key("Escape")
        self.player.wait_for_box("きえてほしい？")
        second = self.start_again(song)
        time.sleep(1.0)
        self.player.answer_box("きえてほしい？", "y")
        self.assertEqual(0, self.player.wait_exit())
        window = e2elib.wait_for(self.player_windows, what="the new player's window")
        self.assertEqual(1, len(window))
        self.wait_heard(1)
        self.assertIsNone(second.poll())
        self.assertEqual(TONES[2], self.heard_tones()[0])
        self.assertEqual([e2elib.windows_path(song)], self.listed())

    def test_a_start_during_the_first_start_up_leaves_one_player(self):
        song = self.tone_file("早い.mp3", TONES[3])
        first = self.start_again()
        second = self.start_again(song)
        e2elib.wait_for(lambda: first.poll() is not None or second.poll() is not None, 30,
                        "one of the two starts to end")
        self.wait_heard(1)
        self.assertEqual(1, [first.poll(), second.poll()].count(None))
        self.assertEqual(1, len(self.player_windows()))
        self.assertEqual([e2elib.windows_path(song)], self.listed())
        self.assertEqual(TONES[3], self.heard_tones()[0])

    def test_a_copy_under_another_name_is_another_player(self):
        copy = os.path.join(self.player.folder, "Other.exe")
        with open(os.path.join(self.player.folder, self.player.exe_name), "rb") as f:
            data = f.read()
        with open(copy, "wb") as f:
            f.write(data)
        self.player.start()
        self.start_again(exe="Other.exe")
        e2elib.wait_for(lambda: e2elib.find_program_windows("Other.exe", e2elib.MAIN_SIZE),
                        what="the second player's window")
        self.assertEqual(1, len(self.player_windows()))


if __name__ == "__main__":
    e2elib.main()
