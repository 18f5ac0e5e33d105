#!/usr/bin/env python3
"""Draws the program icon, a computer beside a software box, and writes it as install.ico.

One 32x32 image in 16 colours (4 bits per pixel) with the standard Windows palette, which every
Windows version draws as it is. Run it again after changing the drawing and commit both files:

    python3 resources/make-icon.py
"""
import os
import struct

SIZE = 32

# The 16-colour Windows palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, GREEN, NAVY, TEAL, SILVER, GREY = 0, 2, 4, 6, 7, 8
RED, LIME, YELLOW, BLUE, CYAN, WHITE = 9, 10, 11, 12, 14, 15


class Canvas:
    """Pixels by (x, y), top row first; None is transparent."""

    def __init__(self):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, colour)
            self.dot(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, colour)
            self.dot(x1, y, colour)

    def raised(self, x0, y0, x1, y1, face):
        """A raised panel: light top and left edges, dark bottom and right, black outline."""
        self.fill(x0, y0, x1, y1, face)
        for x in range(x0 + 1, x1):
            self.dot(x, y0 + 1, WHITE)
            self.dot(x, y1 - 1, GREY)
        for y in range(y0 + 1, y1):
            self.dot(x0 + 1, y, WHITE)
            self.dot(x1 - 1, y, GREY)
        self.frame(x0, y0, x1, y1, BLACK)


def draw_computer(c):
    # Monitor: silver casing, dark-blue screen with a reflection, power light.
    c.raised(1, 3, 19, 18, SILVER)
    c.fill(4, 6, 16, 14, NAVY)
    c.frame(3, 5, 17, 15, GREY)
    for y in range(5, 16):
        c.dot(17, y, WHITE)
    for x in range(3, 18):
        c.dot(x, 15, WHITE)
    for i in range(3):
        c.dot(6 + i, 7, CYAN)
    c.dot(6, 8, CYAN)
    c.dot(6, 9, TEAL)
    for x in range(9, 15):
        c.dot(x, 11, TEAL)
    for x in range(9, 13):
        c.dot(x, 13, TEAL)
    c.dot(16, 17, LIME)
    # Neck.
    c.fill(8, 19, 12, 20, GREY)
    c.frame(8, 19, 12, 20, BLACK)
    # System unit: diskette slot and drive light.
    c.raised(0, 21, 20, 28, SILVER)
    c.fill(10, 24, 17, 24, BLACK)
    c.fill(10, 25, 17, 25, WHITE)
    c.dot(3, 25, GREEN)
    c.dot(4, 25, LIME)


def draw_box(c):
    """A software box in three-quarter view: front face, top and right side."""
    left, right, top, bottom, depth = 20, 27, 12, 30, 3
    # Top face: rows leaning to the right.
    for i in range(1, depth + 1):
        for x in range(left + i, right + i + 1):
            c.dot(x, top - i, CYAN)
    # Right side.
    for i in range(1, depth + 1):
        for y in range(top - i, bottom - i + 1):
            c.dot(right + i, y, NAVY)
    # Front: blue with a yellow band and a white label.
    c.fill(left, top, right, bottom, BLUE)
    c.fill(left, 17, right, 19, YELLOW)
    c.fill(left + 2, 22, right - 2, 26, WHITE)
    c.fill(left + 3, 23, right - 3, 23, BLACK)
    c.fill(left + 3, 25, right - 3, 25, RED)
    # Outlines of the three faces.
    c.frame(left, top, right, bottom, BLACK)
    for i in range(depth + 1):
        c.dot(left + i, top - i, BLACK)
        c.dot(right + i, top - i, BLACK)
        c.dot(right + i, bottom - i, BLACK)
    for x in range(left + depth, right + depth + 1):
        c.dot(x, top - depth, BLACK)
    for y in range(top - depth, bottom - depth + 1):
        c.dot(right + depth, y, BLACK)


def icon_bytes(canvas):
    """An .ico file with the canvas as its one image: header, directory entry, DIB."""
    colour_rows = []
    mask_rows = []
    for row in reversed(canvas.pixels):  # a DIB stores its bottom row first
        nibbles = [BLACK if p is None else p for p in row]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (SIZE - 1 - x)
        mask_rows.append(struct.pack('>I', bits))  # 32 pixels: one 4-byte row, no padding
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    # The image height counts the colour rows and the mask rows together.
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(b''.join(colour_rows)) + len(b''.join(mask_rows)), 0, 0, 16, 0)
    image = header + palette + b''.join(colour_rows) + b''.join(mask_rows)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    canvas = Canvas()
    draw_computer(canvas)
    draw_box(canvas)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'install.ico')
    with open(path, 'wb') as out:
        out.write(icon_bytes(canvas))
    print('%s: %d bytes' % (path, os.path.getsize(path)))


if __name__ == '__main__':
    main()
