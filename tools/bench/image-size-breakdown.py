#!/usr/bin/python3
"""What each part of a linked Windows image costs, from the linker's map file.

Usage: image-size-breakdown.py IMAGE MAP
  e.g. tools/bench/image-size-breakdown.py build/release-win32/bin/VizuRE3.exe \\
           build/release-win32/VizuRE3.map
(the release trees write a map of each image: cmake/Release.cmake). Prints a Markdown table:
bytes per part and kind of section; what the sections do not hold (headers, alignment to 512
bytes) is the image size minus their sum.
"""
import collections
import os
import re
import sys

KINDS = [(".text", "code"), (".rdata", "read-only data"), (".eh_frame", "unwind tables"),
         (".rsrc", "resources")]
PARTS = ["our code", "code page 932 tables", "resources", "C++ runtime (libstdc++, libgcc)",
         "C runtime, threads, DLL import stubs", "relocation table"]


def part_of(source):
    name = os.path.basename(source)
    if "Cp932Tables" in name:
        return "code page 932 tables"
    if ".res" in name:
        return "resources"
    if re.match(r"lib(std|sup)c\+\+\.a|libgcc(_eh)?\.a", name):
        return "C++ runtime (libstdc++, libgcc)"
    if "/usr/" in source or name.startswith("crt"):
        return "C runtime, threads, DLL import stubs"
    return "our code"


def sizes(map_path):
    """{(part, output section): bytes} over the input sections that went into the image."""
    with open(map_path) as f:
        lines = f.read().split("\n")
    start = lines.index("Linker script and memory map")
    totals = collections.Counter()
    output = None
    for i in range(start, len(lines)):
        line = lines[i]
        m = re.match(r"^(\.\S+)\s+0x[0-9a-f]+\s+0x[0-9a-f]+", line)
        if m:
            output = m.group(1)
            continue
        # An input section's name may stand alone, its address, size and source on the next line.
        m = re.match(r"^ (\.\S+)\s*$", line)
        if m and i + 1 < len(lines) and re.match(r"^\s+0x", lines[i + 1]):
            line = " " + m.group(1) + lines[i + 1]
        m = re.match(r"^ \.\S+\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)", line)
        if m and output and not output.startswith((".debug", ".bss")):
            part = "relocation table" if output == ".reloc" else part_of(m.group(2))
            totals[(part, output)] += int(m.group(1), 16)
    return totals


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    image, map_path = argv[1], argv[2]
    totals = sizes(map_path)
    kinds = [k for k, _ in KINDS]
    print("| Part | " + " | ".join(title for _, title in KINDS) + " | other | total |")
    print("|---|" + "---:|" * (len(KINDS) + 2))
    counted = 0
    for part in PARTS:
        row = [totals[(part, k)] for k in kinds]
        other = sum(v for (p, k), v in totals.items() if p == part and k not in kinds)
        total = sum(row) + other
        counted += total
        if total:
            print(f"| {part} | " + " | ".join(str(v) for v in row) + f" | {other} | {total} |")
    size = os.path.getsize(image)
    print(f"| headers, alignment | | | | | | {size - counted} |")
    print(f"| **{os.path.basename(image)}** | | | | | | **{size}** |")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
