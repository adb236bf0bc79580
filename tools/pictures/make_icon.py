#!/usr/bin/python3
"""Draws the game's icon "S_X_TD_L" (32 x 32 and 16 x 16) and writes it as a classic BMP-entry .ico.

Usage: make_icon.py OUTPUT.ico
Needs python3-pil. The same script always writes the same bytes.
"""
import struct
import sys

from PIL import Image, ImageDraw

BOARD = (18, 70, 46, 255)       # trading-board green
EDGE = (8, 36, 22, 255)
GRID = (44, 104, 74, 255)
LINE = (255, 214, 64, 255)      # gold price line
LINE_SHADOW = (120, 84, 0, 255)
BAR = (230, 236, 230, 255)


def draw(size):
    scale = 8  # draw large, then shrink, so the line stays smooth at 16 pixels
    big = size * scale
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = big // 6
    d.rounded_rectangle([0, 0, big - 1, big - 1], radius=r, fill=EDGE)
    inset = big // 16
    d.rounded_rectangle([inset, inset, big - 1 - inset, big - 1 - inset], radius=r - inset, fill=BOARD)
    for k in (1, 2, 3):
        y = inset + k * (big - 2 * inset) // 4
        d.line([(inset * 2, y), (big - inset * 2, y)], fill=GRID, width=max(scale // 2, 1))
    # Volume bars along the bottom.
    bars = [0.35, 0.55, 0.30, 0.70, 0.50]
    bw = (big - 4 * inset) // (2 * len(bars))
    for i, h in enumerate(bars):
        x0 = 2 * inset + i * 2 * bw + bw // 2
        top = big - 2 * inset - int(h * big * 0.28)
        d.rectangle([x0, top, x0 + bw, big - 2 * inset], fill=BAR)
    # A rising price line with a dip: the market in one stroke.
    pts = [(0.12, 0.62), (0.32, 0.44), (0.46, 0.56), (0.66, 0.28), (0.88, 0.16)]
    xy = [(int(x * big), int(y * big)) for x, y in pts]
    w = max(big // 10, 2)
    d.line([(x + scale, y + scale) for x, y in xy], fill=LINE_SHADOW, width=w, joint="curve")
    d.line(xy, fill=LINE, width=w, joint="curve")
    return img.resize((size, size), Image.LANCZOS)


def ico_entry(img):
    """A 32-bit BGRA DIB with its AND mask, as icon resources have always stored them."""
    size = img.width
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    px = img.load()
    xor = bytearray()
    mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(size):
            r, g, b, a = px[x, y]
            a = 255 if a >= 128 else 0  # hard edges: old desktops show only the mask
            xor += bytes((b, g, r, a) if a else (0, 0, 0, 0))
            if not a:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def main():
    out = sys.argv[1]
    entries = [ico_entry(draw(s)) for s in (32, 16)]
    data = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for s, e in zip((32, 16), entries):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(e), offset)
        offset += len(e)
    data += b"".join(entries)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
