#!/usr/bin/env python3
"""Wraps raw 24-bit RGB pixels (top row first) of a square image into an .ico
holding one 24-bit colour image, which ImageMagick does not write.
Usage: rgb_to_ico.py SIZE < pixels.rgb > icon.ico"""
import struct
import sys


def main():
    size = int(sys.argv[1])
    rgb = sys.stdin.buffer.read()
    if len(rgb) != size * size * 3:
        sys.exit(f"expected {size * size * 3} bytes of RGB, got {len(rgb)}")
    row_bytes = (size * 3 + 3) // 4 * 4
    mask_row_bytes = (size + 31) // 32 * 4
    pixels = bytearray()
    for y in reversed(range(size)):  # bitmaps run bottom-up
        row = bytearray()
        for x in range(size):
            r, g, b = rgb[(y * size + x) * 3:(y * size + x) * 3 + 3]
            row += bytes((b, g, r))
        pixels += row + bytes(row_bytes - len(row))
    mask = bytes(mask_row_bytes * size)  # all opaque
    # The header's height counts the colour rows and the mask rows together.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 24, len(image), 6 + 16)
    sys.stdout.buffer.write(directory + entry + image)


if __name__ == "__main__":
    main()
