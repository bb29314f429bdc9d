#!/usr/bin/env python3
"""Draws the program's icon, a pocket calculator, at 16x16 and 32x32 into tuv.ico.

The icon is committed; run this again only to change it: python3 resources/draw_icon.py
"""
import os
import struct

BODY = (52, 64, 84)
EDGE = (24, 30, 40)
SCREEN = (176, 222, 150)
DIGIT = (36, 60, 30)
KEY = (214, 218, 224)
EQUALS = (240, 140, 40)


def draw(size):
    """Rows of RGBA pixels, top row first. Each size is laid out by hand: scaled down, the keys
    of the large one would run together."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                px[y][x] = colour + (255,)

    if size == 32:
        rect(4, 1, 28, 31, EDGE)          # outline
        rect(5, 2, 27, 30, BODY)          # case
        rect(7, 4, 25, 11, SCREEN)        # display
        rect(17, 6, 19, 9, DIGIT)         # two digits on it
        rect(21, 6, 23, 9, DIGIT)
        for row in range(4):              # 3 x 4 keys and a tall "=" key
            for col in range(3):
                rect(7 + col * 5, 13 + row * 4, 11 + col * 5, 16 + row * 4, KEY)
        rect(22, 13, 25, 28, EQUALS)
        corners = (4, 1, 27, 30)
    else:
        rect(2, 0, 14, 16, EDGE)
        rect(3, 1, 13, 15, BODY)
        rect(4, 2, 12, 6, SCREEN)
        rect(9, 3, 10, 5, DIGIT)
        rect(11, 3, 12, 5, DIGIT)
        for row in range(4):
            for col in range(3):
                rect(4 + col * 2, 7 + row * 2, 5 + col * 2, 8 + row * 2, KEY)
        rect(10, 7, 12, 14, EQUALS)
        corners = (2, 0, 13, 15)
    # Round the outline's corners.
    left, top, right, bottom = corners
    for x, y in ((left, top), (right, top), (left, bottom), (right, bottom)):
        px[y][x] = (0, 0, 0, 0)
    return px


def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(px):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + colour + mask


def main():
    images = [image(16), image(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'tuv.ico')
    with open(target, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
