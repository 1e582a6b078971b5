#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Cross-checks quillon-cli against an independent reading of the formats.

Generates many random boards and pin descriptions, converts each to every
format with random choices through quillon-cli, builds the same outputs with
the reference writers of this folder, and compares them byte for byte.

usage: check_outputs.py QUILLON_CLI WORKDIR [--boards N] [--seed S]
"""

import argparse
import os
import random
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import refplot  # noqa: E402
import refpins  # noqa: E402
import refwriters  # noqa: E402

W = refplot.pack_words
NAMES = [b"COMP", b"SOLDER", b"PIN", b"MSKGTP", b"MSKGBT", b"SILK", b"Bot2", b"comp", b"L7", b"DRILL"]


def rnd_coord(r):
    v = r.choice([r.randint(-3000, 3000), r.randint(-32768, 32767), 0, 1, -1, 32767, -32768])
    if v in (-32642, -32641, -32640):  # these words would read as polygon piece tags
        v = 0
    return v


def make_board(r):
    layers = r.sample(NAMES, r.randint(1, 6))
    numbers = [r.randint(1, 12) for _ in layers]
    data = bytearray(W(0x804E, r.choice([2, 3, 4, 9]), 0, 0, 10000, 10000, 0, 1000))
    data += W(len(layers), 0)
    for name, num in zip(layers, numbers):
        data += name.ljust(6, b"\0")[:6] + bytes([num, r.randint(0, 255)])
    for _ in range(r.randint(0, 60)):
        k = r.random()
        if k < 0.1:
            data += W(0x80A9, (r.choice(numbers + [99]) << 8) | r.randint(0, 255))
        elif k < 0.35:
            tag = r.choice([0x80A8, 0x80A8, 0x80A7, 0x80A6])
            data += W(tag, (r.choice([0, 1, 10, 12, 25, 255]) << 8) | r.randint(0, 255),
                      *[rnd_coord(r) for _ in range(4)])
        elif k < 0.5:
            if r.random() < 0.5:
                cx, cy = rnd_coord(r), rnd_coord(r)
                sx, sy = rnd_coord(r), rnd_coord(r)
                ex, ey = (sx, sy) if r.random() < 0.3 else (rnd_coord(r), rnd_coord(r))
                data += W(0x807A, (r.choice([0, 8, 10, 30]) << 8), cx, cy, sx, sy, ex, ey)
            else:
                a1 = r.choice([0, 45, 90, 180, 270, 360, 400, r.randint(0, 720)])
                a2 = a1 if r.random() < 0.3 else r.randint(0, 720)
                data += W(r.choice([0x80A4, 0x80A5]), (r.choice([0, 8, 10]) << 8),
                          r.randint(-2000, 2000), r.randint(-2000, 2000), r.randint(0, 5000), 0, a1, a2)
        elif k < 0.65:
            chars = bytes(r.choice(b"ABCxyz019 \"',;@\xc0\xea\xff") for _ in range(r.randint(0, 12)))
            lo = r.randint(0, 7)
            just = r.choice([25, 26, 27, 33, 34, 35, 41, 42, 43, 34, 7, 0])
            data += W(0x80A2, 0, rnd_coord(r), rnd_coord(r), (r.randint(0, 255) << 8) | lo,
                      (just << 8) | r.randint(0, 2))
            data += chars + b"\0" + (b"\0" if len(chars) % 2 == 0 else b"")
        elif k < 0.85:
            data += W(0x8095)[:2] + bytes([r.randint(1, 14), r.randint(0, 3)]) + W(rnd_coord(r), rnd_coord(r))
        else:
            data += W(0x80A3, r.randint(0, 255))
            outlines = r.randint(1, 3)
            for o in range(outlines):
                if o > 0:
                    data += W(0x807E, 0)
                data += W(rnd_coord(r), rnd_coord(r))
                pts = r.choice([0, 1, 3, 4, 6])
                for _ in range(pts):
                    data += W(rnd_coord(r), rnd_coord(r))
            for _ in range(r.choice([0, 0, 1, 3])):
                data += W(0x807F, 0, rnd_coord(r), rnd_coord(r), r.randint(-500, 2000), 0)
            data += W(0x8080, 0)
    if r.random() < 0.1:
        data += b"\x01"  # a lone trailing byte
    return bytes(data)


def make_pins(r):
    lines = [b"Pin# Hole Aper", b""]
    for _ in range(r.randint(0, 12)):
        pins = b",".join(str(r.randint(0, 14)).encode() for _ in range(r.randint(1, 3)))
        nums = [r.choice([b"0.9", b"1,6", b"1.6", b"2", b"1", b"0,8", b"1.5", b"3", b"0.25"])
                for _ in range(r.randint(1, 3))]
        sep = r.choice([b"  ", b"\t", b" d=", b"   "])
        tail = r.choice([b"", b"", b" rect", b" \xea\xe2\xe0\xe4\xf0\xe0\xf2", b" Rect"])
        lines.append(pins + sep + sep.join(nums) + tail)
    eol = r.choice([b"\r\n", b"\n", b"\r"])
    return eol.join(lines) + eol


UNITS = ["mm", "inch", "pinch", "net1.25", "mkm*10", "mil"]
ITEMS = ["pads", "lines", "arcs", "text", "polygons"]
BITS = dict(pads=0x80, lines=0x40, arcs=0x20, text=0x10, polygons=0x08)


def run_case(cli, work, r, case):
    plt = os.path.join(work, "b%d.plt" % case)
    pins_file = os.path.join(work, "b%d.txt" % case)
    board_bytes = make_board(r)
    pin_bytes = make_pins(r)
    open(plt, "wb").write(board_bytes)
    open(pins_file, "wb").write(pin_bytes)
    try:
        board = refplot.load(board_bytes)
    except refplot.PlotStop:
        return None
    layout = r.randint(0, 1)
    hu, au = r.randint(0, 5), r.randint(0, 5)
    pins = refpins.Pins()
    use_pins = r.random() < 0.85
    if use_pins:
        pins.parse(pin_bytes, layout)
        pins.aperture_unit, pins.hole_unit = au, hu
    dbu_word, scale = r.choice([("mm", 0.01), ("inch", 0.0254), ("pinch", 0.025), ("0.1", 0.1), ("1", 1.0)])
    items = [i for i in ITEMS if r.random() < 0.8]
    options = sum(BITS[i] for i in items)
    n = len(board.layers)
    idx = [r.randint(0, n - 1) for _ in range(5)]
    answers = r.choice([["yes"], ["no"], ["yes-all"], ["no-all"], ["cancel"], ["no", "yes", "cancel", "yes"],
                        ["yes", "no-all"], ["no", "no", "yes-all"]])
    view = r.random() < 0.7
    failures = []
    for fmt, code in (("cam350", 0), ("gerber", 1), ("genesis", 3)):
        outdir = os.path.join(work, "o%d%s" % (case, fmt))
        os.makedirs(outdir)
        out = os.path.join(outdir, "out.txt")
        args = [cli, "convert", plt, "-o", out, "--format", fmt, "--dbu", dbu_word,
                "--items", ",".join(items) if items else "none", "--answers", ",".join(answers),
                "--top", str(idx[0]), "--bottom", str(idx[1]), "--mask-top", str(idx[2]),
                "--mask-bottom", str(idx[3]), "--drill", str(idx[4])]
        if use_pins:
            args += ["--pins", pins_file, "--layout", ["hole-aper", "aper-hole"][layout],
                     "--hole-unit", UNITS[hu], "--aperture-unit", UNITS[au]]
        if not view:
            args.append("--no-view-commands")
        proc = subprocess.run(args, capture_output=True)
        conv = refwriters.Converter(board, pins, scale, "Plt FileName: " + os.path.abspath(plt),
                                    *idx, view=view, answers=answers)
        try:
            conv.convert(options, code)
        except RuntimeError as e:  # a conversion that stops: nothing written
            if proc.returncode != 1 or os.path.exists(out):
                failures.append("case %d %s: expected stop '%s', got exit %d" % (case, fmt, e, proc.returncode))
            continue
        if proc.returncode != 0:
            failures.append("case %d %s: exit %d: %s" % (case, fmt, proc.returncode, proc.stderr[-400:]))
            continue
        expected = {out: conv.out}
        if code == 1:
            for i, lines in enumerate(conv.layer_outputs):
                name = board.layers[i].name.decode("latin-1")
                expected[os.path.join(outdir, "%d%s.gbr" % (i, name))] = lines
        for path, lines in expected.items():
            want = b"".join(l + b"\r\n" for l in lines)
            got = open(path, "rb").read() if os.path.exists(path) else None
            if got != want:
                failures.append(describe(case, fmt, path, want, got))
        if set(os.listdir(outdir)) != {os.path.basename(p) for p in expected}:
            failures.append("case %d %s: files %s" % (case, fmt, sorted(os.listdir(outdir))))
    return failures


def describe(case, fmt, path, want, got):
    if got is None:
        return "case %d %s: %s missing" % (case, fmt, path)
    wl, gl = want.split(b"\r\n"), got.split(b"\r\n")
    for i, (a, b) in enumerate(zip(wl, gl)):
        if a != b:
            return "case %d %s: %s line %d:\n  expected %r\n  got      %r" % (case, fmt, os.path.basename(path), i + 1, a, b)
    return "case %d %s: %s: %d lines expected, %d written" % (case, fmt, os.path.basename(path), len(wl), len(gl))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("work")
    ap.add_argument("--boards", type=int, default=60)
    ap.add_argument("--seed", type=int, default=20261208)
    a = ap.parse_args()
    shutil.rmtree(a.work, ignore_errors=True)
    os.makedirs(a.work)
    r = random.Random(a.seed)
    failures = []
    converted = 0
    for case in range(a.boards):
        result = run_case(a.cli, a.work, r, case)
        if result is not None:
            converted += 1
            failures += result
    for f in failures[:20]:
        print(f)
    print("%d boards generated, %d converted to every format, %d differences"
          % (a.boards, converted, len(failures)))
    if converted < a.boards // 2:
        print("too few boards converted for the check to mean anything")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
