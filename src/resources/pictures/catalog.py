"""Every picture the program carries: its resource name, size, colour depth
and how it is drawn."""

import glyphs as g
from glyphs import INK, WHITE, box, darker, hexc, lighter
from raster import (Canvas, arc, circle, ellipse, polygon, rect, segment, text_shape, text_width,
                    vgradient)

FACE = hexc('e8ebf0')
PANEL = hexc('d6dbe3')


def button(c, x0, y0, x1, y1, colour=hexc('eef1f5'), radius=4):
    """A raised rounded button."""
    c.fill(rect(x0, y0, x1, y1, radius), hexc('5d6675'))
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1),
           vgradient(y0, y1, lighter(colour, 0.6), darker(colour, 0.12)))
    c.fill(rect(x0 + 2, y0 + 1.5, x1 - 2, y0 + 2.5, 1), hexc('ffffff', 0.7))


def label(c, text, cx, cy, scale=1, colour=INK, wide=None):
    w = text_width(text, wide if wide is not None else scale)
    c.fill(text_shape(text, round(cx - w / 2.0), round(cy - 3.5 * scale), scale, wide=wide), colour)


# ------------------------------------------------------------ buttons

def text_button(symbol, text, tint):
    def draw():
        c = Canvas(81, 25, FACE)
        button(c, 0, 0, 81, 25, tint, 6)
        symbol(c, 4, 3, 19)
        label(c, text, 51, 12.5, 2, INK, wide=1.4 if len(text) > 3 else None)
        return c
    return draw


def square_button(symbol):
    def draw():
        c = Canvas(32, 29, FACE)
        button(c, 0, 0, 32, 29, hexc('eef1f5'), 5)
        symbol(c, 5, 4, 22)
        return c
    return draw


def alarm_bell(tilt, waves_side):
    def draw():
        c = Canvas(74, 99, hexc('fff8e1'))
        c.fill(rect(0, 0, 74, 99), vgradient(0, 99, hexc('fff8e1'), hexc('ffe3a3')))
        g.bell(c, 9, 14, 56, g.GOLD, tilt)
        for i in (0, 1, 2):
            r = 8 + i * 7
            cx = 37 + waves_side * 27
            start = -40 if waves_side > 0 else 140
            c.fill(arc(cx - waves_side * 6, 34, r, start, start + 80, 2.2), hexc('d8572a', 0.9 - i * 0.25))
        c.fill(rect(10, 84, 64, 90, 3), hexc('b07d2a', 0.35))
        return c
    return draw


def bottom_strip():
    c = Canvas(525, 29)
    c.fill(rect(-5, 0, 530, 29), vgradient(0, 29, hexc('c9d3e2'), hexc('8e9db5')))
    c.fill(rect(-5, 0, 530, 1), hexc('ffffff', 0.9))
    c.fill(rect(-5, 28, 530, 29), hexc('56627a'))
    for x in range(8, 525, 16):
        c.fill(circle(x, 14.5, 1.1), hexc('ffffff', 0.35))
    return c


def edge_piece(side):
    def draw():
        c = Canvas(15, 50, FACE)
        body = rect(-10, 0, 15, 50, 7) if side == 'right' else rect(0, 0, 25, 50, 7)
        c.fill(body, hexc('56627a'))
        inner = rect(-10, 1, 14, 49, 6) if side == 'right' else rect(1, 1, 25, 49, 6)
        c.fill(inner, vgradient(0, 50, hexc('c9d3e2'), hexc('8e9db5')))
        return c
    return draw


def rule():
    c = Canvas(410, 3, FACE)
    c.fill(rect(0, 0, 410, 1), hexc('7b8596'))
    c.fill(rect(0, 1, 410, 2), hexc('ffffff'))
    c.fill(rect(0, 2, 410, 3), hexc('c6ccd6'))
    return c


def aster():
    c = Canvas(2, 12, FACE)
    c.fill(rect(0, 0, 2, 8), hexc('d0201a'))
    c.fill(rect(0, 10, 2, 12), hexc('d0201a'))
    return c


def file_buttons():
    c = Canvas(52, 12, FACE)
    c.fill(circle(6, 6, 5.5), hexc('7a1410'))
    c.fill(circle(6, 6, 4.6), g.radial(4.5, 4.5, 6, hexc('ff7a6e'), hexc('d0201a')))
    c.fill(rect(20, 0.5, 31, 11.5, 1.5), INK)
    c.fill(rect(21, 1.5, 30, 10.5, 1), vgradient(1, 11, hexc('8c96a8'), hexc('3f4757')))
    tri = polygon([(40, 0.5), (51.5, 6), (40, 11.5)])
    c.fill(tri.grow(0.8), hexc('145c26'))
    c.fill(tri, vgradient(0, 12, hexc('6fdc8c'), hexc('1f9a42')))
    return c


# ------------------------------------------------------------ the picker

MINUTE = hexc('cfe0fa')
MORNING = hexc('fff0b8')
EVENING = hexc('c9c6f2')
DAY = hexc('ffe0b0')


def time_buttons(twelve_hour):
    def draw():
        c = Canvas(247, 152, PANEL)
        c.fill(rect(0, 0, 247, 152, 6), vgradient(0, 152, hexc('e2e6ec'), hexc('c8ced8')))
        c.fill(rect(104, 4, 244, 148, 5), hexc('ffffff', 0.35))
        for i, y in enumerate((6, 28, 52, 76, 98)):
            button(c, 7, y, 37, y + 20, MINUTE, 4)
            label(c, str((i + 1) * 10), 22, y + 10, 2, g.NAVY)
        for i, y in enumerate((4, 28, 52, 76, 98)):
            button(c, 49, y, 73, y + 20, MINUTE, 4)
            label(c, str(i + 1), 61, y + 10, 2, g.NAVY)
        for i, y in enumerate((4, 28, 52, 76)):
            button(c, 74, y, 98, y + 20, MINUTE, 4)
            label(c, str(i + 6), 86, y + 10, 2, g.NAVY)
        button(c, 74, 98, 98, 118, hexc('f7d0cc'), 4)
        label(c, '00', 86, 108, 2, hexc('8a1a14'))
        columns = (113, 147, 181, 213)
        rows = (6, 28, 52, 79, 103, 126)
        for n in range(24):
            x, y = columns[n % 4], rows[n // 4]
            if twelve_hour:
                tint = MORNING if n < 12 else EVENING
                text = str(n % 12 or 12)
            else:
                tint = EVENING if n < 6 or n >= 21 else (MORNING if n < 12 else DAY)
                text = str(n)
            button(c, x, y, x + 25, y + 20, tint, 4)
            label(c, text, x + 12.5, y + 10, 2, INK, wide=None if len(text) == 1 else 1.7)
        if twelve_hour:
            label(c, 'AM', 22, 134, 1, g.NAVY)
            label(c, 'PM', 86, 134, 1, g.NAVY)
            g.sun(c, 40, 125, 18)
            g.moon(c, 60, 125, 18)
        else:
            g.clock(c, 40, 122, 26, hour=9, minute=0)
        return c
    return draw


def year_arrows():
    c = Canvas(162, 26, PANEL)
    c.fill(rect(0, 0, 162, 26, 5), vgradient(0, 26, hexc('e2e6ec'), hexc('c8ced8')))
    c.fill(rect(46, 4, 116, 22, 3), hexc('8e97a6'))
    c.fill(rect(47, 5, 115, 21, 2), WHITE)
    for x0, pointing in ((5, -1), (120, 1)):
        button(c, x0, 4, x0 + 38, 22, MINUTE, 5)
        cx = x0 + 19
        for k in (-4, 4):
            tip = cx + pointing * 5 + k
            tri = polygon([(tip - pointing * 8, 7.5), (tip, 13), (tip - pointing * 8, 18.5)])
            c.fill(tri, g.NAVY)
    return c


def day_buttons():
    c = Canvas(164, 36, PANEL)
    c.fill(rect(0, 0, 164, 36, 6), vgradient(0, 36, hexc('e2e6ec'), hexc('c8ced8')))
    button(c, 4, 8, 46, 28, hexc('3a4a86'), 5)
    g.moon(c, 15, 8, 20)
    button(c, 51, 8, 110, 28, hexc('eef1f5'), 5)
    g.eye(c, 68, 18, 10, 7.5, 0.5)
    g.eye(c, 93, 18, 10, 7.5, 0.5)
    button(c, 114, 8, 159, 28, hexc('ffe9a8'), 5)
    g.sun(c, 126, 7, 22)
    return c


# ------------------------------------------------------------ quick notes

def notes_strip():
    c = Canvas(171, 32, FACE)
    c.fill(rect(0, 0, 171, 32), vgradient(0, 32, hexc('f4f6f9'), hexc('d7dce4')))
    for x, symbol in ((3, g.floppy), (31, g.folder), (62, g.notepad), (88, g.cross),
                      (116, g.question), (143, g.check)):
        symbol(c, x + 1, 3, 26)
    return c


def eyes_picture():
    c = Canvas(52, 32, FACE)
    c.fill(rect(0, 0, 52, 32, 6), vgradient(0, 32, hexc('f4f6f9'), hexc('d7dce4')))
    g.eye(c, 14.5, 16, 11, 13, 0.6)
    g.eye(c, 37.5, 16, 11, 13, 0.6)
    return c


# ------------------------------------------------------------ menu items

def tile(symbol, *extra):
    def draw():
        c = Canvas(50, 50, FACE)
        c.fill(rect(1, 1, 49, 49, 8), hexc('9aa3b2'))
        c.fill(rect(2, 2, 48, 48, 7), vgradient(2, 48, hexc('ffffff'), hexc('dfe4ec')))
        symbol(c)
        for e in extra:
            e(c)
        return c
    return draw


def flash_tile(c):
    c.fill(circle(25, 25, 21), hexc('7a1410'))
    c.fill(circle(25, 25, 20), g.radial(20, 18, 24, hexc('ffffff'), hexc('ffe1dc')))
    g.lightning(c, 9, 7, 34)


def menu_items():
    return {
        'MITEMMUTE': tile(lambda c: g.speaker(c, 5, 7, 36), lambda c: g.cross(c, 24, 14, 22)),
        'MITEMNOACT': tile(lambda c: g.bell(c, 8, 6, 34), lambda c: g.no_sign(c, 6, 6, 38)),
        'MITEMFIXATION': tile(lambda c: g.padlock(c, 7, 5, 36)),
        'MITEMTRACK': tile(lambda c: g.door_exit(c, 5, 5, 40)),
        'MITEMMASKS': tile(lambda c: g.book(c, 6, 5, 38)),
        'MITEMSALE': tile(lambda c: g.calendar(c, 5, 4, 40, g.ORANGE, mark=(1, 2))),
        'MITEMNOTEBOOK': tile(lambda c: g.calendar(c, 5, 4, 40, g.BLUE, full=True)),
        'MITEMTOOL': tile(lambda c: g.gear(c, 6, 6, 38)),
        'MITEMFLASH': tile(flash_tile),
        'MITEMMASK': tile(lambda c: g.person(c, 5, 5, 36), lambda c: g.badge_plus(c, 28, 28, 17)),
        'MITEMFIRM': tile(lambda c: g.building(c, 4, 4, 38), lambda c: g.badge_plus(c, 28, 28, 17)),
        'MITEMCLOCK': tile(lambda c: g.clock(c, 4, 3, 38, bells=True), lambda c: g.badge_plus(c, 28, 28, 17)),
    }


# ------------------------------------------------------------ small and large

def tree_picture(symbol, colour):
    def draw():
        c = Canvas(12, 12, WHITE)
        symbol(c, 0, 0, 12, colour)
        return c
    return draw


def circle_mark(c, x, y, s, colour):
    with box(c, x, y, s):
        g.inked(c, circle(0.5, 0.5, 0.38), g.radial(0.4, 0.38, 0.45, lighter(colour, 0.6), colour), darker(colour, 0.5))


def cake():
    c = Canvas(58, 65, FACE)
    c.fill(rect(0, 0, 58, 65, 6), vgradient(0, 65, hexc('fdf1f6'), hexc('f6d7e5')))
    c.fill(ellipse(29, 58, 26, 4.5), hexc('b9c1cc'))
    c.fill(ellipse(29, 57, 25, 3.8), WHITE)
    layers = ((6, 40, 52, 56, hexc('9b5a34')), (10, 28, 48, 41, hexc('f2a7c3')))
    for x0, y0, x1, y1, col in layers:
        c.fill(rect(x0, y0, x1, y1, 3).grow(1), darker(col, 0.5))
        c.fill(rect(x0, y0, x1, y1, 3), vgradient(y0, y1, lighter(col, 0.3), col))
    for x in range(8, 52, 6):
        c.fill(circle(x, 41, 2.6), WHITE)
    c.fill(rect(10, 28, 48, 31, 2), WHITE)
    for x in range(14, 46, 7):
        c.fill(circle(x, 49, 1.4), hexc('ffd24a'))
    for x, col in ((17, hexc('4aa3ff')), (29, hexc('6cc04a')), (41, hexc('ffb020'))):
        c.fill(rect(x - 1.8, 14, x + 1.8, 28, 0.8).grow(0.6), darker(col, 0.5))
        c.fill(rect(x - 1.8, 14, x + 1.8, 28, 0.8), col)
        flame = ellipse(x, 9, 2.6, 4.6) | polygon([(x - 2.3, 9), (x, 2), (x + 2.3, 9)])
        c.fill(flame.grow(0.8), hexc('ff7a00', 0.6))
        c.fill(flame, hexc('ffd24a'))
        c.fill(ellipse(x, 10, 1.1, 2), WHITE)
    return c


def skyline():
    c = Canvas(70, 54)
    c.fill(rect(-1, -1, 71, 55), vgradient(0, 54, hexc('5fa8f0'), hexc('cfe8ff')))
    c.fill(ellipse(14, 11, 8, 3.5) | ellipse(20, 9, 6, 4) | ellipse(24, 12, 6, 3), hexc('ffffff', 0.9))
    c.fill(circle(58, 10, 5), hexc('fff1a0'))
    towers = ((4, 30, 16, hexc('8793a8')), (16, 12, 30, hexc('5d6c86')), (30, 22, 40, hexc('7685a0')),
              (40, 6, 54, hexc('4a5872')), (54, 26, 66, hexc('8a96aa')))
    for x0, top, x1, col in towers:
        c.fill(rect(x0, top, x1, 55), darker(col, 0.4))
        c.fill(rect(x0 + 1, top + 1, x1 - 1, 55), vgradient(top, 54, lighter(col, 0.25), col))
        for y in range(top + 3, 50, 4):
            for x in range(x0 + 3, x1 - 2, 4):
                lit = (x * 7 + y * 3) % 5 != 0
                c.fill(rect(x, y, x + 2, y + 2), hexc('ffe27a') if lit else hexc('2c3548'))
    c.fill(segment(47, 6, 47, 0, 1), INK)
    c.fill(rect(-1, 50, 71, 55), hexc('4b5a3c'))
    return c


def logotype():
    c = Canvas(240, 63)
    c.fill(rect(-1, -1, 241, 64), vgradient(0, 63, hexc('1f3b73'), hexc('3a6fc4')))
    c.fill(ellipse(60, -30, 150, 50), hexc('ffffff', 0.08))
    g.clock(c, 6, 4, 54, bells=True, hour=7, minute=50)
    name = 'Zelmora'
    c.fill(text_shape(name, 70, 12, 4, spacing=1).moved(1.5, 1.5), hexc('0b1630', 0.6))
    c.fill(text_shape(name, 70, 12, 4, spacing=1), vgradient(12, 40, hexc('ffffff'), hexc('cfe0ff')))
    c.fill(text_shape('personal organizer', 72, 48, 1), hexc('ffe27a'))
    return c


# ------------------------------------------------------------ icons

def icon_alarm(c):
    g.clock(c, 0, 0, 1, bells=True)


def icon_person(c):
    g.person(c, 0.02, 0.02, 0.96)


def icon_book(c):
    g.book(c, 0.0, 0.0, 1.0)


def icon_flash(c):
    g.lightning(c, 0.02, 0.0, 1.0, hexc('e8322a'))


def icon_building(c):
    g.building(c, 0.0, 0.0, 1.0)


def icon_editor(c):
    g.calendar(c, 0.0, 0.0, 0.86, g.BLUE, full=True)
    g.clock(c, 0.44, 0.44, 0.56)


def icon_images(draw):
    images = []
    for size in (48, 32, 16):
        c = Canvas(size, size)
        c.push(0, 0, size)
        draw(c)
        c.pop()
        images.append(c)
    return images


# id: (name shown on the contact sheet, drawing)
ICONS = {
    1: ('event dialog', icon_alarm),
    2: ('person dialog', icon_person),
    3: ('address book', icon_book),
    4: ('quick notes', icon_flash),
    5: ('organization dialog', icon_building),
    6: ('event editor', icon_editor),
}


def bitmaps():
    """name -> (bits per pixel, drawing), in the order of the sheet."""
    table = {
        'OKBTN': (8, text_button(g.check, 'OK', hexc('e4f4e6'))),
        'CNBTN': (8, text_button(g.cross, 'Cancel', hexc('f8e4e2'))),
        'HLBTN': (8, text_button(g.question, 'Help', hexc('e2ebf8'))),
        'OKBUTTON': (8, square_button(g.check)),
        'CANCELBUTTON': (8, square_button(g.cross)),
        'QBUTTON': (8, square_button(g.question)),
        'ADDBUTTON': (8, square_button(g.plus)),
        'AB1': (8, alarm_bell(-16, 1)),
        'AB2': (8, alarm_bell(16, -1)),
        'KRPT': (8, file_buttons),
        'ASTER': (8, aster),
        'LT': (8, edge_piece('left')),
        'RT': (8, edge_piece('right')),
        'MD': (8, bottom_strip),
        'BARH': (8, rule),
        'KNOPKI': (8, time_buttons(False)),
        'KNOPKIE': (8, time_buttons(True)),
        'KNOPKIYEAR': (8, year_arrows),
        'KNOPKIOTHER': (8, day_buttons),
        'MENUFLASH': (8, notes_strip),
        'GLAZANABARE': (8, eyes_picture),
    }
    table.update({name: (8, draw) for name, draw in menu_items().items()})
    table.update({
        'ARR001': (8, tree_picture(g.arrow_right, g.BLUE)),
        'ARR002': (8, tree_picture(g.arrow_right, g.GREEN)),
        'ARR003': (8, tree_picture(g.arrow_down, g.ORANGE)),
        'ROMB001': (8, tree_picture(g.diamond, g.RED)),
        'ROMB002': (8, tree_picture(g.diamond, g.GREEN)),
        'ROMB003': (8, tree_picture(g.diamond, g.BLUE)),
        'CIR002': (24, tree_picture(circle_mark, g.ORANGE)),
        'PIROG': (8, cake),
        'NEBOSRJOB': (8, skyline),
        'LOGOTYPE': (8, logotype),
    })
    return table
