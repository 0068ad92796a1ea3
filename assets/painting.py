"""A small anti-aliased painter for the built-in pictures (standard library only).

A Canvas holds premultiplied RGBA floats. Shapes are given as signed distance functions
(negative inside, in pixels) and painted with coverage clamp(0.5 - distance), which gives
clean edges at any size. Colours are (r, g, b) or (r, g, b, a) tuples of 0..255, or
functions of the pixel centre (x, y) returning such a tuple.

Pictures are drawn in the coordinates of the design (125 % display scaling). Inside
`drawing_scale(factor)` every new canvas has that many pixels per design pixel, so the same
drawing gives a sharp picture for another scaling; its width and height are its pixels.
"""
import contextlib
import math

_scale = 1.0


@contextlib.contextmanager
def drawing_scale(factor):
    global _scale
    previous, _scale = _scale, factor
    try:
        yield
    finally:
        _scale = previous


def scaled(length, factor):
    """Pixels of a design length at the factor, rounded to the nearest, halves up."""
    return int(math.floor(length * factor + 0.5))


def lerp(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgba(colour):
    return tuple(colour) if len(colour) == 4 else tuple(colour) + (255,)


class Canvas:
    def __init__(self, width, height, fill=None):
        self.scale = _scale
        self.width, self.height = scaled(width, self.scale), scaled(height, self.scale)
        self.px = [0.0] * (4 * self.width * self.height)
        if fill is not None:
            self.fill(fill)

    def blend(self, x, y, colour, coverage=1.0):
        """Paints the pixels of the design pixel (x, y) with the colour over what is there."""
        for py in range(scaled(y, self.scale), max(scaled(y + 1, self.scale), scaled(y, self.scale) + 1)):
            for px in range(scaled(x, self.scale), max(scaled(x + 1, self.scale), scaled(x, self.scale) + 1)):
                self._blend(px, py, colour, coverage)

    def _blend(self, x, y, colour, coverage=1.0):
        """Paints one pixel with the colour over what is there."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        r, g, b, a = rgba(colour)
        alpha = a / 255.0 * min(1.0, coverage)
        i = 4 * (y * self.width + x)
        keep = 1.0 - alpha
        p = self.px
        p[i] = r / 255.0 * alpha + p[i] * keep
        p[i + 1] = g / 255.0 * alpha + p[i + 1] * keep
        p[i + 2] = b / 255.0 * alpha + p[i + 2] * keep
        p[i + 3] = alpha + p[i + 3] * keep

    def fill(self, colour, box=None):
        """Paints a design rectangle of whole pixels (all by default); colour may be a function
        of the design point."""
        s = self.scale
        x0, y0, x1, y1 = box or (0, 0, self.width / s, self.height / s)
        for y in range(max(0, scaled(y0, s)), min(self.height, scaled(y1, s))):
            for x in range(max(0, scaled(x0, s)), min(self.width, scaled(x1, s))):
                self._blend(x, y, colour((x + 0.5) / s, (y + 0.5) / s) if callable(colour) else colour)

    def shape(self, distance, colour, box):
        """Paints the shape whose signed distance function is given, inside box (x0, y0, x1, y1);
        both in design coordinates."""
        s = self.scale
        x0, y0, x1, y1 = (int(math.floor(box[0] * s)) - 1, int(math.floor(box[1] * s)) - 1,
                          int(math.ceil(box[2] * s)) + 1, int(math.ceil(box[3] * s)) + 1)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                cx, cy = (x + 0.5) / s, (y + 0.5) / s
                coverage = 0.5 - distance(cx, cy) * s
                if coverage > 0:
                    self._blend(x, y, colour(cx, cy) if callable(colour) else colour, coverage)

    def draw(self, other, left=0, top=0):
        """Composites another canvas of the same scale over this one, at a design point."""
        dx, dy = scaled(left, self.scale), scaled(top, self.scale)
        for y in range(other.height):
            for x in range(other.width):
                r, g, b, a = other.get(x, y)
                if a:
                    self._blend(dx + x, dy + y, (r, g, b, a))

    def crop(self, left, top, width, height):
        """The part of the design rectangle, as a canvas of the same scale."""
        with drawing_scale(self.scale):
            part = Canvas(width, height)
        dx, dy = scaled(left, self.scale), scaled(top, self.scale)
        for y in range(part.height):
            for x in range(part.width):
                i, j = 4 * (y * part.width + x), 4 * ((dy + y) * self.width + dx + x)
                part.px[i:i + 4] = self.px[j:j + 4]
        return part

    def get(self, x, y):
        """The pixel as straight (not premultiplied) 0..255 integers."""
        i = 4 * (y * self.width + x)
        r, g, b, a = self.px[i:i + 4]
        if a <= 0:
            return (0, 0, 0, 0)
        return tuple(min(255, int(round(v / a * 255))) for v in (r, g, b)) + (min(255, int(round(a * 255))),)

    def is_opaque(self):
        return all(self.px[i] >= 0.999 for i in range(3, len(self.px), 4))


# Signed distance functions -------------------------------------------------------------

def box(x0, y0, x1, y1, radius=0.0):
    """A rectangle with optionally rounded corners."""
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def distance(x, y):
        dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0) - radius
    return distance


def circle(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def ring(cx, cy, radius, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - radius) - width / 2


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def strokes(polylines, width):
    """Lines of the given width with round ends through each polyline's points."""
    segments = [(a[0], a[1], b[0], b[1]) for line in polylines for a, b in zip(line, line[1:])]
    segments += [(p[0], p[1], p[0], p[1]) for line in polylines if len(line) == 1 for p in line]

    def distance(x, y):
        return min(segment_distance(x, y, *s) for s in segments) - width / 2
    return distance


def polygon(points):
    """A filled polygon (even-odd rule)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        d = min(segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    return distance


def union(*distances):
    return lambda x, y: min(d(x, y) for d in distances)


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def bounds(points, margin):
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (min(xs) - margin, min(ys) - margin, max(xs) + margin, max(ys) + margin)


def arc(cx, cy, radius, start, end, steps=None):
    """Points along an arc; angles in degrees, counter-clockwise on screen (y grows down)."""
    steps = steps or max(6, int(abs(end - start) / 8))
    return [(cx + radius * math.cos(math.radians(start + (end - start) * i / steps)),
             cy - radius * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]
