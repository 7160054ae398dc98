"""A small vector rasteriser with nothing but the standard library.

Shapes are signed distance functions (negative inside, in pixels of the
unit they are drawn in); painting a shape covers each pixel by how far its
centre lies inside the edge, which gives smooth edges without supersampling.
Canvases hold premultiplied RGBA floats and write BMP, ICO and PNG files.
"""

import math
import struct
import zlib


# --------------------------------------------------------------- shapes

class Shape:
    def __init__(self, sdf, box):
        self.sdf = sdf      # (x, y) -> signed distance
        self.box = box      # (x0, y0, x1, y1) bounding box

    def __or__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _union_box(self.box, other.box))

    def __and__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), b(x, y)), _meet_box(self.box, other.box))

    def __sub__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def grow(self, d):
        """The shape with its edge moved outwards by d (inwards when negative)."""
        a = self.sdf
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: a(x, y) - d, (x0 - d, y0 - d, x1 + d, y1 + d))

    def outline(self, width):
        """A band of the given width centred on the edge."""
        a, h = self.sdf, width / 2.0
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(a(x, y)) - h, (x0 - h, y0 - h, x1 + h, y1 + h))

    def rotated(self, degrees, cx, cy):
        """Turned clockwise (y grows down) about (cx, cy)."""
        a = self.sdf
        co, si = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
        x0, y0, x1, y1 = self.box
        r = math.hypot(max(abs(x0 - cx), abs(x1 - cx)), max(abs(y0 - cy), abs(y1 - cy)))

        def sdf(x, y):
            dx, dy = x - cx, y - cy
            return a(cx + dx * co + dy * si, cy - dx * si + dy * co)
        return Shape(sdf, (cx - r, cy - r, cx + r, cy + r))

    def moved(self, dx, dy):
        a = self.sdf
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: a(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


def _union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _meet_box(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def union(shapes):
    shapes = list(shapes)
    fns = [s.sdf for s in shapes]
    box = shapes[0].box
    for s in shapes[1:]:
        box = _union_box(box, s.box)
    return Shape(lambda x, y: min(f(x, y) for f in fns), box)


def rect(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - radius, (y1 - y0) / 2.0 - radius

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return Shape(sdf, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    m = min(rx, ry)
    return Shape(lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * m,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def ring(cx, cy, r, width):
    return circle(cx, cy, r).outline(width)


def segment(x0, y0, x1, y1, width):
    """A line with round ends."""
    h = width / 2.0
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy or 1e-9

    def sdf(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / ll))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) - h
    return Shape(sdf, (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h))


def polyline(points, width):
    return union(segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1))


def polygon(points):
    pts = list(points)
    n = len(pts)

    def sdf(x, y):
        d = float('inf')
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            ll = ex * ex + ey * ey or 1e-9
            t = max(0.0, min(1.0, ((x - ax) * ex + (y - ay) * ey) / ll))
            d = min(d, math.hypot(x - ax - t * ex, y - ay - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (by - ay):
                inside = not inside
        return -d if inside else d
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(sdf, (min(xs), min(ys), max(xs), max(ys)))


def sector(cx, cy, r, start_deg, end_deg):
    """A pie slice, angles counted clockwise from the right (y grows down)."""
    steps = max(2, int(abs(end_deg - start_deg) / 10))
    pts = [(cx, cy)]
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


def arc(cx, cy, r, start_deg, end_deg, width):
    steps = max(2, int(abs(end_deg - start_deg) / 8))
    pts = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polyline(pts, width)


def star(cx, cy, r_out, r_in, points=5, turn=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180.0 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


# ---------------------------------------------------------------- colours

def hexc(text, alpha=1.0):
    text = text.lstrip('#')
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16), alpha)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


def vgradient(y0, y1, top, bottom):
    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / ((y1 - y0) or 1)))
        return mix(top, bottom, t)
    return paint


def radial(cx, cy, r, inner, outer):
    def paint(x, y):
        t = max(0.0, min(1.0, math.hypot(x - cx, y - cy) / r))
        return mix(inner, outer, t)
    return paint


# ------------------------------------------------------------------- font

# 5 x 7 glyphs, rows top to bottom, '#' for ink; glyphs side by side.
_FONT_SHEET = """
 0     1     2     3     4     5     6     7     8     9
.###. ..#.. .###. ####. ...#. ##### ..##. ##### .###. .###.
#...# .##.. #...# ....# ..##. #.... .#... ....# #...# #...#
#..## ..#.. ....# ....# .#.#. ####. #.... ...#. #...# #...#
#.#.# ..#.. ..##. .###. #..#. ....# ####. ..#.. .###. .####
##..# ..#.. .#... ....# ##### ....# #...# .#... #...# ....#
#...# ..#.. #.... ....# ...#. #...# #...# .#... #...# ...#.
.###. .###. ##### ####. ...#. .###. .###. .#... .###. .##..
 A     B     C     D     E     F     G     H     I     J
.###. ####. .###. ###.. ##### ##### .###. #...# .###. ..###
#...# #...# #...# #..#. #.... #.... #...# #...# ..#.. ...#.
#...# #...# #.... #...# #.... #.... #.... #...# ..#.. ...#.
##### ####. #.... #...# ####. ####. #.### ##### ..#.. ...#.
#...# #...# #.... #...# #.... #.... #...# #...# ..#.. ...#.
#...# #...# #...# #..#. #.... #.... #...# #...# ..#.. #..#.
#...# ####. .###. ###.. ##### #.... .###. #...# .###. .##..
 K     L     M     N     O     P     Q     R     S     T
#...# #.... #...# #...# .###. ####. .###. ####. .###. #####
#..#. #.... ##.## ##..# #...# #...# #...# #...# #...# ..#..
#.#.. #.... #.#.# #.#.# #...# #...# #...# #...# #.... ..#..
##... #.... #.#.# #..## #...# ####. #...# ####. .###. ..#..
#.#.. #.... #...# #...# #...# #.... #.#.# #.#.. ....# ..#..
#..#. #.... #...# #...# #...# #.... #..#. #..#. #...# ..#..
#...# ##### #...# #...# .###. #.... .##.# #...# .###. ..#..
 U     V     W     X     Y     Z     a     c     e     l
#...# #...# #...# #...# #...# ##### ..... ..... ..... .##..
#...# #...# #...# #...# #...# ....# ..... ..... ..... ..#..
#...# #...# #...# .#.#. .#.#. ...#. .###. .###. .###. ..#..
#...# #...# #.#.# ..#.. ..#.. ..#.. ....# #.... #...# ..#..
#...# #...# #.#.# .#.#. ..#.. .#... .#### #.... ##### ..#..
#...# .#.#. ##.## #...# ..#.. #.... #...# #.... #.... ..#..
.###. ..#.. #...# #...# ..#.. ##### .#### .###. .###. .###.
 m     n     o     p     r     s     i     t     :     .
..... ..... ..... ..... ..... ..... ..#.. .#... ..... .....
..... ..... ..... ..... ..... ..... ..... .#... ..... .....
##.#. ####. .###. ####. #.##. .###. .##.. ####. ..#.. .....
#.#.# #...# #...# #...# ##..# #.... ..#.. .#... ..... .....
#.#.# #...# #...# ####. #.... .###. ..#.. .#... ..... .....
#.#.# #...# #...# #.... #.... ....# ..#.. .#..# ..#.. .##..
#...# #...# .###. #.... #.... ####. .###. ..##. ..... .##..
 -     ?     !     /     +     h     d     u     y     v
..... .###. ..#.. ....# ..... #.... ....# ..... ..... .....
..... #...# ..#.. ...#. ..#.. #.... ....# ..... ..... .....
..... ....# ..#.. ...#. ..#.. ####. .#### #...# #...# #...#
.###. ..##. ..#.. ..#.. ##### #...# #...# #...# #...# #...#
..... ..#.. ..#.. .#... ..#.. #...# #...# #...# .#### #...#
..... ..... ..... .#... ..#.. #...# #...# #..## ....# .#.#.
..... ..#.. ..#.. #.... ..... #...# .#### .##.# .###. ..#..
 g     z     b     f     k     w
..... ..... #.... ..##. #.... .....
..... ..... #.... .#... #.... .....
.#### ##### ####. ####. #..#. #...#
#...# ...#. #...# .#... ###.. #...#
.#### ..#.. #...# .#... #..#. #.#.#
....# .#... #...# .#... #...# #.#.#
.###. ##### ####. .#... #...# .#.#.
"""


def _read_font(sheet):
    font = {' ': '.' * 35}
    lines = [line for line in sheet.split('\n') if line.strip()]
    for band in range(0, len(lines), 8):
        names = lines[band].split()
        rows = [lines[band + 1 + r].split() for r in range(7)]
        for i, name in enumerate(names):
            font[name] = ''.join(rows[r][i] for r in range(7))
    return font


FONT = _read_font(_FONT_SHEET)


def text_width(text, scale=1, spacing=1):
    return max(0, len(text) * (5 + spacing) - spacing) * scale


def text_shape(text, x, y, scale=1, spacing=1, dot=1.0, wide=None):
    """The ink of text in the 5x7 font; each font pixel is a box of `wide`
    (default: scale) by scale (dot < 1 rounds the boxes into dots)."""
    sx = scale if wide is None else wide
    boxes = []
    for i, ch in enumerate(text):
        glyph = FONT.get(ch, FONT['?'])
        ox = x + i * (5 + spacing) * sx
        for row in range(7):
            for col in range(5):
                if glyph[row * 5 + col] == '#':
                    px, py = ox + col * sx, y + row * scale
                    r = min(sx, scale) * (1 - dot) / 2
                    boxes.append(rect(px, py, px + sx, py + scale, r))
    if not boxes:
        return rect(x, y, x, y)
    return union(boxes)


# ----------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        self.ox, self.oy, self.scale = 0.0, 0.0, 1.0
        self._stack = []
        if background is not None:
            self.fill(rect(-1, -1, width + 1, height + 1), background)

    # Drawing in a local frame: (x, y) of the frame is at (ox + x*s, oy + y*s).
    def push(self, x, y, s=1.0):
        self._stack.append((self.ox, self.oy, self.scale))
        self.ox, self.oy, self.scale = self.ox + x * self.scale, self.oy + y * self.scale, self.scale * s

    def pop(self):
        self.ox, self.oy, self.scale = self._stack.pop()

    def fill(self, shape, colour):
        s, ox, oy = self.scale, self.ox, self.oy
        x0, y0, x1, y1 = shape.box
        ix0 = max(0, int(math.floor(ox + x0 * s)) - 1)
        iy0 = max(0, int(math.floor(oy + y0 * s)) - 1)
        ix1 = min(self.width, int(math.ceil(ox + x1 * s)) + 1)
        iy1 = min(self.height, int(math.ceil(oy + y1 * s)) + 1)
        sdf = shape.sdf
        paint = colour if callable(colour) else None
        for iy in range(iy0, iy1):
            ly = (iy + 0.5 - oy) / s
            row = iy * self.width
            for ix in range(ix0, ix1):
                lx = (ix + 0.5 - ox) / s
                cover = 0.5 - sdf(lx, ly) * s
                if cover <= 0.0:
                    continue
                if cover > 1.0:
                    cover = 1.0
                r, g, b, a = paint(lx, ly) if paint else colour
                a *= cover
                p = self.px[row + ix]
                keep = 1.0 - a
                p[0] = r * a + p[0] * keep
                p[1] = g * a + p[1] * keep
                p[2] = b * a + p[2] * keep
                p[3] = a + p[3] * keep

    def pixel(self, x, y):
        """Straight (not premultiplied) RGBA bytes."""
        r, g, b, a = self.px[y * self.width + x]
        if a <= 0.0:
            return (0, 0, 0, 0)
        return tuple(max(0, min(255, int(round(v)))) for v in (r / a, g / a, b / a, a * 255))

    def rgb(self, x, y, matte=(255, 255, 255)):
        r, g, b, a = self.px[y * self.width + x]
        return tuple(max(0, min(255, int(round(c + m * (1 - a))))) for c, m in zip((r, g, b), matte))

    def paste(self, other, x, y, zoom=1):
        for sy in range(other.height * zoom):
            ty = y + sy
            if not 0 <= ty < self.height:
                continue
            for sx in range(other.width * zoom):
                tx = x + sx
                if 0 <= tx < self.width:
                    src = other.px[(sy // zoom) * other.width + sx // zoom]
                    p = self.px[ty * self.width + tx]
                    keep = 1.0 - src[3]
                    for i in range(4):
                        p[i] = src[i] + p[i] * keep


# ---------------------------------------------------------------- writers

def _median_cut(colours, limit):
    """colours: {rgb: count}. Answers up to `limit` palette entries."""
    boxes = [list(colours.items())]
    while len(boxes) < limit:
        best, best_range, channel = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for c in range(3):
                values = [k[c] for k, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, channel = i, spread, c
        if best is None or best_range == 0:
            break
        box = sorted(boxes.pop(best), key=lambda kv: kv[0][channel])
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for j, (_, n) in enumerate(box):
            acc += n
            if acc * 2 >= total:
                cut = max(1, min(len(box) - 1, j + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(k[c] * n for k, n in box) / total)) for c in range(3)))
    return palette


def bmp_bytes(canvas, bits):
    """A BMP file (bottom-up) of 8 bits per pixel with its own palette, or of 24."""
    w, h = canvas.width, canvas.height
    pixels = [[canvas.rgb(x, y) for x in range(w)] for y in range(h)]
    if bits == 8:
        counts = {}
        for row in pixels:
            for p in row:
                counts[p] = counts.get(p, 0) + 1
        palette = sorted(counts) if len(counts) <= 256 else _median_cut(counts, 256)
        index, cache = {p: i for i, p in enumerate(palette)}, {}

        def nearest(p):
            if p in index:
                return index[p]
            if p not in cache:
                cache[p] = min(range(len(palette)),
                               key=lambda i: sum((palette[i][c] - p[c]) ** 2 for c in range(3)))
            return cache[p]
        stride = (w + 3) & ~3
        body = b''.join(bytes(nearest(p) for p in row) + b'\0' * (stride - w)
                        for row in reversed(pixels))
        table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
        table += b'\0' * (4 * 256 - len(table))
        colours = 256
    else:
        stride = (w * 3 + 3) & ~3
        body = b''.join(b''.join(bytes((b, g, r)) for r, g, b in row) + b'\0' * (stride - w * 3)
                        for row in reversed(pixels))
        table, colours = b'', 0
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, 0, len(body), 2835, 2835, colours, 0)
    offset = 14 + len(info) + len(table)
    head = struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset)
    return head + info + table + body


def ico_bytes(canvases):
    """An icon file holding one 32-bit image per canvas."""
    images = []
    for c in canvases:
        w, h = c.width, c.height
        xor = b''.join(b''.join(bytes((p[2], p[1], p[0], p[3]))
                                for p in (c.pixel(x, y) for x in range(w)))
                       for y in reversed(range(h)))
        mask_stride = ((w + 31) // 32) * 4
        mask = b''
        for y in reversed(range(h)):
            row = bytearray(mask_stride)
            for x in range(w):
                if c.pixel(x, y)[3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(row)
        info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((w, h, info + xor + mask))
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b'', b''
    for w, h, blob in images:
        entries += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        data += blob
    return head + entries + data


def png_bytes(canvas, matte=(255, 255, 255)):
    w, h = canvas.width, canvas.height
    raw = b''.join(b'\0' + b''.join(bytes(canvas.rgb(x, y, matte)) for x in range(w))
                   for y in range(h))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
