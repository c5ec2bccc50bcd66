#!/usr/bin/python3
"""Packs one release build into VizuRE3-<version>-<arch>.zip.

Usage: make_zip.py --bin BIN_DIR --arch win32|win64 --version X.Y.Z --out OUT_DIR

The zip holds one folder of the same name with VizuRE3.exe, VBMP3.DLL and README.txt. The
read-me is tools/package/readme.txt (UTF-8 here) written in code page 932 with CR LF line ends,
so that Notepad on a Japanese Windows shows it whatever its version. Names inside the zip are
ASCII, and every entry carries the same fixed time, so the same build packs to the same bytes.
"""
import argparse
import os
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
# 1980-01-01 is the earliest time a zip entry can hold; a fixed time keeps the zip reproducible.
ENTRY_TIME = (1980, 1, 1, 0, 0, 0)
ARCH_WORDS = {"win32": ("32 ビット版", "32-bit"), "win64": ("64 ビット版", "64-bit")}


def readme_bytes(arch, version):
    with open(os.path.join(HERE, "readme.txt"), encoding="utf-8") as f:
        text = f.read()
    japanese, english = ARCH_WORDS[arch]
    text = (text.replace("@VERSION@", version).replace("@ARCH@", english)
            .replace("@ARCH_JA@", japanese).replace("@ARCH_EN@", english))
    # Raises on a character that code page 932 cannot hold: the read-me must stay readable.
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp932")


def add(archive, name, data):
    info = zipfile.ZipInfo(name, ENTRY_TIME)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    archive.writestr(info, data, compresslevel=9)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--arch", required=True, choices=sorted(ARCH_WORDS))
    parser.add_argument("--version", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    folder = "VizuRE3-%s-%s" % (args.version, args.arch)
    files = [("VizuRE3.exe", "VizuRE3.exe"), ("VBMP3.dll", "VBMP3.DLL")]
    os.makedirs(args.out, exist_ok=True)
    path = os.path.join(args.out, folder + ".zip")
    with zipfile.ZipFile(path + ".part", "w") as archive:
        for built, packed in files:
            with open(os.path.join(args.bin, built), "rb") as f:
                add(archive, "%s/%s" % (folder, packed), f.read())
        add(archive, folder + "/README.txt", readme_bytes(args.arch, args.version))
    os.replace(path + ".part", path)
    print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
