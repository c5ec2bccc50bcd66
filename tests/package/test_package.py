"""A release zip as a user gets it: its files, the read-me Notepad must show, images that carry no
path of the build machine and link to nothing but the system, and a program that starts and ends
under Wine from the unpacked folder (the 32-bit one under Wine 10, as the 32-bit tests run).

Usage: test_package.py --zip ZIP --arch win32|win64 --version X.Y.Z --forbid PATH...
                       --runner RUN_UNDER_WINE --wine-root ROOT
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import e2elib  # noqa: E402

# What the 32-bit program and library may import, all of it: the system's DLLs and ours.
WIN32_IMPORTS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "SHELL32.DLL", "COMCTL32.DLL",
                 "COMDLG32.DLL", "WINMM.DLL", "MSACM32.DLL", "MSVCRT.DLL", "VBMP3.DLL"}
OBJDUMP = {"win32": "i686-w64-mingw32-objdump", "win64": "x86_64-w64-mingw32-objdump"}
FORMAT = {"win32": "pei-i386", "win64": "pei-x86-64"}
OPTIONAL_HEADER = {"win32": "(PE32)", "win64": "(PE32+)"}

args = None


def objdump(flag, path):
    return subprocess.run([OBJDUMP[args.arch], flag, path], check=True, capture_output=True,
                          text=True, env=dict(os.environ, LC_ALL="C")).stdout


class Contents(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = "VizuRE3-%s-%s" % (args.version, args.arch)
        cls.unpacked = tempfile.mkdtemp(prefix="vz3pkg-")
        with zipfile.ZipFile(args.zip) as archive:
            cls.names = archive.namelist()
            archive.extractall(cls.unpacked)
        cls.bin = os.path.join(cls.unpacked, cls.folder)
        cls.images = [os.path.join(cls.bin, n) for n in ("VizuRE3.exe", "VBMP3.DLL")]

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.unpacked, ignore_errors=True)

    def test_one_folder_with_the_program_its_library_and_the_read_me(self):
        expected = [self.folder + "/" + n for n in ("VizuRE3.exe", "VBMP3.DLL", "README.txt")]
        self.assertEqual(sorted(expected), sorted(self.names))
        self.assertTrue(all(name.isascii() for name in self.names))

    def test_read_me_is_code_page_932_with_crlf_in_both_languages(self):
        with open(os.path.join(self.bin, "README.txt"), "rb") as f:
            data = f.read()
        self.assertNotRegex(data, rb"(?<!\r)\n")
        self.assertNotIn(b"\r\r", data)
        text = data.decode("cp932")  # raises on bytes that are not code page 932
        self.assertTrue(text.startswith("ぴこもちＭＰ３プレーヤー %s" % args.version), text[:40])
        self.assertIn("使い方", text)
        self.assertIn("Requirements", text)
        self.assertNotIn("@", text)

    def test_images_carry_the_version_and_no_build_path_or_symbols(self):
        version = ("FileVersion\0".encode("utf-16-le") + b"\0\0" +
                   args.version.encode("utf-16-le"))
        for image in self.images:
            with open(image, "rb") as f:
                data = f.read()
            self.assertTrue(version in data, "%s is not version %s" % (image, args.version))
            for path in args.forbid:
                # A path compiled in starts a string: "/src/app/x.cpp" is one, the runtime's
                # "./mingw-w64-libraries/winpthreads/src/rwlock.c" is not (a checkout at /src).
                compiled_in = re.compile(rb"(?<![\w.\-/])" + re.escape(path.encode()) + rb"[/\0]")
                self.assertIsNone(compiled_in.search(data), "%s holds %s" % (image, path))
            headers = objdump("-p", image)
            self.assertIn("file format %s" % FORMAT[args.arch], headers)
            self.assertRegex(headers, r"Magic\s+\S+\s+" + re.escape(OPTIONAL_HEADER[args.arch]))
            self.assertNotIn(".debug_", objdump("-h", image), image)
            self.assertIn("no symbols", objdump("-t", image), image)

    def test_images_import_only_system_dlls_and_ours(self):
        imported = set()
        for image in self.images:
            imported |= {n.upper() for n in re.findall(r"DLL Name: (\S+)", objdump("-p", image))}
        if args.arch == "win32":
            self.assertEqual(WIN32_IMPORTS, imported)
        else:  # statically linked: no runtime DLL of the compiler's
            self.assertFalse({n for n in imported if n.startswith("LIB")}, imported)

    def test_unpacked_program_starts_and_ends(self):
        # tools/test.sh names the reason when this machine cannot run 32-bit code at all.
        cannot = os.environ.get("PLAYER_CANNOT_RUN_32_BIT")
        if args.arch == "win32" and cannot:
            self.skipTest("NOT RUN: this machine cannot run 32-bit Windows code (%s)" % cannot)
        e2elib.use_programs(self.bin, os.path.abspath(args.runner), args.wine_root)
        player = e2elib.Player().start()
        try:
            self.assertEqual(e2elib.MAIN_SIZE, player.geometry()[2:])
            player.key("Escape")
            player.answer_box("きえてほしい？", "y")
            self.assertEqual(0, player.wait_exit())
            self.assertTrue(player.read_ini().startswith("[VIZURE3]"))
        finally:
            player.close()


def main():
    global args
    parser = argparse.ArgumentParser()
    parser.add_argument("--zip", required=True)
    parser.add_argument("--arch", required=True, choices=sorted(OBJDUMP))
    parser.add_argument("--version", required=True)
    parser.add_argument("--forbid", action="append", default=[])
    parser.add_argument("--runner")
    parser.add_argument("--wine-root")
    args, rest = parser.parse_known_args()
    if not (args.runner and os.environ.get("DISPLAY")):
        sys.exit("package: the check needs --runner and DISPLAY (tools/test.sh)")
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
