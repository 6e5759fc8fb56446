#!/usr/bin/env python3
"""Draws the Maya node icons of the module (32 x 32, transparent): dist/icons/out_sign.png,
out_reticle.png, out_obakeDeformer.png. They are committed; run this again after changing a
drawing. Shapes are painted back to front with 4 x 4 samples per pixel for smooth edges."""

import math
import os
import struct
import sys
import zlib

SIZE = 32
SAMPLES = 4


class Icon:
    def __init__(self):
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * SIZE for _ in range(SIZE)]

    def paint(self, inside, rgb, opacity=1.0):
        """Lays rgb over every pixel in proportion to how much of it `inside(x, y)` covers; x and y
        run from 0 to 32, y downwards."""
        for py in range(SIZE):
            for px in range(SIZE):
                hits = sum(inside(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                           for sy in range(SAMPLES) for sx in range(SAMPLES))
                a = opacity * hits / (SAMPLES * SAMPLES)
                if a <= 0:
                    continue
                r, g, b, under = self.pixels[py][px]
                out = a + under * (1 - a)
                mix = [(c * a + u * under * (1 - a)) / out for c, u in zip(rgb, (r, g, b))]
                self.pixels[py][px] = (*mix, out)

    def png(self):
        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
        rows = b"".join(
            b"\0" + bytes(round(255 * max(0.0, min(1.0, v))) for p in row for v in p)
            for row in self.pixels)
        return (b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


# ---- shapes: functions of (x, y) that say whether a point is inside -----------------------------

def segment(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2
    return inside


def ellipse_ring(cx, cy, rx, ry, width):
    def inside(x, y):
        d = math.hypot((x - cx) / rx, (y - cy) / ry)
        return abs(d - 1) * min(rx, ry) <= width / 2
    return inside


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def rectangle(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def frame(x0, y0, x1, y1, width):
    outer, inner = rectangle(x0, y0, x1, y1), rectangle(x0 + width, y0 + width,
                                                        x1 - width, y1 - width)
    return lambda x, y: outer(x, y) and not inner(x, y)


def dashed_frame(x0, y0, x1, y1, width, period, on):
    """A frame whose edges are dashes `on` long every `period`, along each edge."""
    whole = frame(x0, y0, x1, y1, width)

    def inside(x, y):
        along = x - x0 if y < y0 + width or y > y1 - width else y - y0
        return whole(x, y) and along % period < on
    return inside


# ---- the three icons ----------------------------------------------------------------------------

def sign_icon():
    """A marker: a circle on the ground with a post and a flag-like label."""
    icon = Icon()
    green, light = (0.30, 0.86, 0.50), (0.85, 1.0, 0.90)
    icon.paint(ellipse_ring(16, 24, 12, 5.5, 2.2), green)
    icon.paint(segment(16, 24, 16, 5, 2.2), green)
    icon.paint(rectangle(17, 4, 29, 12), light)
    icon.paint(segment(19.5, 8, 26.5, 8, 1.4), green)
    icon.paint(disc(16, 24, 2.2), light)
    return icon


def reticle_icon():
    """A film gate with masked bands, a dashed safe frame and a crosshair."""
    icon = Icon()
    grey, band, yellow = (0.86, 0.88, 0.90), (0.15, 0.16, 0.18), (1.0, 0.82, 0.25)
    icon.paint(rectangle(2, 6, 30, 10), band, 0.85)
    icon.paint(rectangle(2, 22, 30, 26), band, 0.85)
    icon.paint(frame(2, 6, 30, 26, 1.6), grey)
    icon.paint(dashed_frame(6, 11, 26, 21, 1.1, 4, 2.5), grey)
    icon.paint(segment(16, 13, 16, 19, 1.4), yellow)
    icon.paint(segment(13, 16, 19, 16, 1.4), yellow)
    return icon


def obake_icon():
    """A ball with fading copies trailing behind it."""
    icon = Icon()
    violet = (0.70, 0.45, 1.0)
    for cx, r, opacity in ((8, 5.0, 0.25), (13, 6.0, 0.45), (19.5, 7.5, 1.0)):
        icon.paint(disc(cx, 16, r), violet, opacity)
    icon.paint(disc(22, 13, 2.2), (0.95, 0.90, 1.0))
    return icon


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "dist", "icons")
    os.makedirs(folder, exist_ok=True)
    for name, draw in (("out_sign.png", sign_icon), ("out_reticle.png", reticle_icon),
                       ("out_obakeDeformer.png", obake_icon)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(draw().png())
        print(os.path.join(folder, name))


if __name__ == "__main__":
    main()
