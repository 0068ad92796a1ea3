#!/usr/bin/env python3
"""Generates Pendra's built-in pictures into assets/pictures and the program icon.

Standard library only; JPEGs go through cjpeg (Debian's libjpeg-turbo-progs). The output
is committed, so building needs none of this. Run: python3 assets/generate_assets.py

The look: the sheet lies on a light paper mat with a thin blue-grey outer edge and a soft
shade along the sheet; a red bar runs down the left edge, capped by the logo's check mark.
Colours harmonise with the sheet's title row (215, 228, 242) and grid (245, 245, 255).
"""
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the assets folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from encoders import write_ico, write_jpeg, write_png  # noqa: E402
from lettering import glyph_lines  # noqa: E402
from painting import Canvas, arc, drawing_scale, bounds, box, circle, lerp, polygon, ring, strokes, union  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "pictures")

EDGE = (150, 166, 192)          # the window's outer edge
PAPER_OUTER = (250, 251, 254)   # mat, next to the edge
PAPER_INNER = (235, 240, 248)   # mat, towards the sheet
SHADE_FAR = (221, 229, 240)     # two lines of shade along the sheet
SHADE_NEAR = (200, 212, 229)
TITLE_ROW = (215, 228, 242)
RED = (208, 44, 50)
RED_LIGHT = (236, 96, 92)
RED_DARK = (150, 24, 32)
INK = (44, 60, 90)
INK_SOFT = (92, 108, 136)
ACCENT = (70, 112, 170)
WHITE = (255, 255, 255)
GREEN = (40, 150, 70)


# The mat around the sheet --------------------------------------------------------------

# The built-in mat's colours; each skin has its own set (see SKINS).
MAT = {"edge": EDGE, "outer": PAPER_OUTER, "inner": PAPER_INNER, "far": SHADE_FAR, "near": SHADE_NEAR}


def mat_colour(palette, outer, inner):
    """Colour of the mat at a distance (in pixels) from the window's edge and from the sheet."""
    if outer <= 0:
        return palette["edge"]
    if inner == 1:
        return palette["near"]
    if inner == 2:
        return palette["far"]
    return lerp(palette["outer"], palette["inner"], (outer - 1) / 26)


def band(width, height, outer_of, inner_of, palette=MAT):
    canvas = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            canvas.blend(x, y, mat_colour(palette, outer_of(x, y), inner_of(x, y)))
    return canvas


def top_band(palette=MAT):
    return band(500, 30, lambda x, y: y, lambda x, y: 30 - y, palette)


def bottom_band(palette=MAT):
    return band(500, 30, lambda x, y: 29 - y, lambda x, y: y + 1, palette)


def right_band(palette=MAT, width=30):
    """The right edge; a skin's is 180 wide, of which the window shows the left 30. Beyond those
    it repeats the mat, so that the edge line stays one pixel wide in the JPEG."""
    return band(width, 180, lambda x, y: 29 - x if x < 30 else 1, lambda x, y: x + 1, palette)


def top_right_corner(palette=MAT):
    """100 × 100 at the window's top-right corner; the sheet lies below-left of (70, 30)."""
    return band(100, 100, lambda x, y: min(y, 99 - x), lambda x, y: max(x - 69, 30 - y), palette)


def bottom_right_corner(palette=MAT):
    """100 × 100 at the window's bottom-right corner; the sheet lies above-left of (70, 70)."""
    return band(100, 100, lambda x, y: min(99 - y, 99 - x), lambda x, y: max(x - 69, y - 69), palette)


# Our own skins: the mat in other colours. The exit and minimize buttons are transparent
# around their signs, so they sit on any skin.
SKINS = {
    "Lime": {"edge": (78, 128, 30), "outer": (240, 250, 218), "inner": (204, 236, 150), "far": (178, 218, 112),
             "near": (136, 186, 70)},
    "Vista": {"edge": (32, 62, 116), "outer": (206, 224, 248), "inner": (150, 188, 234), "far": (120, 162, 216),
              "near": (70, 110, 170)},
    "Eldorado": {"edge": (128, 88, 16), "outer": (252, 242, 206), "inner": (238, 210, 132), "far": (220, 184, 96),
                 "near": (184, 140, 52)},
    "Silver": {"edge": (96, 98, 106), "outer": (246, 246, 248), "inner": (212, 214, 220), "far": (188, 190, 198),
               "near": (150, 152, 160)},
}


def write_skins(folder):
    for name, palette in SKINS.items():
        skin = os.path.join(folder, name)
        os.makedirs(skin, exist_ok=True)
        write_jpeg(os.path.join(skin, "Right.JPG"), right_band(palette, 180))
        write_jpeg(os.path.join(skin, "Top.JPG"), top_band(palette))
        write_jpeg(os.path.join(skin, "Down.JPG"), bottom_band(palette))
        write_jpeg(os.path.join(skin, "TopRight.JPG"), top_right_corner(palette))
        write_jpeg(os.path.join(skin, "DownRight.JPG"), bottom_right_corner(palette))


# The red bar and the logo --------------------------------------------------------------

def red_shade(u):
    """The bar's colour across its width, u from 0 (window edge) to 1 (sheet)."""
    if u < 0.05:
        return RED_DARK
    if u < 0.35:
        return lerp(RED, RED_LIGHT, (u - 0.05) / 0.3)
    if u > 0.94:
        return lerp(RED, RED_DARK, 0.6)
    return lerp(RED_LIGHT, RED, (u - 0.35) / 0.59)


def red_bar():
    canvas = Canvas(25, 150)
    for y in range(150):
        for x in range(25):
            canvas.blend(x, y, red_shade((x + 0.5) / 25))
    return canvas


def check_mark(canvas, points, width, colour, halo=None):
    if halo:
        canvas.shape(strokes([points], width + 2 * halo[1]), halo[0], bounds(points, width + halo[1]))
    canvas.shape(strokes([points], width), colour, bounds(points, width))


def write_text(canvas, text, left, baseline, size, weight, colour, tracking=0.12):
    glyphs, _ = glyph_lines(text, left, baseline, size, tracking)
    for lines in glyphs:
        canvas.shape(strokes(lines, weight), colour, bounds([p for line in lines for p in line], weight))


def red_cap(canvas, left, top, size):
    """The top of the red bar with the check mark: the product's sign."""
    canvas.fill(lambda x, y: red_shade((x - left) / size), (left, top, left + size, top + size))
    canvas.fill(RED_DARK, (left, top, left + size, top + max(1, size // 30)))
    s = size / 30
    check_mark(canvas, [(left + 8 * s, top + 15.5 * s), (left + 13 * s, top + 20.5 * s), (left + 22.5 * s, top + 9 * s)],
               3.2 * s, WHITE, halo=((120, 16, 24, 70), 0.8 * s))


def logo():
    canvas = Canvas(252, 30)
    red_cap(canvas, 0, 0, 30)
    write_text(canvas, "Pendra", 40, 22.5, 15.5, 2.5, INK)
    return canvas


# Buttons ------------------------------------------------------------------------------

def window_button(glyph, state, danger):
    """16 × 16 exit/minimize button, transparent around its sign, so it sits on any skin."""
    canvas = Canvas(16, 16)
    glyph_colour = INK_SOFT
    if state != "normal":
        fills = {"hover": (danger and (226, 72, 72)) or TITLE_ROW, "pressed": (danger and (176, 36, 42)) or (168, 192, 222)}
        border = (danger and (168, 40, 46)) or ACCENT
        canvas.shape(box(0.5, 0.5, 15.5, 15.5, 3), border, (0, 0, 16, 16))
        canvas.shape(box(1.5, 1.5, 14.5, 14.5, 2.2), fills[state], (0, 0, 16, 16))
        glyph_colour = WHITE if danger else INK
    shift = 0.5 if state == "pressed" else 0
    if glyph == "exit":
        canvas.shape(strokes([[(4.5 + shift, 4.5 + shift), (11.5 + shift, 11.5 + shift)],
                              [(11.5 + shift, 4.5 + shift), (4.5 + shift, 11.5 + shift)]], 1.7), glyph_colour,
                     (0, 0, 16, 16))
    else:
        canvas.shape(box(4 + shift, 10 + shift, 12 + shift, 12 + shift), glyph_colour, (0, 0, 16, 16))
    return canvas


def small_button(sign, state):
    """9 × 9 round plus/minus button, transparent around the circle."""
    fill, rim, mark = {"normal": (WHITE, (128, 146, 176), (58, 76, 108)),
                       "hover": (TITLE_ROW, ACCENT, (28, 58, 118)),
                       "pressed": (ACCENT, (46, 80, 132), WHITE)}[state]
    canvas = Canvas(9, 9)
    canvas.shape(circle(4.5, 4.5, 4.5), rim, (0, 0, 9, 9))
    canvas.shape(circle(4.5, 4.5, 3.5), fill, (0, 0, 9, 9))
    canvas.fill(mark, (2, 4, 7, 5))
    if sign == "plus":
        canvas.fill(mark, (4, 2, 5, 4))
        canvas.fill(mark, (4, 5, 5, 7))
    return canvas


# Menu pictures (16 × 16) ---------------------------------------------------------------

LINE = (96, 114, 146)


def menu_check(canvas):
    check_mark(canvas, [(8.8, 12.2), (10.8, 14.2), (14.8, 9.4)], 2.1, GREEN, halo=(WHITE, 1.1))


def menu_letter(letter):
    canvas = Canvas(16, 16)
    write_text(canvas, letter, 2.5, 11.5, 10, 2.5, INK)
    menu_check(canvas)
    return canvas


def table(canvas, x0, y0, x1, y1, columns, rows, header=True):
    """A small table: white cells, light-blue title row, blue-grey lines."""
    canvas.fill(WHITE, (x0, y0, x1, y1))
    if header:
        canvas.fill(TITLE_ROW, (x0, y0, x1, y0 + (y1 - y0) // rows))
    for i in range(1, columns):
        canvas.fill(LINE, (x0 + (x1 - x0) * i // columns, y0, x0 + (x1 - x0) * i // columns + 1, y1))
    for i in range(1, rows):
        canvas.fill(LINE, (x0, y0 + (y1 - y0) * i // rows, x1, y0 + (y1 - y0) * i // rows + 1))
    for edge in ((x0, y0, x1, y0 + 1), (x0, y1 - 1, x1, y1), (x0, y0, x0 + 1, y1), (x1 - 1, y0, x1, y1)):
        canvas.fill(INK_SOFT, edge)


def menu_grid(checked):
    canvas = Canvas(16, 16)
    table(canvas, 1, 2, 15, 14, 3, 3)
    if checked:
        menu_check(canvas)
    return canvas


def plus_minus_badge(canvas, cx, cy, sign):
    colour = GREEN if sign == "plus" else (200, 40, 40)
    canvas.shape(circle(cx, cy, 4.6), WHITE, (cx - 6, cy - 6, cx + 6, cy + 6))
    canvas.shape(circle(cx, cy, 3.9), colour, (cx - 5, cy - 5, cx + 5, cy + 5))
    x, y = int(cx), int(cy)
    canvas.fill(WHITE, (x - 2, y, x + 3, y + 1))
    if sign == "plus":
        canvas.fill(WHITE, (x, y - 2, x + 1, y + 3))


def menu_row(sign):
    canvas = Canvas(16, 16)
    table(canvas, 0, 3, 14, 9, 3, 1, header=False)
    plus_minus_badge(canvas, 11.5, 11.5, sign)
    return canvas


def menu_column(sign):
    canvas = Canvas(16, 16)
    table(canvas, 3, 0, 9, 15, 1, 3, header=False)
    plus_minus_badge(canvas, 11.5, 11.5, sign)
    return canvas


def menu_folder():
    canvas = Canvas(16, 16)
    outline, body, front = (176, 128, 36), (236, 188, 72), (250, 212, 110)
    canvas.shape(box(0.5, 3.5, 7, 7, 1), outline, (0, 2, 8, 8))
    canvas.shape(box(0.5, 4.5, 14.5, 14.5, 1.2), outline, (0, 3, 16, 16))
    canvas.shape(box(1.5, 5.5, 13.5, 13.5, 0.6), body, (0, 3, 16, 16))
    canvas.shape(polygon([(3, 8), (15.5, 8), (13.5, 14.5), (0.5, 14.5)]), outline, (0, 7, 16, 16))
    canvas.shape(polygon([(3.7, 9), (14.2, 9), (12.8, 13.5), (1.8, 13.5)]), front, (0, 7, 16, 16))
    arrow = [(7, 11), (13, 4.5)]
    canvas.shape(strokes([arrow], 3.4), WHITE, (5, 2, 16, 13))
    canvas.shape(strokes([arrow], 1.8), ACCENT, (5, 2, 16, 13))
    canvas.shape(polygon([(15.6, 1.6), (15.2, 8), (9.4, 2.4)]), ACCENT, (8, 0, 16, 9))
    return canvas


# About dialog -------------------------------------------------------------------------

ABOUT_W, ABOUT_H = 477, 413
KS_BAND = (8, 316, 469, 405)
KS_ICON = (390, 310, 77, 90)
ORANGE, ORANGE_DARK = (226, 128, 52), (172, 82, 28)


def marker(canvas, cx, cy, digit, radius=8.5):
    canvas.shape(circle(cx, cy + 0.8, radius), (100, 20, 28, 60), (cx - 12, cy - 12, cx + 12, cy + 13))
    canvas.shape(circle(cx, cy, radius), lambda x, y: lerp(RED_LIGHT, RED, (y - cy + radius) / (2 * radius)),
                 (cx - 10, cy - 10, cx + 10, cy + 10))
    size = radius * 1.15
    glyphs, right = glyph_lines(digit, 0, 0, size)
    write_text(canvas, digit, cx - right / 2, cy + size / 2, size, 1.9, WHITE)


def shadow(canvas, x0, y0, x1, y1, depth=4):
    for i in range(depth, 0, -1):
        canvas.shape(box(x0 + i * 0.5, y0 + i, x1 + i * 0.5, y1 + i, 2 + i), (30, 50, 80, 14), (x0, y0, x1 + i, y1 + i))


def miniature(canvas, left, top, width, height):
    """A small picture of the main window, with the markers 1, 2 and 3 on it."""
    frame = 10
    shadow(canvas, left, top, left + width, top + height)
    canvas.fill(EDGE, (left, top, left + width, top + height))
    canvas.fill(lambda x, y: lerp(PAPER_OUTER, PAPER_INNER, 0.5), (left + 1, top + 1, left + width - 1, top + height - 1))
    canvas.fill(lambda x, y: red_shade((x - left) / frame), (left, top, left + frame, top + height - frame))
    check_mark(canvas, [(left + 2.6, top + 5.2), (left + 4.4, top + 7), (left + 7.6, top + 3)], 1.3, WHITE)
    canvas.fill(INK_SOFT, (left + 13, top + 4, left + 42, top + 6))
    for dx in (8, 15):
        canvas.shape(strokes([[(left + width - dx - 2, top + 3), (left + width - dx + 2, top + 7)],
                              [(left + width - dx + 2, top + 3), (left + width - dx - 2, top + 7)]]
                             if dx == 8 else [[(left + width - dx - 2, top + 6.5), (left + width - dx + 2, top + 6.5)]],
                             1), INK_SOFT, (left + width - 20, top, left + width, top + 10))
    gx0, gy0, gx1, gy1 = left + frame, top + frame, left + width - frame, top + height - frame
    canvas.fill(SHADE_NEAR, (gx0 - 1, gy0 - 1, gx1 + 1, gy1 + 1))
    canvas.fill((245, 245, 255), (gx0, gy0, gx1, gy1))
    row, cols = 13, [gx0, gx0 + 30, gx1 - 28, gx1]
    canvas.fill(TITLE_ROW, (gx0, gy0, gx1, gy0 + row))
    canvas.fill(INK, (gx0, gy0 + row, gx1, gy0 + row + 1))
    y = gy0 + row + 1
    lengths = [(12, 70, 14), (16, 52, 10), (8, 86, 16), (14, 40, 12)]
    for lengths_of_row in lengths:
        canvas.fill(WHITE, (gx0, y, gx1, y + row))
        for c in range(3):
            canvas.fill((192, 192, 192), (cols[c + 1] - 1, y, cols[c + 1], y + row))
            canvas.fill((150, 160, 178), (cols[c] + 4, y + 6, cols[c] + 4 + lengths_of_row[c], y + 8))
        canvas.fill((192, 192, 192), (gx0, y + row - 1, gx1, y + row))
        y += row
    for c in range(3):
        mid = (cols[c] + cols[c + 1]) // 2
        canvas.fill(INK, (mid - 8, gy0 + 5, mid + 8, gy0 + 7))
    cx = left + width // 2
    for dx, sign in ((-5, "plus"), (1, "minus")):
        button = small_button(sign, "normal")
        canvas.draw(button.crop(0, 0, 9, 9), cx + dx - 3, gy1 - 3)
    marker(canvas, left + frame / 2, top + height / 2 + 6, "1", 7)
    marker(canvas, (gx0 + gx1) / 2, (y + gy1) / 2, "2", 7)
    marker(canvas, cx + 20, gy1 + 1, "3", 7)


def about_background():
    canvas = Canvas(ABOUT_W, ABOUT_H, WHITE)
    canvas.fill(lambda x, y: lerp((252, 253, 255), (241, 245, 251), y / ABOUT_H))
    red_cap(canvas, 12, 10, 34)
    write_text(canvas, "Pendra", 56, 37, 19, 3, INK)
    canvas.fill(TITLE_ROW, (12, 51, 465, 52))
    for cy, digit in ((83, "1"), (142, "2"), (192, "3")):
        marker(canvas, 11, cy, digit)
    miniature(canvas, 236, 66, 224, 150)
    x0, y0, x1, y1 = KS_BAND
    canvas.shape(box(x0, y0, x1, y1, 8), (232, 206, 170), (x0, y0, x1, y1))
    canvas.shape(box(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 7), lambda x, y: lerp((255, 250, 242), (251, 240, 224),
                                                                            (y - y0) / (y1 - y0)), (x0, y0, x1, y1))
    return canvas


def kastrel_icon(background, state):
    """The sister product's round icon over its piece of the About background."""
    canvas = Canvas(77, 90)
    canvas.draw(background)
    top, bottom = {"normal": (ORANGE, ORANGE_DARK), "hover": ((246, 166, 96), (214, 116, 50)),
                   "pressed": ((186, 92, 32), (132, 58, 18))}[state]
    cx, cy, r = 38.5, 46, 31
    canvas.shape(circle(cx + 0.5, cy + 2, r + 1), (80, 40, 10, 50), (0, 0, 77, 90))
    canvas.shape(circle(cx, cy, r), WHITE, (0, 0, 77, 90))
    canvas.shape(circle(cx, cy, r - 3), lambda x, y: lerp(top, bottom, (y - cy + r) / (2 * r)), (0, 0, 77, 90))
    canvas.shape(ring(cx, cy, r - 7, 1.2), (255, 255, 255, 90), (0, 0, 77, 90))
    write_text(canvas, "K", cx - 11, cy + 15, 30, 6, WHITE)
    return canvas


# Program icon -------------------------------------------------------------------------

def app_icon(size):
    """A sheet with a red bar and a checked first line; simplified at small sizes."""
    s = size / 32
    canvas = Canvas(size, size)
    x0, y0, x1, y1 = 3 * s, 1.5 * s, 29 * s, 30.5 * s
    radius = max(1.0, 2.5 * s)
    canvas.shape(box(x0, y0 + s * 0.8, x1, y1 + s * 0.8, radius), (20, 40, 70, 60), (0, 0, size, size))
    canvas.shape(box(x0, y0, x1, y1, radius), EDGE, (0, 0, size, size))
    edge = max(1.0, s / 2)
    canvas.shape(box(x0 + edge, y0 + edge, x1 - edge, y1 - edge, radius - edge / 2), WHITE, (0, 0, size, size))
    bar = x0 + 8 * s
    canvas.shape(box(x0, y0, bar, y1, radius), lambda x, y: red_shade((x - x0) / (bar - x0)), (0, 0, size, size))
    canvas.fill(lambda x, y: red_shade((x - x0) / (bar - x0)), (int(bar - radius - 1), int(y0), int(bar), int(y1 + 0.5)))
    title = y0 + 7 * s
    canvas.fill(TITLE_ROW, (int(bar), int(y0 + edge), int(x1 - edge), int(title)))
    canvas.fill(INK, (int(bar), int(title), int(x1 - edge), int(title) + max(1, int(s * 0.8))))
    check_mark(canvas, [(x0 + 1.9 * s, y0 + 4.2 * s), (x0 + 3.6 * s, y0 + 5.9 * s), (x0 + 6.3 * s, y0 + 2.4 * s)],
               max(1.1, 1.3 * s), WHITE)
    lines = 3 if size < 32 else 4
    gap = (y1 - title - 2 * s) / lines
    for i in range(lines):
        y = int(title + gap * (i + 0.55))
        canvas.fill((150, 162, 184), (int(bar + 3 * s), y, int(x1 - (5 + 3 * (i % 2)) * s), y + max(1, int(1.4 * s))))
    return canvas


# Output -------------------------------------------------------------------------------

SCALINGS = ((100, 0.8), (150, 1.2), (200, 1.6))  # display scalings besides the design's 125 %


def window_pictures(folder):
    """The main window's pictures and the menu's, drawn at the current drawing scale."""
    jpeg = lambda name, canvas: write_jpeg(os.path.join(folder, name), canvas)
    png = lambda name, canvas: write_png(os.path.join(folder, name), canvas)

    jpeg("Top.jpg", top_band())
    jpeg("Down.jpg", bottom_band())
    jpeg("Right.jpg", right_band())
    jpeg("TopRight.jpg", top_right_corner())
    jpeg("DownRight.jpg", bottom_right_corner())
    jpeg("RedBar.jpg", red_bar())
    png("Logo.png", logo())
    for glyph, danger in (("exit", True), ("minimize", False)):
        for state in ("normal", "hover", "pressed"):
            png("%s-%s.png" % (glyph.capitalize(), state), window_button(glyph, state, danger))
    for sign in ("plus", "minus"):
        for state in ("normal", "hover", "pressed"):
            png("%s-%s.png" % (sign.capitalize(), state), small_button(sign, state))

    png("MenuBoldB.png", menu_letter("B"))
    png("MenuBoldF.png", menu_letter("F"))
    png("MenuGrid.png", menu_grid(False))
    png("MenuGridChecked.png", menu_grid(True))
    png("MenuRowPlus.png", menu_row("plus"))
    png("MenuRowMinus.png", menu_row("minus"))
    png("MenuColumnPlus.png", menu_column("plus"))
    png("MenuColumnMinus.png", menu_column("minus"))
    png("MenuOpenFolder.png", menu_folder())


def write_scaled_resources(path):
    """The resource script of the other scalings' pictures: each picture of Pendra.rc that has
    a drawing at a scaling becomes NAME_<percent>."""
    lines = ["// Generated by generate_assets.py: the built-in pictures at 100, 150 and 200 % display scaling."]
    with open(os.path.join(HERE, "Pendra.rc"), encoding="utf-8") as script:
        for line in script:
            match = re.match(r'(IMG_\w+) RCDATA "pictures/([^"/]+)"', line)
            if not match:
                continue
            for percent, _ in SCALINGS:
                if os.path.exists(os.path.join(OUT, str(percent), match.group(2))):
                    lines.append('%s_%d RCDATA "pictures/%d/%s"' % (match.group(1), percent, percent, match.group(2)))
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def main():
    os.makedirs(OUT, exist_ok=True)
    jpeg = lambda name, canvas: write_jpeg(os.path.join(OUT, name), canvas)

    window_pictures(OUT)
    for percent, factor in SCALINGS:
        folder = os.path.join(OUT, str(percent))
        os.makedirs(folder, exist_ok=True)
        with drawing_scale(factor):
            window_pictures(folder)

    background = about_background()
    jpeg("AboutBackground.jpg", background)
    left, top, width, height = KS_ICON
    for state in ("normal", "hover", "pressed"):
        jpeg("AboutIcon-%s.jpg" % state, kastrel_icon(background.crop(left, top, width, height), state))

    write_ico(os.path.join(HERE, "Pendra.ico"), [app_icon(s) for s in (16, 32, 48, 256)])
    write_skins(os.path.join(HERE, "skins"))
    write_scaled_resources(os.path.join(HERE, "ScaledPictures.rc"))


if __name__ == "__main__":
    main()
