#!/usr/bin/python3
"""Writes vbmp3/core/generated/Cp932Tables.cpp: the code page 932 tables of the decoder library.

Usage:
  generate_cp932_tables.py OUTPUT.cpp          write the tables
  generate_cp932_tables.py --check OUTPUT.cpp  exit 1 when OUTPUT.cpp differs from what this
                                               script writes (a test runs this)
  generate_cp932_tables.py --compare-encoder PROGRAM
                                               exit 1 unless PROGRAM (tests/vbmp3/
                                               Cp932SpellAll.cpp) prints exactly this script's
                                               spellings: the library reads its tables right

Run it with Debian's /usr/bin/python3: the result depends on its cp932 codec and on the Unicode
version of its unicodedata module (the fallbacks come from compatibility decompositions).

Three kinds of entries map Unicode to code page 932:
  - direct: every character that code page 932 decodes to, encoded back the way the cp932 codec
    does (for the NEC/IBM duplicates that is the first code);
  - chosen: characters where JIS and code page 932 disagree, and a few typographic characters
    that Japanese readers expect to see as their code page 932 look-alike (CHOSEN below);
  - fallback: any other character whose compatibility decomposition, without its combining
    marks, is made of encodable characters and fits in three bytes (e -> e for e-acute, the
    mathematical bold A -> A). Characters with none of these become '?' in the library.
"""
import subprocess
import sys
import unicodedata

# Lead bytes of double-byte characters, and the trail byte range (0x7F is never a trail byte).
LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAIL_FIRST, TRAIL_LAST = 0x40, 0xFC
# User-defined area: the codec maps it to private-use characters; the library treats it as
# undefined, like the single bytes 0x80, 0xA0 and 0xFD..0xFF.
USER_DEFINED_LEADS = range(0xF0, 0xFA)

CHOSEN = {
    0x301C: b"\x81\x60",  # WAVE DASH, read as the full-width tilde that Japanese text shows
    0x2016: b"\x81\x61",  # DOUBLE VERTICAL LINE
    0x2212: b"\x81\x7C",  # MINUS SIGN
    0x00A2: b"\x81\x91",  # CENT SIGN
    0x00A3: b"\x81\x92",  # POUND SIGN
    0x00AC: b"\x81\xCA",  # NOT SIGN
    0x2014: b"\x81\x5C",  # EM DASH, the JIS horizontal bar
    0x00A5: b"\x81\x8F",  # YEN SIGN, full-width: 0x5C is a path separator for the program
    0x203E: b"\x81\x50",  # OVERLINE, full-width macron
    0x00A6: b"\xFA\x55",  # BROKEN BAR
    0x2011: b"-",  # NON-BREAKING HYPHEN
    0x2012: b"-",  # FIGURE DASH
    0x2013: b"-",  # EN DASH
    0x00AD: b"-",  # SOFT HYPHEN
    0x2022: b"\x81\x45",  # BULLET, katakana middle dot
    0x2039: b"<",
    0x203A: b">",
    0x00AB: b"<<",
    0x00BB: b">>",
    0x201A: b",",
    0x201E: b"\"",
    0x00DF: b"ss",
    0x00C6: b"AE",
    0x00E6: b"ae",
    0x0152: b"OE",
    0x0153: b"oe",
    0x00D8: b"O",
    0x00F8: b"o",
    0x0110: b"D",
    0x0111: b"d",
    0x00D0: b"D",
    0x00F0: b"d",
    0x0141: b"L",
    0x0142: b"l",
    0x00DE: b"Th",
    0x00FE: b"th",
    0x0131: b"i",
}
MAX_FALLBACK_BYTES = 3


def decode_double_byte(lead, trail):
    if lead in USER_DEFINED_LEADS or trail == 0x7F:
        return 0
    try:
        text = bytes([lead, trail]).decode("cp932")
    except UnicodeDecodeError:
        return 0
    return ord(text) if len(text) == 1 else 0


def direct_mappings():
    mapping = {}
    for byte in range(0xA1, 0xE0):  # half-width katakana
        mapping[ord(bytes([byte]).decode("cp932"))] = bytes([byte])
    for lead in LEADS:
        for trail in range(TRAIL_FIRST, TRAIL_LAST + 1):
            code_point = decode_double_byte(lead, trail)
            if code_point:
                mapping.setdefault(code_point, chr(code_point).encode("cp932"))
    return mapping


def encodable(code_point, mapping):
    if code_point < 0x80:
        return bytes([code_point])
    return mapping.get(code_point)


def fallback(code_point, mapping):
    decomposed = unicodedata.normalize("NFKD", chr(code_point))
    if decomposed == chr(code_point):
        return None
    kept = [c for c in decomposed if not unicodedata.combining(c)]
    if not kept or (all(c.isspace() for c in kept) and not chr(code_point).isspace()):
        return None
    parts = [encodable(ord(c), mapping) for c in kept]
    if any(p is None for p in parts):
        return None
    encoded = b"".join(parts)
    if len(encoded) > MAX_FALLBACK_BYTES or any(b < 0x20 for b in encoded):
        return None
    return encoded


def unicode_to_cp932():
    mapping = direct_mappings()
    for code_point, encoded in CHOSEN.items():
        mapping.setdefault(code_point, encoded)
    fallbacks = {}
    for code_point in range(0x80, 0x30000):
        if code_point in mapping or 0xD800 <= code_point <= 0xDFFF:
            continue
        encoded = fallback(code_point, mapping)
        if encoded is not None:
            fallbacks[code_point] = encoded
    mapping.update(fallbacks)
    return sorted(mapping.items())


def spelling_value(encoded, three_byte):
    """One spelling as the 16-bit value of kSpellings (see Cp932Tables.h)."""
    if len(encoded) == 1:
        return encoded[0]
    if len(encoded) == 2:
        assert encoded[0] not in (0, 0xFF)
        return encoded[0] << 8 | encoded[1]
    three_byte.append(encoded)
    assert len(three_byte) <= 256
    return 0xFF00 | (len(three_byte) - 1)


def render_encoder(entries):
    """The Unicode-to-code-page-932 direction: pages of 256 code points with a presence bit per
    code point, and the spellings of the present ones in code point order."""
    pages = {}
    for code_point, encoded in entries:
        pages.setdefault(code_point >> 8, []).append((code_point, encoded))
    out = ["const SpellingPage kSpellingPages[] = {"]
    values, three_byte = [], []
    for page, members in sorted(pages.items()):
        present = [0] * 32
        for code_point, _ in members:
            present[(code_point & 0xFF) >> 3] |= 1 << (code_point & 7)
        bits = ", ".join(f"0x{b:02X}" for b in present)
        out.append(f"    {{0x{page:03X}, {len(values)}, {{{bits}}}}},")
        values.extend(spelling_value(encoded, three_byte) for _, encoded in members)
    out.append("};")
    out.append(f"const std::size_t kSpellingPageCount = {len(pages)};")
    out.append("")
    out.append("const std::uint16_t kSpellings[] = {")
    for i in range(0, len(values), 12):
        out.append("    " + " ".join(f"0x{v:04X}," for v in values[i:i + 12]))
    out.append("};")
    out.append("")
    out.append("const std::uint8_t kThreeByteSpellings[][3] = {")
    for encoded in three_byte:
        out.append("    {" + ", ".join(f"0x{b:02X}" for b in encoded) + "},")
    out.append("};")
    out.append("")
    return out


def render():
    out = []
    out.append("// Generated by tools/cp932/generate_cp932_tables.py with Python "
               f"{sys.version_info.major}.{sys.version_info.minor} (Unicode "
               f"{unicodedata.unidata_version}). Do not edit: rerun the script.")
    out.append('#include "vbmp3/core/Cp932Tables.h"')
    out.append("")
    out.append("namespace vbmp3::cp932 {")
    out.append("")
    out.append("const std::uint16_t kDoubleByteToUnicode[kLeadCount][kTrailCount] = {")
    for lead in LEADS:
        row = [decode_double_byte(lead, t) for t in range(TRAIL_FIRST, TRAIL_LAST + 1)]
        out.append(f"    {{  // lead 0x{lead:02X}")
        for i in range(0, len(row), 12):
            out.append("        " + " ".join(f"0x{c:04X}," for c in row[i:i + 12]))
        out.append("    },")
    out.append("};")
    out.append("")
    out.extend(render_encoder(unicode_to_cp932()))
    out.append("}  // namespace vbmp3::cp932")
    return "\n".join(out) + "\n"


def compare_encoder(program):
    printed = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    spelled = {int(cp, 16): bytes.fromhex(b) for cp, b in (l.split() for l in printed.splitlines())}
    # The library prints every character it spells other than '?', which two spellings also are.
    expected = {cp: encoded for cp, encoded in unicode_to_cp932() if encoded != b"?"}
    differing = sorted(set(spelled) ^ set(expected) |
                       {cp for cp in spelled if cp in expected and spelled[cp] != expected[cp]})
    if differing:
        print(f"{len(differing)} characters spelt differently, first: "
              + ", ".join(f"U+{cp:04X}" for cp in differing[:10]))
        return 1
    print(f"the library spells all {len(expected)} characters as the generator does")
    return 0


def main(argv):
    if len(argv) == 3 and argv[1] == "--compare-encoder":
        return compare_encoder(argv[2])
    if len(argv) == 3 and argv[1] == "--check":
        with open(argv[2], encoding="utf-8") as f:
            committed = f.read()
        if committed != render():
            print(f"{argv[2]} differs from the generator's output; rerun {argv[0]}")
            return 1
        print(f"{argv[2]} matches the generator")
        return 0
    if len(argv) == 2:
        with open(argv[1], "w", encoding="utf-8", newline="\n") as f:
            f.write(render())
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
