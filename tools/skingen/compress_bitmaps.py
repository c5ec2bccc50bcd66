#!/usr/bin/python3
"""Writes run-length encoded (BI_RLE8) copies of the skin's 8-bit bitmaps for the resources.

Usage: compress_bitmaps.py OUT_DIR BITMAP.bmp...

The skin generator commits plain 8-bit bitmaps (res/*.bmp, the form its tests read); the
program's resources take these copies instead (app/CMakeLists.txt puts OUT_DIR before res/ on
the resource compiler's search path). The pixels are the same: LoadBitmap expands the runs, and
the palette loses only the entries after the highest index that a pixel uses. The flat colours
of the pixel art take half the bytes this way. A copy that would not be smaller is written
unchanged.
"""
import os
import struct
import sys

BI_RGB, BI_RLE8 = 0, 1


def encode_row(row):
    """One row in RLE8: runs of three or more equal pixels as (count, index), the pixels between
    them in absolute mode (0, n, n bytes, padded to an even length) when there are three or more,
    else as runs of one."""
    out = bytearray()
    literal = bytearray()

    def flush_literal():
        for start in range(0, len(literal), 255):
            chunk = literal[start:start + 255]
            if len(chunk) >= 3:
                out.extend((0, len(chunk)))
                out.extend(chunk)
                if len(chunk) % 2:
                    out.append(0)
            else:
                for pixel in chunk:
                    out.extend((1, pixel))
        literal.clear()

    i = 0
    while i < len(row):
        run = 1
        while i + run < len(row) and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 3:
            flush_literal()
            out.extend((run, row[i]))
        else:
            literal.extend(row[i:i + run])
        i += run
    flush_literal()
    out.extend((0, 0))  # end of line
    return out


def compress(data):
    """The RLE8 form of a plain 8-bit BMP file (as tools/skingen writes them), or None when it
    is not one."""
    if data[:2] != b"BM" or len(data) < 54:
        return None
    offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    colours = struct.unpack_from("<I", data, 46)[0] or 256
    if header_size != 40 or height <= 0 or bits != 8 or compression != BI_RGB:
        return None
    stride = (width + 3) & ~3
    rows = [data[offset + y * stride:offset + y * stride + width] for y in range(height)]
    used = max(max(row) for row in rows) + 1
    pixels = bytearray()
    for row in rows:  # bottom-up, as stored
        pixels.extend(encode_row(row))
    pixels[-2:] = b"\x00\x01"  # the last end of line becomes the end of the bitmap
    palette = data[54:54 + 4 * min(used, colours)]
    info = bytearray(data[14:54])
    struct.pack_into("<I", info, 16, BI_RLE8)
    struct.pack_into("<I", info, 20, len(pixels))
    struct.pack_into("<II", info, 32, len(palette) // 4, 0)
    pixel_offset = 14 + len(info) + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + len(pixels), 0, 0, pixel_offset)
    return file_header + bytes(info) + palette + bytes(pixels)


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for path in argv[2:]:
        with open(path, "rb") as f:
            data = f.read()
        compressed = compress(data)
        if compressed is None:
            print(f"{path}: not a plain 8-bit bitmap")
            return 1
        if len(compressed) >= len(data):
            compressed = data
        with open(os.path.join(out_dir, os.path.basename(path)), "wb") as f:
            f.write(compressed)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
