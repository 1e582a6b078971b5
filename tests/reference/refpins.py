# SPDX-License-Identifier: MIT
"""Independent reading of the pin description grammar and the aperture table,
with Python's backtracking regular expressions as the Perl-style engine."""

import math
import re

LINE_RE = re.compile(rb"[ \t]*([\d]+[\d,;]*)([ \t]+[^\d]+)([\d]+[\d\.,]*)")
PIN_LIST_RE = re.compile(rb"[ \t]*([\d]+[\d,;]*)")
NUMBER_RE = re.compile(rb"([\d]+[\d\.,]*)")
SQUARE_RE = re.compile(b"\xea\xe2\xe0\xe4|rect")

UNIT_FACTORS = [1.0, 25.4, 25.0, 0.8, 0.01, 0.0254]


def parse_number(text):
    t = text.replace(b",", b".")
    if t.count(b".") > 1:
        return None
    try:
        return float(t.decode("ascii"))
    except ValueError:
        return None


def split_pins(text):
    pins = []
    rest = text
    while True:
        m = re.match(rb"\d*", rest)
        digits = m.group(0)
        pins.append(int(digits) if digits else 0)
        rest = rest[len(digits):]
        if not rest:
            return pins
        rest = rest[1:]
        if not rest:  # a trailing separator adds no pin
            return pins


def split_lines(data):
    return re.split(rb"\r\n|\n|\r", data) if data else []


class Pins:
    def __init__(self):
        self.rows = []  # dicts: pin, hole, aperture, shape, hole_d, pad_d
        self.aperture_unit = 0
        self.hole_unit = 0

    def parse(self, data, layout):
        for line in split_lines(data):
            if not LINE_RE.search(line):
                continue
            pm = PIN_LIST_RE.search(line)
            rest_pos = pm.end()
            values = []
            for _ in range(3):
                m = NUMBER_RE.search(line, rest_pos)
                if not m:
                    values.append(None)
                    continue
                values.append(parse_number(m.group(1)))
                rest_pos = m.end()
            # A size too large for a double skips the whole line.
            if any(v is not None and not math.isfinite(v) for v in values):
                continue
            v1, v2, v3 = values
            shape = 1
            if v1 is not None and v2 is not None and v3 is not None:
                if layout == 0:
                    hole, ap = v1, v2
                    if v3 == v2 or round(v3) == 2:
                        shape = 2
                else:
                    ap, hole = v1, v3
                    if v1 == v2:
                        shape = 2
                    elif round(v3) == 2:
                        shape = 2
                        hole = v2
            elif v1 is not None and v2 is not None:
                if layout == 0:
                    hole, ap = v1, v2
                else:
                    hole, ap = v2, v1
            elif v1 is not None and v2 is None and v3 is None:
                hole, ap, shape = v1, 0.0, 0
            else:
                continue
            if SQUARE_RE.search(line):
                shape = 2
            for pin in split_pins(pm.group(1)):
                self.rows.append(dict(pin=pin, hole=hole, aperture=ap, shape=shape,
                                      hole_d=0, pad_d=0))

    def get(self, i):
        if i < 0 or i >= len(self.rows):
            return dict(pin=65535, hole=0.0, aperture=0.0, shape=0, hole_d=0, pad_d=0, mask_d=0)
        r = dict(self.rows[i])
        r["hole"] = r["hole"] * UNIT_FACTORS[self.hole_unit]
        r["aperture"] = r["aperture"] * UNIT_FACTORS[self.aperture_unit]
        r["mask_d"] = 0
        return r

    def exists(self, pin):
        return any(r["pin"] == pin for r in self.rows)

    def find_by_pin(self, pin, previous):
        if not self.rows:
            return previous
        last = None
        for i, r in enumerate(self.rows):
            if r["pin"] == pin:
                last = i
        return self.get(0 if last is None else last)

    def assign_apertures(self, table):
        for i, row in enumerate(self.rows):
            mm = self.get(i)
            row["hole_d"] = table.find_or_add(1, False, mm["hole"])
            row["pad_d"] = table.find_or_add(row["shape"], False, mm["aperture"]) if row["shape"] else 0


class Apertures:
    def __init__(self):
        self.rows = []  # dicts: size, shape, dcode, new, reusable

    def find_or_add(self, shape, reusable, size):
        if not size > 0:
            size = 0.0001
        key = round(size * 1000)
        if shape == 1:
            for r in self.rows:
                if r["shape"] == 1 and r["reusable"] and round(r["size"] * 1000) == key:
                    return r["dcode"]
        row = dict(size=size, shape=shape, dcode=len(self.rows) + 10, new=True, reusable=reusable)
        self.rows.append(row)
        return row["dcode"]

    def take_new(self, dcode):
        result = False
        for r in self.rows:
            if r["dcode"] == dcode:
                result = r["new"]
                r["new"] = False
        return result

    def find_by_dcode(self, dcode):
        found = None
        for r in self.rows:
            if r["dcode"] == dcode:
                found = r
        return found
