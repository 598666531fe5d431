#!/usr/bin/env python3
"""Draws every picture of the game and writes them as PNG files.

Python 3 standard library only: shapes are signed-distance functions,
sampled 4 x 4 times per pixel for smooth edges, and the PNG files are
written with zlib and struct. The output is deterministic, so running
the script again gives the same bytes.

Every picture but the marble is drawn twice from the same shapes: at its
own size (name.png) and at twice its size (name@2x.png), for screens of a
device pixel ratio above 1, where Qt takes the @2x file. The marble is a
texture stretched over whole windows, never shown at its own size, so it
has no @2x drawing.

    python3 make_pictures.py [output folder] [--icons folder] [--preview folder]

--icons names the folder of the desktop icons, peglore-N.png for the
hicolor theme's sizes (default: packaging/icons at the top of the tree).
--preview also writes every picture scaled up eight times over a
checkerboard, to look at.

Hand cursor (hand.png, 32 x 32): its hot spot is the tip of the index
finger, pixel (9, 0). The main window should create the cursor with
QCursor(QPixmap(":/pictures/hand.png"), 9, 0).
"""

import math
import os
import random
import struct
import sys
import zlib

HAND_HOT_SPOT = (9, 0)
DESKTOP_ICON_SIZES = (16, 32, 48, 64, 128, 256)

# ---------------------------------------------------------------- PNG files


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png_rgba(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples with 0..255 components."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    data = b"\x89PNG\r\n\x1a\n"
    data += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    data += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_png_indexed(path, width, height, palette, indices):
    """palette: 256 (r, g, b) tuples; indices: rows of palette indices."""
    raw = bytearray()
    for row in indices:
        raw.append(0)
        raw += bytes(row)
    plte = bytearray()
    for r, g, b in palette:
        plte += bytes((r, g, b))
    data = b"\x89PNG\r\n\x1a\n"
    data += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    data += _chunk(b"PLTE", bytes(plte))
    data += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


# ------------------------------------------------------- shapes and canvas


def capsule(ax, ay, bx, by, radius):
    """Distance to a stroke of the given radius from (ax, ay) to (bx, by)."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        px, py = x - ax, y - ay
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, (px * dx + py * dy) / length2))
        return math.hypot(px - t * dx, py - t * dy) - radius
    return sdf


def rounded_box(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def circle(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def polygon(points):
    """Signed distance to a closed polygon (negative inside)."""
    def sdf(x, y):
        best = float("inf")
        inside = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            dx, dy = bx - ax, by - ay
            length2 = dx * dx + dy * dy
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
            best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
            if (ay > y) != (by > y) and x < ax + (y - ay) * dx / (by - ay):
                inside = not inside
        return -best if inside else best
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def grown(shape, by):
    return lambda x, y: shape(x, y) - by


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


class Canvas:
    SAMPLES = 4
    # A pixel whose centre lies this deep inside a shape is covered by all
    # of its samples (they lie within 0.53 pixels of the centre).
    INSIDE = -0.6

    def __init__(self, width, height, scale=1):
        """width x height in the picture's own units; scale device pixels
        to a unit. Shapes, colours and outlines are given in units."""
        self.scale = scale
        self.width, self.height = width * scale, height * scale
        # Premultiplied-free straight RGBA in floats 0..1.
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * self.width for _ in range(self.height)]

    def coverage(self, shape, x, y):
        n, k = self.SAMPLES, self.scale
        hits = 0
        for sy in range(n):
            for sx in range(n):
                if shape((x + (sx + 0.5) / n) / k, (y + (sy + 0.5) / n) / k) <= 0.0:
                    hits += 1
        return hits / (n * n)

    def fill(self, shape, colour, opacity=1.0):
        """colour: (r, g, b) 0..255 or a function (x, y) -> (r, g, b)."""
        k = self.scale
        for y in range(self.height):
            for x in range(self.width):
                centre = shape((x + 0.5) / k, (y + 0.5) / k)
                # Skip pixels far outside the shape cheaply.
                if centre > 1.0:
                    continue
                inside = centre * k < self.INSIDE
                cover = (1.0 if inside else self.coverage(shape, x, y)) * opacity
                if cover <= 0.0:
                    continue
                rgb = colour((x + 0.5) / k, (y + 0.5) / k) if callable(colour) else colour
                self.blend(x, y, tuple(c / 255.0 for c in rgb), cover)

    def blend(self, x, y, rgb, alpha):
        r0, g0, b0, a0 = self.pixels[y][x]
        a = alpha + a0 * (1.0 - alpha)
        if a <= 0.0:
            return
        mix = [(c * alpha + c0 * a0 * (1.0 - alpha)) / a for c, c0 in zip(rgb, (r0, g0, b0))]
        self.pixels[y][x] = (mix[0], mix[1], mix[2], a)

    def outlined(self, shape, fill_colour, outline=(0, 0, 0), width=1.0):
        self.fill(grown(shape, width), outline)
        self.fill(shape, fill_colour)

    def rows(self):
        return [[tuple(max(0, min(255, round(c * 255))) for c in p) for p in row]
                for row in self.pixels]

    def save(self, path):
        write_png_rgba(path, self.width, self.height, self.rows())


def vertical_gradient(top_rgb, bottom_rgb, top, bottom):
    def colour(x, y):
        t = max(0.0, min(1.0, (y - top) / (bottom - top)))
        return tuple(round(a + (b - a) * t) for a, b in zip(top_rgb, bottom_rgb))
    return colour


def disabled_copy(source, threshold=0.25):
    """The classic embossed look of a greyed-out glyph: its dark parts in
    grey over a white copy one pixel down and to the right; its light parts
    drop out."""
    k = source.scale
    result = Canvas(source.width // k, source.height // k, k)
    w, h = result.width, result.height
    mask = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            r, g, b, a = source.pixels[y][x]
            if 0.299 * r + 0.587 * g + 0.114 * b < threshold:
                mask[y][x] = a
    for y in range(k, h):
        for x in range(k, w):
            if mask[y - k][x - k] > 0.0:
                result.blend(x, y, (1.0, 1.0, 1.0), mask[y - k][x - k])
    for y in range(h):
        for x in range(w):
            if mask[y][x] > 0.0:
                result.blend(x, y, (128 / 255.0,) * 3, mask[y][x])
    return result


# ------------------------------------------------------------------ marble


def value_noise(seed, size):
    rng = random.Random(seed)
    grid = [[rng.random() for _ in range(size)] for _ in range(size)]

    def smooth(t):
        return t * t * (3 - 2 * t)

    def noise(x, y):
        x0, y0 = int(math.floor(x)), int(math.floor(y))
        fx, fy = smooth(x - x0), smooth(y - y0)
        x0 %= size
        y0 %= size
        x1, y1 = (x0 + 1) % size, (y0 + 1) % size
        top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * fx
        bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * fx
        return top + (bottom - top) * fy
    return noise


def make_marble(path):
    """A light grey-beige marble with soft grey veins, 160 x 160 with a
    palette of 256 colours running from the stone's lightest tone to its
    darkest vein, so black text reads well anywhere on it."""
    size = 160
    noise = value_noise(1907, 64)

    def fbm(x, y, octaves):
        total, scale, weight = 0.0, 1.0, 0.0
        for _ in range(octaves):
            total += (noise(x * scale, y * scale) - 0.5) / scale
            weight += 1.0 / scale
            scale *= 2.0
        return total / weight

    light = (240, 236, 226)
    mid = (216, 210, 198)
    vein = (150, 146, 142)
    palette = []
    for i in range(256):
        t = i / 255.0
        if t < 0.5:
            k = t / 0.5
            palette.append(tuple(round(a + (b - a) * k) for a, b in zip(light, mid)))
        else:
            k = (t - 0.5) / 0.5
            palette.append(tuple(round(a + (b - a) * k) for a, b in zip(mid, vein)))

    indices = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = x / 40.0, y / 40.0
            cloud = fbm(u + 7.0, v + 3.0, 4)
            warp = fbm(u * 0.8, v * 0.8, 5)
            # Veins run diagonally, bent by the warp; thin dark cores where
            # the wave crosses zero with a soft halo around them.
            wave = math.sin((x * 0.8 + y * 0.6) / 15.0 + warp * 6.0)
            fine = math.sin((x * 0.3 - y * 0.9) / 5.0 + fbm(u * 2 + 20, v * 2, 4) * 7.0)
            veins = (math.exp(-abs(wave) * 9.0) * 0.55 + math.exp(-abs(wave) * 2.5) * 0.15
                     + math.exp(-abs(fine) * 14.0) * 0.18)
            t = 0.22 + cloud * 0.9 + veins
            row.append(max(0, min(255, round(t * 255))))
        indices.append(row)
    write_png_indexed(path, size, size, palette, indices)
    return palette, indices


# ------------------------------------------------------------------- hands

GLOVE = (255, 255, 255)
GLOVE_SHADE = (214, 214, 222)


def glove_colour(top, bottom):
    return vertical_gradient(GLOVE, GLOVE_SHADE, top, bottom)


def make_hand_cursor(scale):
    """A pointing hand, index finger up; hot spot at HAND_HOT_SPOT."""
    c = Canvas(32, 32, scale)
    shade = glove_colour(0, 30)
    palm = rounded_box(6.0, 13.0, 21.5, 28.5, 3.5)
    thumb = capsule(4.0, 14.5, 7.5, 21.0, 2.2)
    index = capsule(9.5, 3.0, 9.5, 16.0, 2.3)
    middle = capsule(14.3, 12.0, 14.3, 17.0, 2.2)
    ring = capsule(18.3, 13.0, 18.3, 17.5, 2.1)
    little = capsule(21.8, 15.0, 21.8, 19.0, 1.8)
    cuff = rounded_box(7.0, 26.0, 21.0, 31.0, 1.0)
    for part in (thumb, palm, little, ring, middle, index):
        c.outlined(part, shade)
    c.outlined(cuff, (190, 190, 200))
    return c


def make_row_marker(scale):
    """The row marker beside the guess board, 38 x 18: a white-gloved hand
    pointing right, its finger tip at the right edge, level with the row."""
    c = Canvas(38, 18, scale)
    shade = glove_colour(2, 17)
    cuff = rounded_box(1.0, 2.5, 7.0, 15.5, 1.2)
    fist = rounded_box(6.0, 3.5, 20.0, 15.5, 4.0)
    index = capsule(15.0, 6.5, 34.8, 6.5, 2.3)
    knuckle1 = capsule(13.5, 10.2, 21.0, 10.2, 2.0)
    knuckle2 = capsule(12.5, 13.3, 19.5, 13.3, 1.8)
    thumb = capsule(9.5, 4.4, 16.0, 4.0, 1.8)
    c.outlined(cuff, (190, 190, 200))
    for part in (fist, knuckle2, knuckle1, index, thumb):
        c.outlined(part, shade)
    return c


# ------------------------------------------------------- tool-button glyphs


def make_new_glyph(scale):
    """New game: a fresh board, two rows of empty holes and a row of three
    coloured pegs."""
    c = Canvas(16, 16, scale)
    board = rounded_box(1.0, 1.0, 15.0, 15.0, 1.5)
    c.outlined(board, vertical_gradient((236, 204, 160), (206, 166, 116), 1, 15))
    for row in range(2):
        for col in range(3):
            left, top = 3.0 + col * 4.0, 3.0 + row * 4.0
            c.fill(rounded_box(left, top, left + 2.0, top + 2.0, 0.5), (50, 30, 15))
    for col, rgb in enumerate(((220, 20, 20), (20, 150, 20), (30, 60, 220))):
        c.outlined(circle(4.0 + col * 4.0, 11.8, 1.4), rgb, width=0.6)
    return c


def make_properties_glyph(scale):
    """Game properties: three sliders with their knobs set at different
    places."""
    c = Canvas(16, 16, scale)
    for i, (knob, rgb) in enumerate(((5.0, (220, 40, 40)), (10.5, (40, 150, 40)),
                                     (7.0, (40, 70, 220)))):
        y = 3.0 + i * 5.0
        c.fill(capsule(1.5, y, 14.5, y, 0.9), (60, 60, 70))
        c.outlined(rounded_box(knob - 1.8, y - 2.3, knob + 1.8, y + 2.3, 0.8), rgb,
                   width=0.9)
    return c


def make_check_glyph(scale):
    """Check the row: a bold green tick."""
    c = Canvas(16, 16, scale)
    tick = union(capsule(2.5, 8.5, 6.3, 12.5, 1.6), capsule(6.3, 12.5, 13.5, 3.0, 1.6))
    c.outlined(tick, vertical_gradient((90, 210, 70), (20, 120, 20), 3, 14), (0, 70, 0))
    return c


# --------------------------------------------------------- application icon


def make_icon(size, scale):
    """Coloured pegs on a wooden board, with black and white key pegs."""
    s = size / 48.0
    c = Canvas(size, size, scale)
    board = rounded_box(3 * s, 5 * s, 45 * s, 43 * s, 5 * s)
    c.outlined(board, vertical_gradient((226, 186, 132), (160, 110, 62), 5 * s, 43 * s),
               (70, 40, 15), width=max(1.0, 1.2 * s))
    c.fill(rounded_box(33 * s, 8 * s, 42 * s, 40 * s, 2 * s), (0, 128, 128))
    rows = (((220, 30, 30), (250, 220, 0), (30, 70, 230)),
            ((30, 170, 40), (220, 30, 30), (250, 0, 250)),
            ((250, 220, 0), (0, 220, 0), (30, 70, 230)))
    keys = (((0, 0, 0), (255, 255, 255)), ((0, 0, 0), (0, 0, 0)), ((255, 255, 255), None))
    for r, (colours, key) in enumerate(zip(rows, keys)):
        cy = (13 + r * 11) * s
        for k, rgb in enumerate(colours):
            cx = (10 + k * 8) * s
            peg = circle(cx, cy, 3.3 * s)
            c.outlined(peg, rgb, (40, 25, 10), width=max(0.7, 0.8 * s))
            c.fill(circle(cx - 1.0 * s, cy - 1.1 * s, 1.0 * s), (255, 255, 255), 0.55)
        for k, rgb in enumerate(key):
            if rgb is not None:
                c.outlined(circle((35.7 + k * 3.6) * s, cy, 1.5 * s), rgb, (0, 60, 60),
                           width=max(0.5, 0.5 * s))
    return c


# -------------------------------------------------------------------- main


def preview(canvas_rows, width, height, path, scale=8):
    out = []
    for y in range(height * scale):
        row = []
        for x in range(width * scale):
            r, g, b, a = canvas_rows[y // scale][x // scale]
            check = 236 if ((x // 8) + (y // 8)) % 2 else 212
            mix = lambda v: round(v * a / 255.0 + check * (1 - a / 255.0))
            row.append((mix(r), mix(g), mix(b), 255))
        out.append(row)
    write_png_rgba(path, width * scale, height * scale, out)


def take_option(args, name, default):
    if name not in args:
        return default
    i = args.index(name)
    value = args[i + 1]
    del args[i:i + 2]
    return value


def main(argv):
    args = list(argv)
    here = os.path.dirname(os.path.abspath(__file__))
    preview_dir = take_option(args, "--preview", None)
    icons = take_option(args, "--icons", os.path.join(here, "..", "..", "packaging", "icons"))
    out = args[0] if args else here
    os.makedirs(out, exist_ok=True)
    os.makedirs(icons, exist_ok=True)

    canvases = {}
    palette, indices = make_marble(os.path.join(out, "marble.png"))

    def draw(folder, name, maker, *args):
        for scale, suffix in ((1, ""), (2, "@2x")):
            canvas = maker(*args, scale)
            canvas.save(os.path.join(folder, name + suffix + ".png"))
            if folder == out:
                canvases[name + suffix + ".png"] = canvas

    draw(out, "hand", make_hand_cursor)
    draw(out, "row-marker", make_row_marker)
    draw(out, "new", make_new_glyph)
    draw(out, "new-disabled", lambda scale: disabled_copy(make_new_glyph(scale)))
    draw(out, "properties", make_properties_glyph)
    draw(out, "check", make_check_glyph)
    draw(out, "check-disabled", lambda scale: disabled_copy(make_check_glyph(scale)))
    draw(out, "peglore", make_icon, 48)
    draw(out, "peglore-32", make_icon, 32)
    # The same drawing at every size the desktop asks for, each drawn at its
    # own size rather than scaled, so the small ones stay sharp; @2x for the
    # icon theme's folders of scale 2 (NxN@2).
    for size in DESKTOP_ICON_SIZES:
        draw(icons, "peglore-%d" % size, make_icon, size)

    if preview_dir:
        os.makedirs(preview_dir, exist_ok=True)
        for name, canvas in canvases.items():
            preview(canvas.rows(), canvas.width, canvas.height,
                    os.path.join(preview_dir, name))
        marble_rows = [[palette[i] + (255,) for i in row] for row in indices]
        preview(marble_rows, 160, 160, os.path.join(preview_dir, "marble.png"), scale=3)


if __name__ == "__main__":
    main(sys.argv[1:])
