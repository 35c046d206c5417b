#!/usr/bin/env python3
"""Draws the compose window's toolbar image strip and the About box picture.

Writes resources/toolbar.bmp (bitmap 109: 14 images of 16 by 16 pixels side by side,
16 colours), the same strip at 24 and 32 pixels for larger display scales
(resources/toolbar24.bmp and toolbar32.bmp, bitmaps 110 and 111) and resources/about.bmp
(the About box picture, "IDB_ABOUTBMP"). The output depends only on this file, so running
it again gives the same bytes:

    python3 scripts/make_toolbar_bitmap.py [--preview DIR]

--preview also writes enlarged PNG copies into DIR for looking at. Light grey is the
background: the toolbar maps it to the button face colour.
"""

import os
import struct
import sys
import zlib

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# One letter per palette entry in the drawings below.
COLOUR = {
    '.': 7, 'k': 0, 'r': 1, 'n': 2, 'o': 3, 'b': 4, 'p': 5, 't': 6,
    'g': 8, 'R': 9, 'G': 10, 'y': 11, 'B': 12, 'm': 13, 'c': 14, 'w': 15,
}

# Strip order; the toolbar uses images 1 to 11.
IMAGES = {
    'new message': """
................
...kkkkkkkk.....
...kwwwwwwkk....
...kwwwwwwkwk...
...kwwwwwwkkkk..
...kwwwwwwwwwk..
...kwkkkkkkkwk..
...kwwwwwwwwwk..
...kwkkkkkkkwk..
...kwwwwwwwwwk..
...kwkkkkkwwwk..
...kwwwwwwwwwk..
...kwwwwwwwwwk..
...kwwwwwwwwwk..
...kkkkkkkkkkk..
................
""",
    'load': """
................
..........kkk...
.........k...k.k
..............kk
.kkkk........kkk
kyyyyk..........
kywywykkkkkkk...
kwywywywywywk...
kywywkkkkkkkkkkk
kwywkoyyyyyyyyyk
kywkoyyyyyyyyyk.
kwkoyyyyyyyyyk..
kkoyyyyyyyyyk...
kkkkkkkkkkkk....
................
................
""",
    'save': """
................
.kkkkkkkkkkkkkk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbkwkkkkkkwkbk.
.kbkwwwwwwwwkbk.
.kbkwkkkkkkwkbk.
.kbkwwwwwwwwkbk.
.kbbkkkkkkkkbbk.
.kbbbbbbbbbbbbk.
.kbbggggggggbbk.
.kbbggkkggggbbk.
.kbbggkkggggbbk.
.kbbggkkggggbbk.
..kkkkkkkkkkkkk.
................
""",
    'cut': """
................
...k.......k....
...k.......k....
...kk.....kk....
....k.....k.....
....kk...kk.....
.....k...k......
.....kk.kk......
......kkk.......
......bkb.......
....bbb.bbb.....
...b..b.b..b....
..b...b.b...b...
..b...b.b...b...
...b.b...b.b....
....b.....b.....
""",
    'copy': """
................
kkkkkkkk........
kwwwwwwkk.......
kwkkkkwkwk......
kwwwwwwkkkk.....
kwkkkkkkkkkkk...
kwwwwwkwwwwwkk..
kwkkkkkwkkkwkwk.
kwwwwwkwwwwwkkkk
kwkkkkkwkkkkkwwk
kwwwwwkwwwwwwwwk
kkkkkkkwkkkkkkwk
......kwwwwwwwwk
......kwkkkkkkwk
......kwwwwwwwwk
......kkkkkkkkkk
""",
    'paste': """
................
.....kkkkkk.....
.kkkkgwwwwgkkkk.
kooogkkkkkkgoook
koookkkkkkkkoook
kooooooooooooook
kooooooooooooook
koooookkkkkkkkk.
koooookwwwwwwwkk
koooookwkkkkkwkk
koooookwwwwwwwkk
koooookwkkkkkwkk
koooookwwwwwwwkk
koooookwkkkkwwkk
.kkkkkkwwwwwwwk.
.......kkkkkkkk.
""",
    'paste file': """
................
.....kkkkkk.....
.kkkkgwwwwgkkkk.
kooogkkkkkkgoook
koookkkkkkkkoook
kooooooooooooook
kooooooooooooook
kooooooooooyyk..
koooooooooykkyk.
koooookkkkkkkkkk
koooookyyyyyyyyk
kooooookyyyyyyyk
koooooookyyyyyyk
kooooooookyyyyyk
.kkkkkkkkkkkkkkk
................
""",
    'undo': """
................
................
................
....k...........
...kk...........
..kBkkkkkkkk....
.kBBBBBBBBBBk...
..kBkkkkkkkBBk..
...kk......kBBk.
....k.......kBk.
............kBk.
...........kBBk.
..........kBBk..
..........kkk...
................
................
""",
    'redo': """
................
................
................
...........k....
...........kk...
....kkkkkkkkBk..
...kBBBBBBBBBBk.
..kBBkkkkkkkBk..
.kBBk......kk...
.kBk.......k....
.kBk............
.kBBk...........
..kBBk..........
...kkk..........
................
................
""",
    'send': """
................
................
.kkkkkkkkkkkkk..
.kwkwwwwwwwkwk..
.kwwkwwwwwkwwk..
.kwwwkwwwkwwwk..
.kwwwwkwkwwwwk..
.kwwwwwkwwwwwk..
.kwwwwwwwwwwwk..
.kwwwwwwwwwwwkR.
.kkkkkkkkkkkkkRR
.......RRRRRRRRR
.......RRRRRRRRR
.............RR.
.............R..
................
""",
    'help': """
................
.....bbbbbb.....
....bbBBBBbb....
...bbB....Bbb...
...bbb....bbb...
...bbb....bbb...
..........bbb...
.........bbb....
........bbb.....
.......bbb......
.......bbb......
................
.......bbb......
.......bbb......
................
................
""",
    'user program': """
................
kkkkkkkkkkkkkkkk
kbbbbbbbbbbbwkwk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkGkkkkkkkkkkkkk
kkkGkkkkkkkkkkkk
kkkkGkkkkkkkkkkk
kkkGkkkkkkkkkkkk
kkGkkGGGGkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
................
""",
    'attach': """
................
.......ggg......
......g...g.....
.....g..g..g....
.....g.g.g.g....
.....g.g.g.g....
.....g.g.g.g....
.....g.g.g.g....
.....g.g.g.g....
.....g.g.g.g....
.....g.g.g.g....
.....g.g...g....
.....g.gggg.....
.....g..........
......gggg......
................
""",
    'address book': """
................
..kkkkkkkkkkkk..
.kkrrrrrrrrrrk..
.kkrrrrrrrrrrk..
.kkrrrwwwwrrrk..
.kkrrwrrrrwrrk..
.kkrwrrwwrrwrk..
.kkrwrwrwrrwrk..
.kkrwrwrwrrwrk..
.kkrwrrwwwwrrk..
.kkrrwrrrrrrrk..
.kkrrrwwwwrrrk..
.kkrrrrrrrrrrk..
.kkkkkkkkkkkkk..
..kwwwwwwwwwwk..
...kkkkkkkkkkk..
""",
}


def parse(drawing, size=16):
    rows = [line for line in drawing.strip('\n').split('\n')]
    if len(rows) != size:
        raise SystemExit(f'{len(rows)} rows in a drawing, want {size}')
    pixels = []
    for line in rows:
        if len(line) != size:
            raise SystemExit(f'a drawing row of {len(line)} pixels, want {size}: {line}')
        pixels.append([COLOUR[c] for c in line])
    return pixels


def strip(drawings, size=16):
    images = [parse(d, size) for d in drawings]
    return [[p for image in images for p in image[y]] for y in range(size)]


def scaled(pixels, factor):
    return [[p for p in row for _ in range(factor)] for row in pixels for _ in range(factor)]


def smoothed_double(pixels):
    """Twice the size, with the edges of diagonal strokes rounded off (the Scale2x rule):
    each pixel becomes four, and a quarter takes the colour of its two outer neighbours
    when they agree and the other two do not."""
    h, w = len(pixels), len(pixels[0])
    out = [[0] * (2 * w) for _ in range(2 * h)]
    for y in range(h):
        for x in range(w):
            p = pixels[y][x]
            a = pixels[y - 1][x] if y > 0 else p
            b = pixels[y][x + 1] if x + 1 < w else p
            c = pixels[y][x - 1] if x > 0 else p
            d = pixels[y + 1][x] if y + 1 < h else p
            q = [p, p, p, p]
            if c != b and a != d:
                q = [a if c == a else p, a if a == b else p, c if d == c else p, b if d == b else p]
            out[2 * y][2 * x], out[2 * y][2 * x + 1], out[2 * y + 1][2 * x], out[2 * y + 1][2 * x + 1] = q
    return out


def resized(pixels, size):
    """One 16-pixel image at `size` pixels (a multiple of 8): doubled with smoothing, then
    thinned back to `size` by leaving out evenly spread rows and columns."""
    big = smoothed_double(pixels)
    keep = [i * 32 // size for i in range(size)]
    return [[big[y][x] for x in keep] for y in keep]


def strip_at(drawings, size):
    images = [resized(parse(d), size) for d in drawings]
    return [[p for image in images for p in image[y]] for y in range(size)]


def write_bmp(path, pixels):
    """A 16-colour bottom-up BMP with a 40-byte information header."""
    height, width = len(pixels), len(pixels[0])
    stride = ((width + 1) // 2 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for x in range(0, width, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < width else 0
            line.append(hi << 4 | lo)
        data += line + bytes(stride - len(line))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    with open(path, 'wb') as f:
        f.write(header + info + palette + bytes(data))


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b''.join(b'\x00' + bytes(c for p in row for c in PALETTE[p]) for row in pixels)

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main(argv):
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')
    toolbar = strip(IMAGES.values())
    about = scaled(parse(IMAGES['send']), 3)
    write_bmp(os.path.join(root, 'toolbar.bmp'), toolbar)
    for size in (24, 32):
        write_bmp(os.path.join(root, f'toolbar{size}.bmp'), strip_at(IMAGES.values(), size))
    write_bmp(os.path.join(root, 'about.bmp'), about)
    if len(argv) == 3 and argv[1] == '--preview':
        write_png(os.path.join(argv[2], 'toolbar.png'), scaled(toolbar, 8))
        for size in (24, 32):
            write_png(os.path.join(argv[2], f'toolbar{size}.png'), scaled(strip_at(IMAGES.values(), size), 4))
        write_png(os.path.join(argv[2], 'about.png'), scaled(about, 4))
    elif len(argv) != 1:
        raise SystemExit(__doc__)


if __name__ == '__main__':
    main(sys.argv)
