"""A geometric stroke font for the few letters and digits the pictures carry.

Glyphs are polylines in units of the capital height, x to the right and y up from the
baseline; lower-case letters are 0.72 high. Each glyph is (advance, polylines).
"""
import math

X = 0.72  # x-height


def _arc(cx, cy, r, start, end, steps=24):
    """Points on an arc, angles in degrees counter-clockwise (y up)."""
    return [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + r * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


R = X / 2
GLYPHS = {
    "P": (0.64, [[(0, 0), (0, 1), (0.3, 1)] + _arc(0.3, 0.75, 0.25, 90, -90) + [(0, 0.5)]]),
    "e": (0.76, [[(0.04, R), (X, R)] + _arc(R, R, R, 0, 315)]),
    "n": (0.62, [[(0, 0), (0, X)], [(0, 0.44)] + _arc(0.29, 0.43, 0.29, 180, 0) + [(0.58, 0)]]),
    "d": (0.76, [_arc(R, R, R, 0, 360, 40), [(X, 0), (X, 1.02)]]),
    "r": (0.42, [[(0, 0), (0, X)], [(0, 0.44)] + _arc(0.29, 0.43, 0.29, 180, 75, 12)]),
    "a": (0.76, [_arc(R, R, R, 0, 360, 40), [(X, 0), (X, X)]]),
    "B": (0.68, [[(0.3, 0.52), (0, 0.52), (0, 1), (0.28, 1)] + _arc(0.28, 0.76, 0.24, 90, -90),
                 [(0, 0.52), (0, 0), (0.32, 0)] + _arc(0.32, 0.26, 0.26, -90, 90) + [(0.3, 0.52)]]),
    "F": (0.56, [[(0.54, 1), (0, 1), (0, 0)], [(0, 0.53), (0.44, 0.53)]]),
    "K": (0.64, [[(0, 0), (0, 1)], [(0.6, 1), (0.02, 0.42)], [(0.2, 0.6), (0.62, 0)]]),
    "1": (0.5, [[(0.06, 0.8), (0.3, 1), (0.3, 0)]]),
    "2": (0.62, [_arc(0.29, 0.71, 0.29, 160, -40, 16) + [(0, 0), (0.6, 0)]]),
    "3": (0.62, [_arc(0.29, 0.76, 0.24, 160, -90, 16), _arc(0.29, 0.26, 0.26, 90, -160, 16)]),
}


def glyph_lines(text, left, baseline, size, tracking=0.12):
    """The polylines of the text in pixels: capital height size, first glyph at left."""
    lines, x = [], left
    for ch in text:
        advance, polylines = GLYPHS[ch]
        lines.append([[(x + px * size, baseline - py * size) for px, py in line] for line in polylines])
        x += (advance + tracking) * size
    return lines, x - tracking * size


def text_width(text, size, tracking=0.12):
    return glyph_lines(text, 0, 0, size, tracking)[1]
