#!/usr/bin/env python3
"""Draws the program's icon, a pocket calculator, into tuv.ico at every size Windows asks for at
the usual display scalings: 16, 20, 24, 32, 40, 48, 64 and 256 pixels.

The icon is committed; run this again only to change it: python3 resources/draw_icon.py
"""
import os
import struct
import zlib

BODY = (52, 64, 84)
EDGE = (24, 30, 40)
SCREEN = (176, 222, 150)
DIGIT = (36, 60, 30)
KEY = (214, 218, 224)
EQUALS = (240, 140, 40)


SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def draw(size):
    """Rows of RGBA pixels, top row first. 16 and 32 are laid out by hand; the other sizes scale
    the 32-pixel layout, keeping at least a pixel between the keys so that they never run together."""
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
        corners = [(4, 1), (27, 1), (4, 30), (27, 30)]
    elif size == 16:
        rect(2, 0, 14, 16, EDGE)
        rect(3, 1, 13, 15, BODY)
        rect(4, 2, 12, 6, SCREEN)
        rect(9, 3, 10, 5, DIGIT)
        rect(11, 3, 12, 5, DIGIT)
        for row in range(4):
            for col in range(3):
                rect(4 + col * 2, 7 + row * 2, 5 + col * 2, 8 + row * 2, KEY)
        rect(10, 7, 12, 14, EQUALS)
        corners = [(2, 0), (13, 0), (2, 15), (13, 15)]
    else:
        def at(v):
            return round(v * size / 32)
        edge = max(1, at(1))
        rect(at(4), at(1), at(28), at(31), EDGE)
        rect(at(4) + edge, at(1) + edge, at(28) - edge, at(31) - edge, BODY)
        rect(at(7), at(4), at(25), at(11), SCREEN)
        rect(at(17), at(6), at(19), at(9), DIGIT)
        rect(at(21), at(6), at(23), at(9), DIGIT)
        gap = max(1, at(1))
        left, top, right, bottom = at(7), at(13), at(21), at(28)
        key_w = (right - left - 2 * gap) // 3
        key_h = (bottom - top - 3 * gap) // 4
        for row in range(4):
            for col in range(3):
                x, y = left + col * (key_w + gap), top + row * (key_h + gap)
                rect(x, y, x + key_w, y + key_h, KEY)
        rect(left + 3 * (key_w + gap), top, at(25), top + 4 * key_h + 3 * gap, EQUALS)
        # Rounded outline corners: a quarter circle of radius `r` cut from each.
        r = max(1, at(2))
        corners = []
        x0, y0, x1, y1 = at(4), at(1), at(28) - 1, at(31) - 1
        for dy in range(r):
            for dx in range(r):
                if (r - dx - 0.5) ** 2 + (r - dy - 0.5) ** 2 > r * r:
                    corners += [(x0 + dx, y0 + dy), (x1 - dx, y0 + dy), (x0 + dx, y1 - dy), (x1 - dx, y1 - dy)]
    # Round the outline's corners.
    for x, y in corners:
        px[y][x] = (0, 0, 0, 0)
    return px


def png(size):
    """The image as a PNG, as icons carry their 256-pixel image (a bitmap would be 264 KB)."""
    rows = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in draw(size))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b'')


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
    images = [png(size) if size >= 256 else image(size) for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        # A size of 256 is written as 0 in the directory.
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'tuv.ico')
    with open(target, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
