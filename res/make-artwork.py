#!/usr/bin/env python3
"""Draws the program's artwork and writes it as Windows BMP and ICO files.

    res/make-artwork.py            (writes toolbar.bmp, splash.bmp, logo.bmp, corv.ico,
                                    corvdoc.ico beside this script)

Everything is drawn from the pixel patterns below on the 16-colour system
palette, so the files are small and the script needs nothing but Python.
"""
import os
import struct

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# Pattern letters -> palette index ('.' is the button face).
INK = {
    '.': SILVER, 'k': BLACK, 'w': WHITE, 'g': GRAY, 'y': YELLOW, 'b': NAVY,
    'B': BLUE, 'r': RED, 'R': MAROON, 'G': GREEN, 'o': OLIVE, 't': TEAL,
    'c': AQUA, 'p': PURPLE, 'l': LIME,
}

# 5 x 7 capitals and digits for the lettered buttons and the splash.
FONT = {
    'A': [".kkk.", "k...k", "k...k", "kkkkk", "k...k", "k...k", "k...k"],
    'C': [".kkk.", "k...k", "k....", "k....", "k....", "k...k", ".kkk."],
    'D': ["kkkk.", "k...k", "k...k", "k...k", "k...k", "k...k", "kkkk."],
    'E': ["kkkkk", "k....", "k....", "kkkk.", "k....", "k....", "kkkkk"],
    'I': [".kkk.", "..k..", "..k..", "..k..", "..k..", "..k..", ".kkk."],
    'L': ["k....", "k....", "k....", "k....", "k....", "k....", "kkkkk"],
    'M': ["k...k", "kk.kk", "k.k.k", "k.k.k", "k...k", "k...k", "k...k"],
    'N': ["k...k", "kk..k", "k.k.k", "k..kk", "k...k", "k...k", "k...k"],
    'O': [".kkk.", "k...k", "k...k", "k...k", "k...k", "k...k", ".kkk."],
    'P': ["kkkk.", "k...k", "k...k", "kkkk.", "k....", "k....", "k...."],
    'R': ["kkkk.", "k...k", "k...k", "kkkk.", "k.k..", "k..k.", "k...k"],
    'S': [".kkkk", "k....", "k....", ".kkk.", "....k", "....k", "kkkk."],
    'T': ["kkkkk", "..k..", "..k..", "..k..", "..k..", "..k..", "..k.."],
    'V': ["k...k", "k...k", "k...k", "k...k", "k...k", ".k.k.", "..k.."],
    'W': ["k...k", "k...k", "k...k", "k.k.k", "k.k.k", "kk.kk", "k...k"],
    'X': ["k...k", "k...k", ".k.k.", "..k..", ".k.k.", "k...k", "k...k"],
    'Y': ["k...k", "k...k", ".k.k.", "..k..", "..k..", "..k..", "..k.."],
    'Z': ["kkkkk", "....k", "...k.", "..k..", ".k...", "k....", "kkkkk"],
    'i': ["..k..", ".....", ".kk..", "..k..", "..k..", "..k..", ".kkk."],
    'n': [".....", ".....", "kkkk.", "k...k", "k...k", "k...k", "k...k"],
    'o': [".....", ".....", ".kkk.", "k...k", "k...k", "k...k", ".kkk."],
    'r': [".....", ".....", "k.kk.", "kk..k", "k....", "k....", "k...."],
    's': [".....", ".....", ".kkkk", "k....", ".kkk.", "....k", "kkkk."],
    'e': [".....", ".....", ".kkk.", "k...k", "kkkkk", "k....", ".kkk."],
    'x': [".....", ".....", "k...k", ".k.k.", "..k..", ".k.k.", "k...k"],
    'm': [".....", ".....", "kk.k.", "k.k.k", "k.k.k", "k...k", "k...k"],
    '0': [".kkk.", "k...k", "k..kk", "k.k.k", "kk..k", "k...k", ".kkk."],
    '6': ["..kk.", ".k...", "k....", "kkkk.", "k...k", "k...k", ".kkk."],
    '.': [".....", ".....", ".....", ".....", ".....", ".kk..", ".kk.."],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


class Canvas:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def pattern(self, x, y, rows, colour_of=None):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == '.':
                    continue
                self.put(x + dx, y + dy, colour_of if colour_of is not None else INK[ch])

    def text(self, x, y, text, colour, scale=1):
        for ch in text:
            glyph = FONT[ch]
            for dy, row in enumerate(glyph):
                for dx, c in enumerate(row):
                    if c != '.':
                        self.rect(x + dx * scale, y + dy * scale, scale, scale, colour)
            x += 6 * scale


def dib_4bit(canvas, height_field=None):
    """BITMAPINFOHEADER, palette and bottom-up 4-bit rows."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    rows = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray(stride)
        for x in range(canvas.width):
            v = canvas.px[y][x] & 15
            if x % 2 == 0:
                line[x // 2] |= v << 4
            else:
                line[x // 2] |= v
        rows += line
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width,
                         height_field if height_field is not None else canvas.height,
                         1, 4, 0, len(rows), 0, 0, 16, 16)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + bytes(rows)


def write_bmp(path, canvas):
    dib = dib_4bit(canvas)
    offset = 14 + 40 + 64
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(dib), 0, 0, offset) + dib)


def write_ico(path, images, transparent):
    """One icon file with several sizes; pixels equal to `transparent` are see-through."""
    blobs = []
    for canvas in images:
        xor = dib_4bit(canvas, canvas.height * 2)
        mask_stride = ((canvas.width + 31) // 32) * 4
        mask = bytearray()
        for y in range(canvas.height - 1, -1, -1):
            line = bytearray(mask_stride)
            for x in range(canvas.width):
                if canvas.px[y][x] == transparent:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += line
        # See-through pixels are black in the colour part so the mask shows them through.
        blob = bytearray(xor)
        blobs.append((canvas, bytes(blob) + bytes(mask)))
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for canvas, blob in blobs:
        out += struct.pack('<BBBBHHII', canvas.width % 256, canvas.height % 256, 16, 0, 1, 4,
                           len(blob), offset)
        offset += len(blob)
    for _, blob in blobs:
        out += blob
    with open(path, 'wb') as f:
        f.write(out)


# ---- toolbar: 20 buttons of 16 x 15 -------------------------------------

def page(c, x, ink='k'):
    c.pattern(x, 0, [
        "................",
        "..kkkkkkkk......",
        "..kwwwwwwkk.....",
        "..kwwwwwwkwk....",
        "..kwwwwwwkkkk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        "................",
    ])


def lettered(c, x, letter, colour):
    page(c, x)
    glyph = FONT[letter]
    for dy, row in enumerate(glyph):
        for dx, ch in enumerate(row):
            if ch != '.':
                c.put(x + 5 + dx, 5 + dy, colour)


def lines(c, x, middle):
    for i, y in enumerate((3, 7, 11)):
        colour = middle if i == 1 else GRAY
        c.rect(x + 1, y, 14, 2, colour)


SCISSORS = [
    "................",
    "....k.....k.....",
    "....k.....k.....",
    "....k.....k.....",
    ".....k...k......",
    ".....k...k......",
    "......k.k.......",
    ".......k........",
    "......b.b.......",
    "....bbb.bbb.....",
    "...b..b.b..b....",
    "...b..b.b..b....",
    "...b..b.b..b....",
    "....bb...bb.....",
    "................",
]

BUTTONS = []


def button(fn):
    BUTTONS.append(fn)
    return fn


@button
def new(c, x):
    page(c, x)


@button
def open_(c, x):
    c.pattern(x, 0, [
        "................",
        "................",
        "................",
        ".kkkk...........",
        "kyyyyk..........",
        "kyyyyykkkkkkk...",
        "kyyyyyyyyyyyk...",
        "kyyykkkkkkkkkkk.",
        "kyykoooooooooook",
        "kykoooooooooook.",
        "kkoooooooooook..",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
        "................",
    ])


@button
def save(c, x):
    c.pattern(x, 0, [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kbbwwwwwwwwbbk.",
        ".kbbwwwwwwwwbbk.",
        ".kbbwwwwwwwwbbk.",
        ".kbbwwwwwwwwbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbkkkkgggkbbk.",
        ".kbbkkkkgggkbbk.",
        ".kbbkkkkgggkbbk.",
        "..kkkkkkkkkkkkk.",
        "................",
        "................",
    ])


@button
def cut(c, x):
    c.pattern(x, 0, SCISSORS)


@button
def copy(c, x):
    c.pattern(x, 0, [
        "................",
        "kkkkkk..........",
        "kwwwwkk.........",
        "kwkkwkwk........",
        "kwwwwkkkkkkk....",
        "kwkkkkwwwwkkk...",
        "kwwwwkwkkwkwk...",
        "kwkkkkwwwwkkkk..",
        "kwwwwkwkkkkwwk..",
        "kkkkkkwwwwwwwk..",
        "......wkkkkkwk..",
        "......kwwwwwwk..",
        "......kkkkkkkk..",
        "................",
        "................",
    ])


@button
def paste(c, x):
    c.pattern(x, 0, [
        "................",
        "....kkkkkk......",
        ".kkkkyyyykkkk...",
        ".koookkkkoook...",
        ".kooooooooook...",
        ".koooookkkkkkkk.",
        ".koooookwwwwwkwk",
        ".koooookwkkkwkkk",
        ".koooookwwwwwwwk",
        ".koooookwkkkkkwk",
        ".koooookwwwwwwwk",
        ".kkkkkkkwkkkkkwk",
        ".......kwwwwwwwk",
        ".......kkkkkkkkk",
        "................",
    ])


@button
def cut_line(c, x):
    lines(c, x, RED)
    c.pattern(x, 0, ["", "", "", "", "", "", "kk............kk", "", "kk............kk"])


@button
def copy_line(c, x):
    lines(c, x, BLUE)
    c.rect(x + 4, 9, 11, 1, BLUE)


@button
def paste_line(c, x):
    lines(c, x, GREEN)
    c.pattern(x, 0, ["", "", "", "", "", "", ".k", "kkk", ".k"])


@button
def insert_line(c, x):
    lines(c, x, WHITE)
    c.pattern(x, 0, ["", "", "", "", "", "", "", "GGG", "", ""])
    c.rect(x + 1, 7, 3, 2, GREEN)


@button
def project(c, x):
    lettered(c, x, 'P', NAVY)


@button
def detail(c, x):
    lettered(c, x, 'D', MAROON)


@button
def line(c, x):
    lettered(c, x, 'L', GREEN)


@button
def words(c, x):
    lettered(c, x, 'W', PURPLE)


@button
def select(c, x):
    lettered(c, x, 'S', TEAL)


@button
def font(c, x):
    c.text(x + 3, 3, 'A', NAVY, 2)
    c.rect(x + 1, 13, 14, 1, RED)


@button
def arrows(c, x):
    c.pattern(x, 0, [
        "................",
        "................",
        "................",
        "................",
        "...k......k.....",
        "..kk......kk....",
        ".kkkkkkkkkkkk...",
        "kkkkkkkkkkkkkk..",
        ".kkkkkkkkkkkk...",
        "..kk......kk....",
        "...k......k.....",
        "................",
        "................",
        "................",
        "................",
    ])


PRINTER = [
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwkkkkwk....",
    "....kwwwwwwk....",
    ".kkkkkkkkkkkkkk.",
    "kggggggggggggggk",
    "kggggggggggglggk",
    "kggggggggggggggk",
    "kkkkkkkkkkkkkkkk",
    "kgkwwwwwwwwwwkgk",
    ".kkwkkkkkkkkwkk.",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
    "................",
]


@button
def print_last(c, x):
    c.pattern(x, 0, PRINTER)


@button
def preview_last(c, x):
    page(c, x)
    c.pattern(x, 0, [
        "", "", "", "",
        "....kkk.........",
        "...kcccK........".replace('K', 'k'),
        "..kcwccck.......",
        "..kcccccck......",
        "..kcccccck......",
        "...kcccck.......",
        "....kkkkk.......",
        "........kk......",
        ".........kk.....",
    ])


@button
def about(c, x):
    c.pattern(x, 0, [
        "................",
        "....kkkkkkk.....",
        "...kyyyyyyyk....",
        "..kyyykkkyyyk...",
        "..kyykyyykyyk...",
        "..kyyyyyykyyk...",
        "..kyyyyykyyyk...",
        "..kyyyykyyyyk...",
        "...kyyykyyyk....",
        "....kkyyykk.....",
        "......kyk.......",
        "......kkk.......",
        "......kyk.......",
        "......kkk.......",
        "................",
    ])


def toolbar():
    assert len(BUTTONS) == 20
    c = Canvas(16 * len(BUTTONS), 15, SILVER)
    for i, draw in enumerate(BUTTONS):
        draw(c, 16 * i)
    return c


# ---- splash -----------------------------------------------------------------

def centred(c, y, text, colour, scale):
    width = len(text) * 6 * scale - scale
    c.text((c.width - width) // 2, y, text, colour, scale)


def splash():
    c = Canvas(360, 200, NAVY)
    for y in range(0, 200, 8):
        if (y // 8) % 2:
            c.rect(0, y, 360, 4, BLUE if y < 40 or y >= 170 else NAVY)
    c.rect(0, 0, 360, 3, WHITE)
    c.rect(0, 197, 360, 3, WHITE)
    c.rect(0, 0, 3, 200, WHITE)
    c.rect(357, 0, 3, 200, WHITE)
    c.rect(20, 48, 320, 110, TEAL)
    c.rect(24, 52, 312, 102, NAVY)
    centred(c, 62, 'CORVANTIS', WHITE, 4)
    centred(c, 98, 'ZORO', YELLOW, 3)
    centred(c, 128, 'Version 6.0', AQUA, 2)
    centred(c, 172, 'Wexmoor', WHITE, 2)
    return c


# ---- logo of the quotation letter ------------------------------------------

def logo():
    c = Canvas(64, 80, WHITE)
    c.rect(0, 0, 64, 80, NAVY)
    c.rect(4, 4, 56, 72, WHITE)
    c.rect(8, 8, 48, 64, TEAL)
    c.text(12, 18, 'C', WHITE, 4)
    c.text(34, 46, 'Z', YELLOW, 3)
    c.rect(8, 66, 48, 3, YELLOW)
    return c


# ---- icons ------------------------------------------------------------------

def icon(size, letter, body, accent):
    c = Canvas(size, size, BLACK)
    transparent = BLACK
    m = size // 16
    if body == 'page':
        c.rect(4 * m, 1 * m, 8 * m, 14 * m, GRAY)
        c.rect(4 * m + 1, 1 * m + 1, 8 * m - 2, 14 * m - 2, WHITE)
        c.rect(5 * m, 11 * m, 6 * m, m, accent)
    else:
        c.rect(1 * m, 1 * m, 14 * m, 14 * m, accent)
        c.rect(2 * m, 2 * m, 12 * m, 12 * m, NAVY)
    c.text((size - 5 * m) // 2, 3 * m if body == 'page' else (size - 7 * m) // 2, letter,
           YELLOW if body != 'page' else NAVY, m)
    # Black is the see-through colour, so the picture itself uses none.
    return c, transparent


def write_icons(folder):
    app = [icon(32, 'C', 'square', AQUA)[0], icon(16, 'C', 'square', AQUA)[0]]
    doc = [icon(32, 'Z', 'page', RED)[0], icon(16, 'Z', 'page', RED)[0]]
    write_ico(os.path.join(folder, 'corv.ico'), app, BLACK)
    write_ico(os.path.join(folder, 'corvdoc.ico'), doc, BLACK)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(folder, 'toolbar.bmp'), toolbar())
    write_bmp(os.path.join(folder, 'splash.bmp'), splash())
    write_bmp(os.path.join(folder, 'logo.bmp'), logo())
    write_icons(folder)


if __name__ == '__main__':
    main()
