"""Writes canvases as PNG (zlib), JPEG (through cjpeg from libjpeg-turbo-progs) and ICO."""
import os
import struct
import subprocess
import tempfile
import zlib


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def _filtered(rows, stride):
    """Each row with the filter that leaves the smallest sum of bytes (the usual heuristic)."""
    out, prior = bytearray(), bytes(len(rows[0]))
    for row in rows:
        best = None
        for kind in range(5):
            line = bytearray(len(row))
            for i, v in enumerate(row):
                left = row[i - stride] if i >= stride else 0
                up = prior[i]
                corner = prior[i - stride] if i >= stride else 0
                line[i] = (v - [0, left, up, (left + up) // 2, _paeth(left, up, corner)][kind]) & 0xFF
            cost = sum(b if b < 128 else 256 - b for b in line)
            if best is None or cost < best[0]:
                best = (cost, kind, line)
        out += bytes([best[1]]) + best[2]
        prior = row
    return bytes(out)


def png_bytes(canvas):
    opaque = canvas.is_opaque()
    channels = 3 if opaque else 4
    rows = [bytes(v for x in range(canvas.width) for v in canvas.get(x, y)[:channels]) for y in range(canvas.height)]
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2 if opaque else 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) +
            _chunk(b"IDAT", zlib.compress(_filtered(rows, channels), 9)) + _chunk(b"IEND", b""))


def write_png(path, canvas):
    with open(path, "wb") as f:
        f.write(png_bytes(canvas))


def write_jpeg(path, canvas, quality=95):
    """Full-resolution colour (no chroma subsampling): the pictures have fine coloured edges."""
    assert canvas.is_opaque(), path + " must be opaque to become a JPEG"
    body = bytes(v for y in range(canvas.height) for x in range(canvas.width) for v in canvas.get(x, y)[:3])
    with tempfile.NamedTemporaryFile(suffix=".ppm", delete=False) as ppm:
        ppm.write(b"P6\n%d %d\n255\n" % (canvas.width, canvas.height) + body)
    try:
        subprocess.run(["cjpeg", "-quality", str(quality), "-sample", "1x1", "-optimize", "-outfile", path, ppm.name],
                       check=True)
    finally:
        os.remove(ppm.name)


def _bmp_entry(canvas):
    """A 32-bit icon image: BITMAPINFOHEADER (double height), BGRA rows bottom-up, AND mask."""
    w, h = canvas.width, canvas.height
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            pixels += bytes((b, g, r, a))
    mask_stride = (w + 31) // 32 * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(mask_stride)
        for x in range(w):
            if canvas.get(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def write_ico(path, canvases):
    """Icon file: 256-pixel images stored as PNG, smaller ones as 32-bit bitmaps."""
    images = [png_bytes(c) if c.width >= 256 else _bmp_entry(c) for c in canvases]
    offset = 6 + 16 * len(canvases)
    directory = struct.pack("<HHH", 0, 1, len(canvases))
    for canvas, image in zip(canvases, images):
        size = canvas.width if canvas.width < 256 else 0
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(images))
