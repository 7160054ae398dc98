"""Symbols the pictures share, each drawn into a square box given by its
top-left corner and side (in the unit square 0..1 of that box)."""

import math

from raster import (arc, circle, ellipse, hexc, mix, polygon, polyline, radial, rect, ring,
                    sector, segment, star, union, vgradient)

INK = hexc('1f2430')
WHITE = hexc('ffffff')
GREEN = hexc('2fa84f')
RED = hexc('d83a34')
BLUE = hexc('2f6fd0')
GOLD = hexc('f2b632')
ORANGE = hexc('f08a24')
BROWN = hexc('8a5a32')
GREY = hexc('8c93a0')
PAPER = hexc('fbf8ee')
NAVY = hexc('1c2f66')


def darker(colour, t=0.45):
    return mix(colour, hexc('000000'), t)


def lighter(colour, t=0.45):
    return mix(colour, hexc('ffffff'), t)


class box:
    """Draws in the unit square of a box of the canvas."""

    def __init__(self, c, x, y, s):
        self.c, self.x, self.y, self.s = c, x, y, s

    def __enter__(self):
        self.c.push(self.x, self.y, self.s)
        return self

    def __exit__(self, *exc):
        self.c.pop()

    @property
    def px(self):
        """One pixel in unit terms."""
        return 1.0 / (self.c.scale)


def inked(c, shape, colour, line=INK, width=None):
    """The shape with a dark rim of at least one pixel."""
    w = width if width is not None else max(1.0 / c.scale, 0.045)
    c.fill(shape.grow(w), line)
    c.fill(shape, colour)


def check(c, x, y, s, colour=GREEN):
    with box(c, x, y, s) as b:
        stroke = [(0.16, 0.52), (0.40, 0.76), (0.86, 0.24)]
        c.fill(polyline(stroke, 0.2 + 2 * b.px), darker(colour))
        c.fill(polyline(stroke, 0.2), colour)


def cross(c, x, y, s, colour=RED):
    with box(c, x, y, s) as b:
        shape = segment(0.22, 0.22, 0.78, 0.78, 0.19) | segment(0.78, 0.22, 0.22, 0.78, 0.19)
        c.fill(shape.grow(b.px), darker(colour))
        c.fill(shape, colour)


def plus(c, x, y, s, colour=GREEN):
    with box(c, x, y, s) as b:
        shape = segment(0.5, 0.18, 0.5, 0.82, 0.2) | segment(0.18, 0.5, 0.82, 0.5, 0.2)
        c.fill(shape.grow(b.px), darker(colour))
        c.fill(shape, colour)


def question(c, x, y, s, colour=BLUE):
    with box(c, x, y, s) as b:
        hook = arc(0.5, 0.33, 0.2, 190, 400, 0.15) | segment(0.56, 0.52, 0.5, 0.6, 0.15)
        stem = segment(0.5, 0.58, 0.5, 0.64, 0.15)
        dot = circle(0.5, 0.84, 0.09)
        shape = hook | stem | dot
        c.fill(shape.grow(b.px), darker(colour))
        c.fill(shape, colour)


def badge_plus(c, x, y, s):
    """A small green disc with a plus, for 'add' pictures."""
    with box(c, x, y, s) as b:
        c.fill(circle(0.5, 0.5, 0.5), WHITE)
        c.fill(circle(0.5, 0.5, 0.5 - b.px), GREEN)
        c.fill(segment(0.5, 0.24, 0.5, 0.76, 0.16) | segment(0.24, 0.5, 0.76, 0.5, 0.16), WHITE)


def no_sign(c, x, y, s):
    """The red circle with a bar: 'switched off'."""
    with box(c, x, y, s) as b:
        shape = ring(0.5, 0.5, 0.42, 0.12) | segment(0.22, 0.22, 0.78, 0.78, 0.12).rotated(0, 0.5, 0.5)
        c.fill(shape.grow(b.px * 0.8), WHITE)
        c.fill(shape, hexc('e0201c', 0.95))


def speaker(c, x, y, s, colour=hexc('4a5466')):
    with box(c, x, y, s):
        body = rect(0.1, 0.37, 0.3, 0.63, 0.03) | polygon([(0.26, 0.37), (0.54, 0.14), (0.54, 0.86), (0.26, 0.63)])
        inked(c, body, colour)


def waves(c, x, y, s, colour=hexc('4a5466')):
    with box(c, x, y, s):
        c.fill(arc(0.5, 0.5, 0.17, -45, 45, 0.07) | arc(0.5, 0.5, 0.3, -50, 50, 0.07), colour)


def bell(c, x, y, s, colour=GOLD, tilt=0):
    with box(c, x, y, s):
        shape = (circle(0.5, 0.4, 0.25) | polygon([(0.25, 0.42), (0.75, 0.42), (0.86, 0.72), (0.14, 0.72)])
                 | rect(0.08, 0.68, 0.92, 0.79, 0.05) | circle(0.5, 0.13, 0.06))
        clapper = circle(0.5, 0.86, 0.08)
        shape = shape.rotated(tilt, 0.5, 0.12)
        clapper = clapper.rotated(tilt * 0.4, 0.5, 0.12)
        inked(c, clapper, darker(colour, 0.2))
        c.fill(shape.grow(max(1.0 / c.scale, 0.04)), darker(colour, 0.6))
        c.fill(shape, radial(0.38, 0.32, 0.75, lighter(colour, 0.6), darker(colour, 0.15)))
        c.fill(rect(0.2, 0.66, 0.8, 0.7).rotated(tilt, 0.5, 0.12), lighter(colour, 0.3))


def clock(c, x, y, s, face=WHITE, rim=BLUE, hour=10, minute=10, bells=False):
    with box(c, x, y, s) as b:
        cx, cy, r = 0.5, 0.54 if bells else 0.5, 0.36 if bells else 0.44
        if bells:
            for side in (-1, 1):
                cap = sector(cx + side * 0.27, cy - 0.3, 0.17, 180 if side < 0 else 180, 360)
                inked(c, cap.rotated(side * 35, cx + side * 0.27, cy - 0.3), GOLD)
            c.fill(segment(cx - 0.25, cy + 0.3, cx - 0.33, cy + 0.42, 0.08) |
                   segment(cx + 0.25, cy + 0.3, cx + 0.33, cy + 0.42, 0.08), INK)
        c.fill(circle(cx, cy, r + max(b.px, 0.03)), INK)
        c.fill(circle(cx, cy, r), rim)
        c.fill(circle(cx, cy, r * 0.8), face)
        if s >= 24:
            for i in range(12):
                a = math.radians(i * 30)
                d1, d2 = r * 0.66, r * (0.76 if i % 3 else 0.8)
                c.fill(segment(cx + d1 * math.cos(a), cy + d1 * math.sin(a),
                               cx + d2 * math.cos(a), cy + d2 * math.sin(a), 0.035 if i % 3 else 0.05), INK)
        ha = math.radians((hour % 12 + minute / 60.0) * 30 - 90)
        ma = math.radians(minute * 6 - 90)
        c.fill(segment(cx, cy, cx + r * 0.42 * math.cos(ha), cy + r * 0.42 * math.sin(ha), 0.085), INK)
        c.fill(segment(cx, cy, cx + r * 0.62 * math.cos(ma), cy + r * 0.62 * math.sin(ma), 0.06), INK)
        c.fill(circle(cx, cy, 0.05), RED)


def person(c, x, y, s, colour=hexc('3b7dd8')):
    with box(c, x, y, s):
        body = ellipse(0.5, 0.98, 0.38, 0.36) & rect(0, 0, 1, 0.92)
        head = circle(0.5, 0.34, 0.19)
        inked(c, body, colour)
        inked(c, head, hexc('f4c7a1'))
        c.fill(sector(0.5, 0.33, 0.2, 180, 360) & rect(0, 0, 1, 0.3), hexc('6b4226'))


def building(c, x, y, s, colour=hexc('7d8fa8')):
    with box(c, x, y, s) as b:
        tower = rect(0.22, 0.1, 0.62, 0.92)
        wing = rect(0.58, 0.4, 0.86, 0.92)
        inked(c, wing, darker(colour, 0.15))
        inked(c, tower, colour)
        rows = 5 if s >= 24 else 3
        for i in range(rows):
            yy = 0.18 + i * (0.62 / rows)
            for xx in (0.29, 0.45):
                c.fill(rect(xx, yy, xx + 0.1, yy + 0.62 / rows * 0.55), hexc('ffe27a'))
        for i in range(3 if s >= 24 else 2):
            yy = 0.5 + i * 0.13
            c.fill(rect(0.66, yy, 0.78, yy + 0.07), hexc('ffe27a'))
        c.fill(rect(0.36, 0.8, 0.48, 0.92), darker(colour, 0.5))


def book(c, x, y, s, colour=hexc('b8322c')):
    with box(c, x, y, s) as b:
        c.fill(rect(0.2, 0.1, 0.86, 0.92, 0.04).grow(b.px), INK)
        c.fill(rect(0.24, 0.12, 0.86, 0.9, 0.03), PAPER)
        cover = rect(0.14, 0.06, 0.8, 0.88, 0.05)
        inked(c, cover, colour)
        c.fill(rect(0.14, 0.06, 0.24, 0.88), darker(colour, 0.3))
        for i, tab in enumerate((hexc('f2b632'), hexc('2fa84f'), hexc('2f6fd0'))):
            c.fill(rect(0.8, 0.16 + i * 0.2, 0.9, 0.3 + i * 0.2, 0.02), tab)
        person(c, 0.3, 0.26, 0.42, hexc('fbf8ee'))


def calendar(c, x, y, s, header=RED, mark=None, full=False):
    with box(c, x, y, s) as b:
        page = rect(0.1, 0.14, 0.9, 0.92, 0.06)
        inked(c, page, WHITE)
        c.fill(rect(0.1, 0.14, 0.9, 0.34, 0.06) | rect(0.1, 0.24, 0.9, 0.34), header)
        for xx in (0.3, 0.7):
            c.fill(rect(xx - 0.04, 0.06, xx + 0.04, 0.24, 0.03), INK)
        for row in range(3):
            for col in range(4):
                cx, cy = 0.2 + col * 0.18, 0.42 + row * 0.16
                cell = rect(cx, cy, cx + 0.12, cy + 0.1, 0.02)
                if mark == (row, col):
                    c.fill(cell.grow(0.03), ORANGE)
                else:
                    c.fill(cell, hexc('6a7688') if full else hexc('c9cfd8'))


def lightning(c, x, y, s, colour=RED):
    with box(c, x, y, s):
        bolt = polygon([(0.6, 0.04), (0.2, 0.56), (0.46, 0.56), (0.36, 0.96), (0.8, 0.4), (0.53, 0.4), (0.68, 0.04)])
        inked(c, bolt, colour, darker(colour, 0.55), 0.05)


def gear(c, x, y, s, colour=hexc('6c7a8c')):
    with box(c, x, y, s) as b:
        teeth = union(rect(0.43, 0.04, 0.57, 0.96, 0.03).rotated(a, 0.5, 0.5) for a in (0, 45, 90, 135))
        shape = (circle(0.5, 0.5, 0.34) | (teeth & circle(0.5, 0.5, 0.46))) - circle(0.5, 0.5, 0.14)
        c.fill(shape.grow(max(b.px, 0.035)), INK)
        c.fill(shape, radial(0.4, 0.35, 0.6, lighter(colour, 0.5), colour))


def padlock(c, x, y, s, colour=GOLD):
    with box(c, x, y, s):
        shackle = arc(0.5, 0.42, 0.2, 180, 360, 0.1) | segment(0.3, 0.42, 0.3, 0.5, 0.1) | segment(0.7, 0.42, 0.7, 0.5, 0.1)
        inked(c, shackle, hexc('a9b0bb'))
        body = rect(0.18, 0.46, 0.82, 0.92, 0.08)
        c.fill(body.grow(max(1.0 / c.scale, 0.04)), darker(colour, 0.6))
        c.fill(body, vgradient(0.46, 0.92, lighter(colour, 0.4), darker(colour, 0.1)))
        c.fill(circle(0.5, 0.64, 0.07) | polygon([(0.46, 0.66), (0.54, 0.66), (0.57, 0.82), (0.43, 0.82)]), INK)


def door_exit(c, x, y, s):
    with box(c, x, y, s):
        inked(c, rect(0.12, 0.08, 0.58, 0.92, 0.03), hexc('c98b4e'))
        c.fill(rect(0.18, 0.14, 0.52, 0.86), hexc('a8693a'))
        c.fill(circle(0.46, 0.52, 0.04), GOLD)
        arrow = segment(0.48, 0.5, 0.8, 0.5, 0.13) | polygon([(0.74, 0.3), (0.96, 0.5), (0.74, 0.7)])
        inked(c, arrow, GREEN)


def floppy(c, x, y, s, colour=hexc('3659a8')):
    with box(c, x, y, s):
        inked(c, polygon([(0.12, 0.1), (0.78, 0.1), (0.9, 0.22), (0.9, 0.9), (0.12, 0.9)]), colour)
        c.fill(rect(0.28, 0.1, 0.7, 0.36), hexc('d7dce4'))
        c.fill(rect(0.56, 0.14, 0.64, 0.32), colour)
        c.fill(rect(0.22, 0.5, 0.8, 0.9, 0.03), WHITE)
        for yy in (0.62, 0.74):
            c.fill(rect(0.3, yy, 0.72, yy + 0.04), hexc('9aa3b0'))


def folder(c, x, y, s, colour=hexc('f2c14e')):
    with box(c, x, y, s):
        back = polygon([(0.08, 0.2), (0.38, 0.2), (0.46, 0.3), (0.92, 0.3), (0.92, 0.84), (0.08, 0.84)])
        inked(c, back, darker(colour, 0.15))
        front = polygon([(0.08, 0.84), (0.16, 0.42), (0.98, 0.42), (0.92, 0.84)])
        inked(c, front, colour)


def notepad(c, x, y, s):
    with box(c, x, y, s):
        inked(c, rect(0.18, 0.12, 0.82, 0.92, 0.04), hexc('fff6b0'))
        for i in range(4):
            yy = 0.36 + i * 0.14
            c.fill(rect(0.28, yy, 0.72, yy + 0.04), hexc('7a8aa6'))
        for xx in (0.3, 0.5, 0.7):
            c.fill(ring(xx, 0.13, 0.06, 0.05), INK)


def eye(c, cx, cy, rx, ry, look=0.0, iris=hexc('3a8fd6')):
    """One eye, centred at (cx, cy) in the current frame."""
    white = ellipse(cx, cy, rx, ry)
    c.fill(white.grow(max(1.0 / c.scale, 0.03)), INK)
    c.fill(white, WHITE)
    ir = min(rx, ry) * 0.78
    c.fill(circle(cx + look * rx * 0.3, cy, ir) & white, iris)
    c.fill(circle(cx + look * rx * 0.3, cy, ir * 0.5) & white, INK)
    c.fill(circle(cx + look * rx * 0.3 - ir * 0.3, cy - ir * 0.35, ir * 0.22), WHITE)


def eyes(c, x, y, s):
    with box(c, x, y, s):
        eye(c, 0.28, 0.5, 0.22, 0.3, 0.4)
        eye(c, 0.72, 0.5, 0.22, 0.3, 0.4)


def sun(c, x, y, s):
    with box(c, x, y, s):
        for i in range(12):
            a = math.radians(i * 30)
            c.fill(segment(0.5 + 0.3 * math.cos(a), 0.5 + 0.3 * math.sin(a),
                           0.5 + 0.46 * math.cos(a), 0.5 + 0.46 * math.sin(a), 0.07), ORANGE)
        disc = circle(0.5, 0.5, 0.26)
        c.fill(disc.grow(max(1.0 / c.scale, 0.03)), darker(ORANGE, 0.2))
        c.fill(disc, radial(0.42, 0.42, 0.3, hexc('fff3a0'), GOLD))


def moon(c, x, y, s):
    with box(c, x, y, s):
        crescent = circle(0.5, 0.5, 0.38) - circle(0.66, 0.4, 0.32)
        inked(c, crescent, hexc('ffe680'), darker(GOLD, 0.4))
        c.fill(star(0.78, 0.72, 0.09, 0.04), hexc('fff3b0'))


def diamond(c, x, y, s, colour):
    with box(c, x, y, s):
        shape = polygon([(0.5, 0.06), (0.94, 0.5), (0.5, 0.94), (0.06, 0.5)])
        inked(c, shape, colour, darker(colour, 0.5))
        c.fill(polygon([(0.5, 0.2), (0.72, 0.44), (0.5, 0.44)]), lighter(colour, 0.5))


def arrow_right(c, x, y, s, colour):
    with box(c, x, y, s):
        inked(c, polygon([(0.22, 0.1), (0.86, 0.5), (0.22, 0.9)]), colour, darker(colour, 0.5))


def arrow_down(c, x, y, s, colour):
    with box(c, x, y, s):
        inked(c, polygon([(0.1, 0.22), (0.9, 0.22), (0.5, 0.86)]), colour, darker(colour, 0.5))
