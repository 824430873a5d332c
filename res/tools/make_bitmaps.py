#!/usr/bin/env python3
"""Draws Kestrin's bitmaps and writes them as XPM text into res/bitmaps and res/icon.

Run from anywhere: python3 res/tools/make_bitmaps.py
The output is deterministic, so running it again leaves the files unchanged.

The button bitmaps use the four standard greys wherever the picture is grey, black or white:
"loaded mapped" replaces exactly #000000, #808080, #C0C0C0 and #FFFFFF by the palette's
ButtonText, Dark, Button and Light colours. Other colours (red, blue, ...) stay as drawn.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)

BLACK = "#000000"
DARK = "#808080"
LIGHT = "#C0C0C0"
WHITE = "#FFFFFF"
RED = "#FF0000"
BLUE = "#0000FF"
NAVY = "#000080"
NONE = "None"

# 3 x 5 pixel font; lower-case letters sit on the bottom three rows.
FONT = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", "###", "..#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
    "-": ["...", "...", "###", "...", "..."],
    "+": ["...", ".#.", "###", ".#.", "..."],
    "S": ["###", "#..", "###", "..#", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "E": ["###", "#..", "###", "#..", "###"],
    "n": ["...", "...", "##.", "#.#", "#.#"],
}


class Canvas:
    def __init__(self, width, height, ground):
        self.w = width
        self.h = height
        self.px = [[ground] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x]

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle x0..x1, y0..y1, both ends included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.set(x, y0, colour)
            self.set(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.set(x0, y, colour)
            self.set(x1, y, colour)

    def hline(self, x0, x1, y, colour):
        self.fill(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.fill(x, y0, x, y1, colour)

    def text(self, x, y, string, colour, spacing=1):
        for ch in string:
            glyph = FONT[ch]
            for gy, row in enumerate(glyph):
                for gx, c in enumerate(row):
                    if c == "#":
                        self.set(x + gx, y + gy, colour)
            x += len(glyph[0]) + spacing

    def shape(self, inside, colour):
        """Sets every pixel whose centre satisfies inside(x + 0.5, y + 0.5)."""
        for y in range(self.h):
            for x in range(self.w):
                if inside(x + 0.5, y + 0.5):
                    self.set(x, y, colour)

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                self.set(ox + x, oy + y, other.get(x, y))


def triangle(ax, ay, bx, by, cx, cy):
    def side(px, py, x0, y0, x1, y1):
        return (px - x1) * (y0 - y1) - (x0 - x1) * (py - y1)

    def inside(px, py):
        d1 = side(px, py, ax, ay, bx, by)
        d2 = side(px, py, bx, by, cx, cy)
        d3 = side(px, py, cx, cy, ax, ay)
        neg = d1 < 0 or d2 < 0 or d3 < 0
        pos = d1 > 0 or d2 > 0 or d3 > 0
        return not (neg and pos)

    return inside


def write_xpm(path, canvas, name):
    colours = []
    for row in canvas.px:
        for c in row:
            if c not in colours:
                colours.append(c)
    # A fixed key per colour keeps the files readable and stable.
    keys = {LIGHT: ".", BLACK: "#", DARK: "+", WHITE: "o", RED: "r", BLUE: "b", NAVY: "n",
            NONE: " "}
    spare = iter("abcdefghijklmpqstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789@$%&*=-;:>,<1")
    for c in colours:
        if c not in keys:
            k = next(spare)
            while k in keys.values():
                k = next(spare)
            keys[c] = k
    lines = ["/* XPM */", "static const char *const %s[] = {" % name,
             '"%d %d %d 1",' % (canvas.w, canvas.h, len(colours))]
    for c in colours:
        lines.append('"%s c %s",' % (keys[c], c))
    for i, row in enumerate(canvas.px):
        end = "," if i < canvas.h - 1 else ""
        lines.append('"%s"%s' % ("".join(keys[c] for c in row), end))
    lines.append("};")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------- window bitmaps

def background_132():
    """48 x 48 pale grey mottled texture that tiles without seams."""
    size = 48
    rng = random.Random(132)
    noise = [[rng.random() for _ in range(size)] for _ in range(size)]

    def blurred(x, y, r):
        total = 0.0
        for dy in range(-r, r + 1):
            for dx in range(-r, r + 1):
                total += noise[(y + dy) % size][(x + dx) % size]
        return total / (2 * r + 1) ** 2

    c = Canvas(size, size, LIGHT)
    for y in range(size):
        for x in range(size):
            v = 0.75 * blurred(x, y, 2) + 0.25 * noise[y][x]
            if v > 0.60:
                c.set(x, y, WHITE)
            elif v < 0.36 and noise[y][x] < 0.12:
                c.set(x, y, DARK)
    return c


def bar_187():
    """12 x 30 grey strip whose middle rows carry a grey dash with a white dash under it."""
    c = Canvas(12, 30, LIGHT)
    c.hline(0, 5, 14, DARK)
    c.hline(1, 6, 15, WHITE)
    return c


def home_110():
    """32 x 19: two grey triangles pointing inwards at a black vertical bar."""
    c = Canvas(32, 19, LIGHT)
    c.shape(triangle(3, 2.5, 14, 9.5, 3, 16.5), DARK)
    c.shape(triangle(29, 2.5, 18, 9.5, 29, 16.5), DARK)
    # A white edge along the upper side of each triangle gives it some relief.
    for y in range(c.h - 1, 0, -1):
        for x in range(c.w):
            if c.get(x, y) == DARK and c.get(x, y - 1) == LIGHT and y < 10:
                c.set(x, y, WHITE)
    c.fill(15, 2, 16, 16, BLACK)
    return c


def reverse_158():
    """30 x 19: a black U-turn arrow (left along the top, round, right along the bottom)."""
    c = Canvas(30, 19, LIGHT)
    cx, cy = 10.0, 8.5
    outer, inner = 6.0, 3.0

    def ring(px, py):
        d = math.hypot(px - cx, py - cy)
        return px <= cx and inner <= d <= outer

    c.shape(ring, BLACK)
    c.fill(10, 3, 25, 5, BLACK)      # upper arm
    c.fill(10, 12, 19, 14, BLACK)    # lower arm
    c.shape(triangle(19, 7.5, 25.5, 13.5, 19, 19.5), BLACK)  # head pointing right
    return c


# ---------------------------------------------------------------- toolbar pictures

def image():
    return Canvas(18, 17, LIGHT)


def arrow(c, cx, top, bottom, up, colour=BLACK):
    """A vertical arrow with a 3-pixel shaft and a 9-pixel head, centred on column cx."""
    head = 5
    if up:
        for i in range(head):
            c.hline(cx - i, cx + i, top + i, colour)
        c.fill(cx - 1, top + head, cx + 1, bottom, colour)
    else:
        c.fill(cx - 1, top, cx + 1, bottom - head, colour)
        for i in range(head):
            c.hline(cx - i, cx + i, bottom - i, colour)


def digits_box(c, x0, y0, x1, y1):
    c.fill(x0, y0, x1, y1, WHITE)
    c.frame(x0, y0, x1, y1, BLACK)
    width = 11
    c.text(x0 + (x1 - x0 + 1 - width + 1) // 2, y0 + (y1 - y0 + 1 - 5) // 2, "123", BLACK)


def scale_piece(c, y0, y1, x0=0, x1=17, longest=3):
    """A white piece of scale with a black edge on top and bottom and ticks hanging down."""
    c.fill(x0, y0, x1, y1, WHITE)
    c.hline(x0, x1, y0, BLACK)
    c.hline(x0, x1, y1, BLACK)
    for x in range(x0 + 1, x1 + 1, 2):
        length = 3 if (x - x0 - 1) % 8 == 0 else (2 if (x - x0 - 1) % 4 == 0 else 1)
        c.vline(x, y0 + 1, y0 + min(length, longest), BLACK)


def cursor(c, x0, y0, x1, y1, outline=BLACK, hairline=RED):
    """A cursor: a frame over the scale with a red hairline in its middle."""
    c.frame(x0, y0, x1, y1, outline)
    c.vline((x0 + x1) // 2, y0, y1, hairline)


def copy_picture(c, cx):
    arrow(c, cx, 0, 6, up=True)
    digits_box(c, 2, 8, 16, 16)


def slide_picture(c, cx):
    arrow(c, cx, 0, 8, up=False)
    scale_piece(c, 10, 16)


def cursor_picture(c, cx):
    arrow(c, cx, 0, 7, up=False)
    scale_piece(c, 11, 15)
    cursor(c, cx - 4, 9, cx + 4, 16)


def mark_e(c):
    c.text(0, 0, "E", BLUE)


def mark_zero_plus(c):
    c.text(0, 0, "0+", BLUE)


def numbering_strip():
    strip = Canvas(18 * 2, 17, LIGHT)
    for i, (numbers, colour) in enumerate((("0-90", BLACK), ("90-0", RED))):
        c = image()
        c.text(3, 1, "STn", colour)
        c.hline(1, 16, 8, DARK)
        c.text(1, 10, numbers, colour)
        strip.paste(c, 18 * i, 0)
    return strip


def undo_picture():
    """A curved arrow: from the lower right up over the top and down to a head on the left."""
    c = image()
    cx, cy = 9.0, 10.0
    outer, inner = 7.0, 4.5

    def arc(px, py):
        d = math.hypot(px - cx, py - cy)
        angle = math.degrees(math.atan2(cy - py, px - cx))  # 0 right, 90 up
        return inner <= d <= outer and (-60 <= angle <= 160)

    c.shape(arc, BLACK)
    c.shape(triangle(-0.5, 8.5, 8.5, 8.5, 4, 14.5), BLACK)  # head pointing down on the left
    return c


def edit_strip():
    pictures = []
    for marked in (False, True):
        cx = 12 if marked else 9
        for draw in (copy_picture, slide_picture, cursor_picture):
            c = image()
            draw(c, cx)
            if marked:
                mark_e(c)
            pictures.append(c)
    for draw in (slide_picture, cursor_picture):
        c = image()
        draw(c, 12)
        mark_zero_plus(c)
        pictures.append(c)
    pictures.append(undo_picture())
    strip = Canvas(18 * len(pictures), 17, LIGHT)
    for i, p in enumerate(pictures):
        strip.paste(p, 18 * i, 0)
    return strip


def mode_cursor(c, x0):
    """A tall cursor frame, 7 pixels wide, over a short piece of scale."""
    cursor(c, x0, 1, x0 + 6, 15)


def mode_strip():
    pictures = []

    lock = image()
    digits_box(lock, 2, 0, 16, 8)
    lock.fill(1, 12, 12, 14, BLACK)          # arrow to the right under the box
    lock.shape(triangle(12, 9.5, 17.5, 13.5, 12, 17.5), BLACK)
    pictures.append(lock)

    double = image()
    scale_piece(double, 5, 10, longest=2)
    cursor(double, 2, 1, 8, 15, outline=DARK)
    cursor(double, 9, 1, 15, 15)
    pictures.append(double)

    fast = image()
    scale_piece(fast, 5, 10, x0=8, longest=2)
    mode_cursor(fast, 10)
    for y in (3, 8, 13):
        for x in range(0, 8, 2):
            fast.set(x + (y // 5) % 2, y, BLACK)
    pictures.append(fast)

    reverse = image()
    scale_piece(reverse, 5, 10, x0=0, x1=7, longest=2)
    mode_cursor(reverse, 0)
    # A turning arrow on the right: out to the right along the top, round, back to the left.
    cx, cy = 13.5, 7.5

    def turn(px, py):
        return px >= cx and 2.5 <= math.hypot(px - cx, py - cy) <= 4.5

    reverse.shape(turn, BLACK)
    reverse.fill(10, 3, 13, 4, BLACK)
    reverse.fill(12, 10, 13, 11, BLACK)
    reverse.shape(triangle(12.0, 7.0, 8.0, 11.0, 12.0, 15.0), BLACK)
    pictures.append(reverse)

    strip = Canvas(18 * len(pictures), 17, LIGHT)
    for i, p in enumerate(pictures):
        strip.paste(p, 18 * i, 0)
    return strip


# ---------------------------------------------------------------- application icon

def app_icon(size):
    """A small slide rule: stator, a slide pulled out to the right, a cursor with a red hairline."""
    ivory = "#F2ECD2"
    slide_colour = "#FFFFF6"
    edge = "#303030"
    groove = "#6A6A6A"
    tick = "#202020"
    glass = "#C4E0F4"
    frame = "#3C4658"
    c = Canvas(size, size, NONE)
    s = size / 32.0

    def u(v):
        return int(round(v * s))

    top, bottom = u(6), u(26) - 1
    slide_top, slide_bottom = u(12), u(20) - 1
    slide_left = u(7)
    c.fill(0, top, size - 1, bottom, ivory)
    c.frame(0, top, size - 1, bottom, edge)
    c.fill(1, slide_top, slide_left - 1, slide_bottom, groove)
    c.fill(slide_left, slide_top, size - 1, slide_bottom, slide_colour)
    c.frame(slide_left, slide_top, size - 1, slide_bottom, edge)
    c.hline(0, size - 1, slide_top, edge)
    c.hline(0, size - 1, slide_bottom, edge)
    # Logarithmic ticks: up from the slide on the stator, down from its top on the slide.
    span = size - 2 * u(2)
    values = (1, 2, 3, 4, 5, 6, 7, 8, 9, 10) if size >= 32 else ()
    for v in values:
        x = u(2) + round(math.log10(v) * (span - 1))
        length = u(4) if v in (1, 10) else (u(3) if v in (2, 3, 5) else u(2))
        length = max(1, length)
        c.vline(x, slide_top - length, slide_top - 1, tick)
        xs = x + slide_left - u(2)
        if slide_left < xs < size - 1:
            c.vline(xs, slide_top + 1, slide_top + length, tick)
    # The cursor: a glass window with a frame and a red hairline, standing out above and below.
    cx0, cx1 = u(17), u(25)
    cy0, cy1 = u(2), u(30) - 1
    for y in range(cy0, cy1 + 1):
        for x in range(cx0, cx1 + 1):
            if c.get(x, y) == NONE:
                c.set(x, y, glass)
    c.frame(cx0, cy0, cx1, cy1, frame)
    hair = (cx0 + cx1) // 2
    c.vline(hair, cy0 + 1, cy1 - 1, RED)
    if size >= 48:
        c.vline(hair + 1, cy0 + 1, cy1 - 1, RED)
    return c


def main():
    bitmaps = os.path.join(RES, "bitmaps")
    write_xpm(os.path.join(bitmaps, "bmp132.xpm"), background_132(), "bmp132_xpm")
    write_xpm(os.path.join(bitmaps, "bmp187.xpm"), bar_187(), "bmp187_xpm")
    write_xpm(os.path.join(bitmaps, "bmp110.xpm"), home_110(), "bmp110_xpm")
    write_xpm(os.path.join(bitmaps, "bmp158.xpm"), reverse_158(), "bmp158_xpm")
    write_xpm(os.path.join(bitmaps, "toolbar_numbering.xpm"), numbering_strip(),
              "toolbar_numbering_xpm")
    write_xpm(os.path.join(bitmaps, "toolbar_edit.xpm"), edit_strip(), "toolbar_edit_xpm")
    write_xpm(os.path.join(bitmaps, "toolbar_mode.xpm"), mode_strip(), "toolbar_mode_xpm")
    for size in (16, 32, 48):
        write_xpm(os.path.join(RES, "icon", "kestrin%d.xpm" % size), app_icon(size),
                  "kestrin%d_xpm" % size)


if __name__ == "__main__":
    main()
