#!/usr/bin/env python3
"""Draws the window's pictures and writes them into ui/resources/.

- pfeil.gif, ok.gif, inaktiv.gif: the three status pictures, 17 x 17 pixels, GIF89a with a
  32-colour palette whose entry 31 (white) is transparent: a filled circle (red, green, grey)
  with a white arrow pointing right or a white tick.
- pfeil_21.gif ... inaktiv_43.gif: the same pictures drawn anew from the same shapes at the
  sizes the window needs at 120, 144, 192 and 240 DPI, so no screen shows a pixel-doubled one.
- schulferien.ico: the window icon, 32 x 32 and 16 x 16 pictures of 256 colours: a framed
  chart with coloured bars.

Plain Python, no imaging library: the pictures are drawn by supersampling simple shapes, the
GIF writer has its own LZW coder. The files are committed; run this only to change them:
    python3 scripts/make_resources.py
"""

import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "ui", "resources")

WHITE = (255, 255, 255)
TRANSPARENT = 31  # palette entry of the transparent white corners

# --- Shapes -----------------------------------------------------------------------------


def in_polygon(x, y, pts):
    inside = False
    n = len(pts)
    for i in range(n):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            xs = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < xs:
                inside = not inside
    return inside


def near_segment(x, y, a, b, half_width):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return math.hypot(x - px, y - py) <= half_width


ARROW = [(3.6, 7.3), (8.6, 7.3), (8.6, 4.2), (13.6, 8.5), (8.6, 12.8), (8.6, 9.7), (3.6, 9.7)]


def arrow(x, y):
    return in_polygon(x, y, ARROW)


def tick(x, y):
    return near_segment(x, y, (4.4, 8.8), (7.4, 11.8), 1.25) or near_segment(
        x, y, (7.4, 11.8), (12.9, 5.4), 1.25
    )


def coverage(size, inside, samples=6):
    """Fraction of each pixel covered by the shape `inside(x, y)`."""
    grid = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    if inside(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples):
                        hits += 1
            row.append(hits / (samples * samples))
        grid.append(row)
    return grid


# --- Status pictures -------------------------------------------------------------------


# Pixel sizes of the status pictures: 17 at 96 DPI, then 120, 144, 192 and 240 DPI.
SIZES = [17, 21, 26, 34, 43]


def status_picture(colour, symbol, size=17):
    """Pixels as palette indexes and the 32-colour palette.

    Entries 0..29 run from the circle colour to white; 30 is opaque white, 31 transparent
    white. Edge pixels of the circle take the circle colour (no light halo on a grey
    background); the symbol's edges are smoothed towards white.
    """
    k = 17.0 / size  # the shapes are laid out on a 17-pixel grid
    c = 8.5
    circle = coverage(size, lambda x, y: math.hypot(x * k - c, y * k - c) <= 8.4)
    sym = coverage(size, lambda x, y: symbol(x * k, y * k))
    palette = []
    for i in range(30):
        t = 1.0 - i / 29.0  # share of the circle colour
        palette.append(tuple(round(colour[k] * t + 255 * (1 - t)) for k in range(3)))
    palette += [WHITE, WHITE]
    pixels = []
    for y in range(size):
        for x in range(size):
            cov = circle[y][x]
            if cov < 0.4:
                pixels.append(TRANSPARENT)
                continue
            s = min(sym[y][x], cov)
            t = (cov - s) / cov
            pixels.append(30 if t <= 0.0 else round((1.0 - t) * 29))
    return pixels, palette


def lzw(pixels, min_code_size):
    """GIF's variable-length LZW, codes packed from the least significant bit."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bits = 0
    nbits = 0

    def emit(code, width):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    current = (pixels[0],)
    for p in pixels[1:]:
        candidate = current + (p,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        current = (p,)
    emit(table[current], width)
    # The decoder adds one more entry after the last code and widens as usual before it
    # reads the end code.
    if next_code == (1 << width) and width < 12:
        width += 1
    emit(end, width)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(width, height, pixels, palette, transparent):
    assert len(palette) == 32 and len(pixels) == width * height
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0xF4, transparent, 0)  # 32-entry table
    for r, g, b in palette:
        data += bytes((r, g, b))
    data += bytes((0x21, 0xF9, 4, 0x01)) + struct.pack("<HB", 0, transparent) + b"\0"
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data += bytes((5,))  # minimum code size for 32 colours
    stream = lzw(pixels, 5)
    for i in range(0, len(stream), 255):
        chunk = stream[i : i + 255]
        data += bytes((len(chunk),)) + chunk
    data += b"\0\x3b"
    return bytes(data)


# --- Icon --------------------------------------------------------------------------------

BARS = [(200, 40, 30), (240, 180, 0), (30, 150, 70), (40, 90, 200)]


def chart_icon(size):
    """RGB pixels (None = transparent) of the chart: a frame, a white panel, four bars."""
    s = size / 32.0
    px = [[None] * size for _ in range(size)]
    frame_dark = (64, 64, 64)
    frame_light = (160, 160, 160)
    panel = (255, 255, 255)
    axis = (0, 0, 0)
    m = 1 if size >= 32 else 0  # transparent margin
    for y in range(m, size - m):
        for x in range(m, size - m):
            edge = x in (m, size - m - 1) or y in (m, size - m - 1)
            inner = x in (m + 1, size - m - 2) or y in (m + 1, size - m - 2)
            px[y][x] = frame_dark if edge else frame_light if inner and size >= 32 else panel
    base = size - m - max(2, round(4 * s))
    left = m + max(2, round(4 * s))
    for y in range(m + max(2, round(4 * s)), base + 1):
        px[y][left] = axis
    for x in range(left, size - m - max(2, round(3 * s))):
        px[base][x] = axis
    heights = [0.55, 0.85, 0.4, 0.7]
    bar_w, gap = (3, 3) if size >= 32 else (2, 1)
    x0 = left + 2 if size >= 32 else left + 1
    top_room = base - (m + max(2, round(4 * s)))
    for colour, h in zip(BARS, heights):
        top = base - max(1, round(top_room * h))
        for y in range(top, base):
            for x in range(x0, x0 + bar_w):
                dark = x == x0 + bar_w - 1 and bar_w > 2
                px[y][x] = tuple(v * 3 // 4 for v in colour) if dark else colour
        x0 += bar_w + gap
    return px


def ico_entry(size):
    pixels = chart_icon(size)
    colours = sorted({p for row in pixels for p in row if p is not None})
    palette = [(0, 0, 0)] + colours
    palette += [(0, 0, 0)] * (256 - len(palette))
    index = {c: i for i, c in enumerate(palette) if i == 0 or c in colours}
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    xor_stride = (size + 3) // 4 * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        row = bytes(0 if p is None else index[p] for p in pixels[y])
        xor += row + b"\0" * (xor_stride - size)
        bitsrow = bytearray(and_stride)
        for x, p in enumerate(pixels[y]):
            if p is None:
                bitsrow[x // 8] |= 0x80 >> (x % 8)
        mask += bitsrow
    return header + pal + bytes(xor) + bytes(mask)


def ico(sizes):
    entries = [ico_entry(s) for s in sizes]
    data = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for s, e in zip(sizes, entries):
        data += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 8, len(e), offset)
        offset += len(e)
    for e in entries:
        data += e
    return bytes(data)


def main():
    os.makedirs(OUT, exist_ok=True)
    files = {}
    for name, colour, symbol in [
        ("pfeil", (184, 42, 23), arrow),
        ("ok", (0, 166, 81), tick),
        ("inaktiv", (140, 140, 140), arrow),
    ]:
        for size in SIZES:
            file = f"{name}.gif" if size == 17 else f"{name}_{size}.gif"
            files[file] = gif(size, size, *status_picture(colour, symbol, size), TRANSPARENT)
    files["schulferien.ico"] = ico([32, 16])
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
