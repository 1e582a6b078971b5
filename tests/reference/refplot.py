# SPDX-License-Identifier: MIT
"""A second, independent reading of the plot file format, written from the
format's description and never from the C++ reader: the reference side of the
cross-check in check_outputs.py."""

import math
import struct


class PlotStop(Exception):
    """A load that stops with an error."""


class Layer:
    def __init__(self, name, number, attribute):
        self.name = name
        self.number = number
        self.attribute = attribute
        self.lines = []     # dicts: kind, sx, sy, ex, ey, width
        self.arcs = []      # dicts: cx, cy, sx, sy, ex, ey, width
        self.texts = []     # dicts: x, y, rotation, mirror, size, just, text(bytes)
        self.flashes = []   # dicts: pin, rotation, x, y
        self.polygons = []  # dicts: outlines (list of list of segments), circles


class Board:
    def __init__(self):
        self.layers = []
        self.result = True
        self.messages = []


def _round_even(v):
    return int(round(v))  # Python rounds halves to even


def load(data):
    """Returns a Board; raises PlotStop for errors that stop the load."""
    board = Board()
    pos = 0
    n = len(data)

    def byte():
        nonlocal pos
        if pos >= n:
            board.messages.append("EOF!!!!!")
            raise PlotStop("Read beyond end of file")
        b = data[pos]
        pos += 1
        return b

    def word():
        lo = byte()
        hi = byte()
        return lo | (hi << 8)

    def sword():
        w = word()
        return w - 0x10000 if w & 0x8000 else w

    if word() != 0x804E:
        board.messages.append("Неправильная сигнатура файла!")
        board.result = False
        return board
    for _ in range(7):  # version, four extents, an unused word, scale
        word()
    count = word()
    word()
    if count == 0:
        raise PlotStop("Range check error")
    for _ in range(count):
        raw = bytes(byte() for _ in range(6))
        name = raw.split(b"\0", 1)[0]
        number = byte()
        attribute = byte()
        board.layers.append(Layer(name, number, attribute))
    current = 0

    def add_arc(attr, cx, cy, sx, sy, ex, ey):
        board.layers[current].arcs.append(
            dict(cx=cx, cy=cy, sx=sx, sy=sy, ex=ex, ey=ey, width=attr >> 8))

    def outline():
        segs = []
        px, py = sword(), sword()
        while True:
            w = word()
            if w in (0x807E, 0x807F, 0x8080):
                return segs, w
            x = w - 0x10000 if w & 0x8000 else w
            y = sword()
            segs.append((px, py, x, y))
            px, py = x, y

    while pos < n:
        lo = byte()
        if pos >= n:
            break
        tag = lo | (byte() << 8)
        layer = board.layers[current]
        if tag == 0x80A9:
            num = word() >> 8
            for i, l in enumerate(board.layers):
                if l.number == num:
                    current = i
                    break
        elif tag in (0x80A8, 0x80A7, 0x80A6):
            attr = word()
            sx, sy, ex, ey = sword(), sword(), sword(), sword()
            width = 1 if tag == 0x80A6 else ((attr >> 8) or 1)
            layer.lines.append(dict(kind=tag, sx=sx, sy=sy, ex=ex, ey=ey, width=width))
        elif tag == 0x807A:
            attr = word()
            vals = [sword() for _ in range(6)]
            add_arc(attr, *vals)
        elif tag in (0x80A4, 0x80A5):
            attr = word()
            cx, cy = sword(), sword()
            r = word()
            word()
            a1, a2 = word(), word()
            sx = cx + _round_even(r * math.cos(a1 * math.pi / 180))
            sy = cy + _round_even(r * math.sin(a1 * math.pi / 180))
            ex = cx + _round_even(r * math.cos(a2 * math.pi / 180))
            ey = cy + _round_even(r * math.sin(a2 * math.pi / 180))
            add_arc(attr, cx, cy, sx, sy, ex, ey)
        elif tag == 0x80A2:
            word()
            x, y = sword(), sword()
            a, b = word(), word()
            chars = bytearray()
            while True:
                c = byte()
                if c == 0:
                    break
                chars.append(c)
            if len(chars) % 2 == 0:
                byte()
            lo_a = a & 0xFF
            layer.texts.append(dict(x=x, y=y, rotation=(lo_a & 3) * 90, mirror=lo_a & 4,
                                    size=(a >> 8) + 128 * (b & 0xFF), just=b >> 8,
                                    text=bytes(chars)))
        elif tag == 0x8095:
            pin = byte()
            rot = byte()
            x, y = sword(), sword()
            layer.flashes.append(dict(pin=pin, rotation=rot * 90, x=x, y=y))
        elif tag == 0x80A3:
            word()
            poly = dict(outlines=[], circles=[])
            layer.polygons.append(poly)
            segs, t = outline()
            poly["outlines"].append(segs)
            while True:
                if t == 0x8080:
                    break
                if t == 0x807E:
                    if word() != 0:
                        raise PlotStop("Assertion failure")
                    segs, t = outline()
                    poly["outlines"].append(segs)
                elif t == 0x807F:
                    word()
                    cx, cy, r = sword(), sword(), sword()
                    if word() != 0:
                        raise PlotStop("Assertion failure")
                    poly["circles"].append(dict(cx=cx, cy=cy, sx=cx + r, sy=cy))
                    t = word()
                else:
                    board.messages.append("Ошибка при чтении полигонов!")
                    break
            word()
        else:
            board.result = False
    return board


def pack_words(*words):
    return b"".join(struct.pack("<H", w & 0xFFFF) for w in words)
