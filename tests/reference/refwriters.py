# SPDX-License-Identifier: MIT
"""Independent reading of the output writers: the CAM350 macro, the Genesis
script and the Gerber layer files, each line built from the written rules."""

import math
from decimal import Decimal, ROUND_HALF_UP, getcontext

from refpins import Apertures

getcontext().prec = 800

CO_PADS, CO_LINES, CO_ARCS, CO_TEXT, CO_POLY = 0x80, 0x40, 0x20, 0x10, 0x08


def fixed(v, d, width=0):
    q = Decimal(v).quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP)
    if q == 0:
        q = abs(q)
    s = format(q, "f")
    return s.rjust(width)


def f42(v):
    return fixed(v, 2, 4)


def f24(v):
    return fixed(v, 4, 2)


def d42(v):
    s = str(abs(v)).rjust(2, "0")
    if v < 0:
        s = "-" + s
    return s.rjust(4)


def coord(v):
    s = fixed(v, 3).replace(".", "")
    sign = "-" if s.startswith("-") else ""
    digits = s[len(sign):]
    return sign + digits.rjust(6, "0")


PLAIN = set(b"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-_+/:=@%") | set(range(0x80, 0x100))


def shell_word(value):
    """A value as it stands in a csh line so that the command receives it:
    single-quoted when it holds a character the shell would act on."""
    if all(c in PLAIN for c in value) and b"  " not in value:
        return value
    out = bytearray(b"'")
    for c in value:
        if c == 0x27:
            out += b"'\\''"
        elif c == 0x21:  # history substitution works inside single quotes too
            out += b"\\!"
        elif c in (10, 13, 0):
            out += b" "
        else:
            out.append(c)
    return bytes(out + b"'")


def as_bytes(text):
    return text if isinstance(text, bytes) else text.encode("latin-1")


def one_line(text):
    """Outside text in one output line: CR, LF and NUL become '?'."""
    return bytes(0x3F if c in (10, 13, 0) else c for c in as_bytes(text))


def gerber_text(text):
    """Outside text in a legacy G04 comment or %LN name: '*' and '%' become
    '_', line breaks '?'."""
    return bytes(0x5F if c in (0x2A, 0x25) else c for c in one_line(text))


def lower(name):
    return shell_word(bytes(c + 32 if 65 <= c <= 90 else c for c in name))


class Question:
    def __init__(self, answers, opening):
        self.answers = answers  # shared list state: [list, index]
        self.opening = opening
        self.last = None
        self.for_all = False
        self.all_answer = "yes"

    def decide(self, pins, n):
        if pins.exists(n):
            return "add"
        answer = "yes"
        if n != self.last:
            self.last = n
            if not self.for_all:
                answer = self.answers.next()
                if answer == "cancel":
                    return "stop"
                if answer in ("yes-all", "no-all"):
                    self.for_all = True
                    self.all_answer = "yes" if answer == "yes-all" else "no"
        if self.for_all:
            answer = self.all_answer
        return "add" if answer == "yes" else "skip"


class Answers:
    def __init__(self, words):
        self.words = words or ["yes"]
        self.i = 0

    def next(self):
        w = self.words[min(self.i, len(self.words) - 1)]
        self.i += 1
        return w


class Converter:
    def __init__(self, board, pins, scale, title, top, bot, mtop, mbot, drill,
                 view=True, answers=None):
        self.b = board
        self.pins = pins
        self.scale = scale
        self.title = title
        self.top, self.bot, self.mtop, self.mbot, self.drill = top, bot, mtop, mbot, drill
        self.view = view
        self.answers = Answers(answers)
        self.out = []
        self.layer_outputs = []
        self.ap = Apertures()

    # ---- helpers -------------------------------------------------------
    def w(self, *parts):
        self.out.append(b"".join(p if isinstance(p, bytes) else p.encode("latin-1") for p in parts))

    def pt(self, x, y):
        return f42(x * self.scale) + "," + f42(y * self.scale)

    def axy(self, x, y):
        self.w("axy@ ", self.pt(x, y))

    def view_all(self):
        if self.view:
            self.w("view_all@")

    # ---- driver ----------------------------------------------------------
    def convert(self, options, fmt):
        self.ap = Apertures()
        self.out = []
        self.prolog(fmt)
        self.build_apertures()
        if fmt == 0:
            self.layer_outputs = []
            self.aperture_table()
            self.padstacks()
            self.cam_layer_table()
            if options & CO_POLY:
                self.cam_polygons()
            if options & CO_PADS:
                self.cam_pads()
            if options & CO_LINES:
                self.cam_lines()
            if options & CO_ARCS:
                self.cam_arcs()
            if options & CO_TEXT:
                self.cam_text()
        elif fmt == 1:
            self.layer_outputs = []
            for li in range(len(self.b.layers)):
                self.begin_gerber(li)
                if options & CO_POLY:
                    self.gbr_polygons(li)
                if options & CO_PADS:
                    self.gbr_flashes(li)
                if options & CO_LINES:
                    self.gbr_lines(li)
                if options & CO_ARCS:
                    self.gbr_arcs(li)
            if self.b.layers:
                self.layer_outputs.append(self.out + [b"M02*"])
            self.prolog(2)
            self.aperture_table()
            self.cam_text()
        elif fmt == 3:
            self.layer_outputs = []
            for i, l in enumerate(self.b.layers):
                self.w("COM matrix_add_layer,job=$gJob,matrix=matrix,layer=", lower(l.name),
                       ",row=%d,context=misc,type=document,polarity=positive" % (i + 1))
            self.w("COM open_job,job=$gJob")
            self.w("COM open_entity,job=$gJob,type=step,name=pcad45,iconic=no")
            self.w("COM units,type=mm")
            if options & CO_POLY:
                self.gen_polygons()
            if options & CO_PADS:
                self.gen_pads()
            if options & CO_LINES:
                self.gen_lines()
            if options & CO_ARCS:
                self.gen_arcs()
            if options & CO_TEXT:
                self.gen_text()
            self.w("COM open_entity,job=$gJob,type=matrix,name=matrix,iconic=no")
            self.w("COM matrix_page_close,job=$gJob,matrix=matrix")

    def build_apertures(self):
        for l in self.b.layers:
            for ln in l.lines:
                self.ap.find_or_add(1, True, ln["width"] * self.scale)
        for l in self.b.layers:
            for a in l.arcs:
                self.ap.find_or_add(1, True, a["width"] * self.scale)
        self.ap.find_or_add(1, True, 10 * self.scale)
        self.pins.assign_apertures(self.ap)

    def prolog(self, kind):
        self.out = []
        t = self.title
        if kind == 0:
            self.w("; Macro for CAM350 V5.0")
            self.w("; Macro generated by QUILLON (C)")
            self.w("; ", one_line(t))
            self.w("setunit@ 1")
        elif kind == 1:
            self.w("G04 Gerber generated by QUILLON (C) *")
            self.w("G04 ", gerber_text(t), " *")
            self.w("%FSLAX33Y33*%")
            self.w("%MOMM*%")
            self.w("%SFA1.000B1.000*%")
        elif kind == 2:
            self.w("; Macro for CAM350 V5.0")
            self.w("; Macro generated by QUILLON (C)")
            self.w("; Note: Macro contain only text, other data in gerber files.")
            self.w("; ", one_line(t))
            self.w("setunit@ 1")
        elif kind == 3:
            for line in [
                "#!/bin/csh",
                "# Genesis script generated by QUILLON (C)",
                None,
                "set gJob=quillon",
                "#Checking if job exist?",
                "COM info, out_file=C:/tmp/quillon_var,args=  -t job -e $gJob -m script -d EXISTS",
                "source C:/tmp/quillon_var",
                "#If job exist, then open, close and delete job",
                "if ($gEXISTS == 'yes') then",
                "    COM open_job,job=$gJob",
                "    COM close_job,job=$gJob",
                "    COM delete_entity,job=,type=job,name=$gJob",
                "endif",
                "echo creating job=$gJob",
                "COM create_entity,job=,is_fw=no,type=job,name=$gJob,db=genesis,fw_type=form",
                "COM create_entity,job=$gJob,is_fw=no,type=step,name=pcad45,db=genesis,fw_type=form",
            ]:
                if line is None:
                    self.w("# ", one_line(t), " ")
                else:
                    self.w(line)

    def aperture_table(self):
        for r in self.ap.rows:
            self.w("edit_aperture@ %d,%d,%s,%s,0,\"\"" % (r["dcode"], r["shape"], f24(r["size"]), f24(r["size"])))
            self.w("update_dcodebar@")

    def cam_layer_table(self):
        for i, l in enumerate(self.b.layers):
            self.w("edit_layer@ %d,%d,%d,4,0,\"" % (i, l.number, l.number), one_line(l.name), "\"")

    # ---- CAM350 ----------------------------------------------------------
    def padstacks(self):
        for i in range(len(self.pins.rows)):
            r = self.pins.get(i)
            p = r["pin"] + 1
            if r["shape"] != 0:
                self.w("edit_padstack_dcode@ %d,%d,%d" % (p, self.top, r["pad_d"]))
                self.w("edit_padstack_dcode@ %d,%d,%d" % (p, self.bot, r["pad_d"]))
            self.w("edit_padstack_dcode@ %d,%d,%d" % (p, self.drill, r["hole_d"]))

    def cam_pads(self):
        q = Question(self.answers, "Via with")
        for i, l in enumerate(self.b.layers):
            if not l.flashes:
                continue
            self.w("setlayer@ %d" % i)
            for fl in l.flashes:
                d = q.decide(self.pins, fl["pin"] - 1)
                if d == "stop":
                    return
                if d == "skip":
                    continue
                self.w("add_padstack@")
                self.w("setpadstack@ %d" % fl["pin"])
                self.axy(fl["x"], fl["y"])
                self.w("back@")
            self.view_all()

    def select_aperture(self, width, state, prefix=""):
        d = self.ap.find_or_add(1, True, width * self.scale)
        if self.ap.take_new(d):
            s = self.ap.find_by_dcode(d)["size"]
            self.w(prefix + "edit_aperture@ %d,1,%s,%s,0,\"\"" % (d, f24(s), f24(s)))
            self.w(prefix + "update_dcodebar@")
        if d != state[0]:
            self.w(prefix + "setdcode@ %d" % d)
            state[0] = d

    def cam_lines(self):
        last = [0]
        for i, l in enumerate(self.b.layers):
            if not l.lines:
                continue
            self.w("setlayer@ %d" % i)
            for ln in l.lines:
                self.select_aperture(ln["width"], last)
                self.w("add_rectangle@" if ln["kind"] in (0x80A6, 0x80A7) else "add_line@")
                self.axy(ln["sx"], ln["sy"])
                self.axy(ln["ex"], ln["ey"])
                self.w("back@")
            self.view_all()

    def cam_arcs(self):
        last = [1]
        for i, l in enumerate(self.b.layers):
            if not l.arcs:
                continue
            self.w("setlayer@ %d" % i)
            for a in l.arcs:
                self.select_aperture(a["width"], last)
                self.w("update_dcodebar@")
                full = a["sx"] == a["ex"] and a["sy"] == a["ey"]
                self.w("add_circle@" if full else "add_arc@")
                self.axy(a["cx"], a["cy"])
                self.axy(a["sx"], a["sy"])
                if not full:
                    self.axy(a["ex"], a["ey"])
                self.w("back@")
            self.view_all()

    JUST = {25: 12, 26: 20, 27: 4, 33: 9, 34: 17, 35: 5, 41: 10, 42: 18, 43: 6}

    def cam_text(self):
        self.w("textjust@ 4")
        self.w("textmirror@ 0")
        lj, lm, lr, ls = 4, 0, 0, 0
        for i, l in enumerate(self.b.layers):
            if not l.texts:
                continue
            self.w("setlayer@ %d" % i)
            for t in l.texts:
                d = self.ap.find_or_add(1, True, 10 * self.scale)
                if self.ap.take_new(d):
                    s = self.ap.find_by_dcode(d)["size"]
                    self.w("edit_aperture@ %d,1,%s,%s,0,\"\"" % (d, f24(s), f24(s)))
                    self.w("update_dcodebar@")
                self.w("setdcode@ %d" % d)
                j = self.JUST.get(t["just"], lj)
                if j != lj:
                    self.w("textjust@ %d" % j)
                lj = j
                if t["mirror"] != lm:
                    self.w("textmirror@ 1" if t["mirror"] else "textmirror@ 0")
                lm = t["mirror"]
                if t["rotation"] != lr:
                    self.w("textangle@ " + d42(t["rotation"] * 100))
                lr = t["rotation"]
                if t["size"] != ls:
                    self.w("textfullheight@ " + f42(t["size"] * self.scale))
                ls = t["size"]
                p = self.pt(t["x"], t["y"])
                self.w("addtext@ ", p, ",", p, ",\"", one_line(t["text"]), "\"")
                self.w("back@")
            self.view_all()

    SETTINGS = ["polyfilldcode@ 10", "polyclearance@ 0.0", "polyfillpattern@ \"SOLID\"",
                "polyfillmethod@ \"RASTER\"", "polyaddtype@ \"DRAWBORDER\"", "add_pouring@"]

    def cam_polygons(self):
        pick = ""
        for i, l in enumerate(self.b.layers):
            if not l.polygons:
                continue
            self.w("setlayer@ %d" % i)
            self.w("polylayer@ %d" % i)
            for p in l.polygons:
                outs = p["outlines"]
                if not outs or not outs[0]:
                    continue  # nothing to pour, nothing to cut voids from
                for s in self.SETTINGS:
                    self.w(s)
                outer = outs[0]
                for seg in outer:
                    self.axy(seg[0], seg[1])
                self.axy(outer[-1][2], outer[-1][3])
                self.w("back@")
                self.w("end@")
                pick = self.pt(outer[-1][2], outer[-1][3])
                self.w("layer_alloff@ 1")
                for o in outs[1:]:
                    if not o:
                        continue
                    self.w("add_polyvoid@")
                    pick = self.pt(o[0][0], o[0][1])
                    self.w("axy@ ", pick)
                    for seg in o:
                        self.axy(seg[0], seg[1])
                    self.axy(o[-1][2], o[-1][3])
                    self.w("back@")
                for c in p["circles"]:
                    self.w("add_polyvoid_cir@")
                    self.w("axy@ ", pick)
                    self.axy(c["cx"], c["cy"])
                    self.axy(c["sx"], c["sy"])
                    self.w("back@")
                self.w("layer_alloff@ 0")
            self.view_all()
        for i, l in enumerate(self.b.layers):
            if not l.lines:
                continue
            self.w("setlayer@ %d" % i)
            self.w("polylayer@ %d" % i)
            for ln in l.lines:
                if ln["kind"] != 0x80A6:
                    continue
                for s in self.SETTINGS:
                    self.w(s)
                self.axy(ln["sx"], ln["sy"])
                self.axy(ln["ex"], ln["sy"])
                self.axy(ln["ex"], ln["ey"])
                self.axy(ln["sx"], ln["ey"])
                self.w("back@")
                self.w("end@")
            self.view_all()

    # ---- Gerber ----------------------------------------------------------
    def gxy(self, x, y):
        return "X" + coord(x * self.scale) + "Y" + coord(y * self.scale)

    def begin_gerber(self, li):
        if li > 0:
            self.layer_outputs.append(self.out + [b"M02*"])
        self.prolog(1)
        for r in self.ap.rows:
            letter = {1: "C", 2: "R"}.get(r["shape"], "?")
            second = r["size"] if letter == "R" else 0.0
            self.w("%%ADD%d%s,%sX%s*%%" % (r["dcode"], letter, f24(r["size"]), f24(second)))
        self.w("%LN", gerber_text(self.b.layers[li].name), "*%")
        self.w("%LPD*%")

    def gbr_outline(self, segs):
        for k, s in enumerate(segs):
            self.w(("G00" if k == 0 else "G01") + self.gxy(s[0], s[1]) + ("D02*" if k == 0 else "D01*"))
        self.w("G01" + self.gxy(segs[-1][2], segs[-1][3]) + "D01*")

    def gbr_polygons(self, li):
        l = self.b.layers[li]
        for p in l.polygons:
            outs = p["outlines"]
            if not outs or not outs[0]:
                continue  # no copper to cut holes into: the polygon draws nothing
            self.w("%LPD*%")
            self.w("G36*")
            self.gbr_outline(outs[0])
            self.w("G37*")
            for o in outs[1:]:
                if not o:
                    continue
                self.w("%LPC*%")
                self.w("G36*")
                self.gbr_outline(o)
                self.w("G37*")
            self.w("G75*")
            for c in p["circles"]:
                self.w("%LPC*%")
                self.w("G36*")
                self.w("G01" + self.gxy(c["sx"], c["sy"]) + "D02*")
                i = coord(c["cx"] * self.scale - c["sx"] * self.scale)
                j = coord(c["cy"] * self.scale - c["sy"] * self.scale)
                self.w("G03" + self.gxy(c["sx"], c["sy"]) + "I" + i + "J" + j + "D01*")
                self.w("G37*")
        self.w("%LPD*%")
        for ln in l.lines:
            if ln["kind"] != 0x80A6:
                continue
            self.w("G36*")
            self.w("G00" + self.gxy(ln["sx"], ln["sy"]) + "D02*")
            self.w("G01" + self.gxy(ln["ex"], ln["sy"]) + "D01*")
            self.w("G01" + self.gxy(ln["ex"], ln["ey"]) + "D01*")
            self.w("G01" + self.gxy(ln["sx"], ln["ey"]) + "D01*")
            self.w("G01" + self.gxy(ln["sx"], ln["sy"]) + "D01*")
            self.w("G37*")

    def gbr_flashes(self, li):
        if self.drill >= len(self.b.layers) or not self.b.layers[self.drill].flashes:
            return
        q = Question(self.answers, "Via which")
        for fl in self.b.layers[self.drill].flashes:
            n = fl["pin"] - 1
            dec = q.decide(self.pins, n)
            if dec == "stop":
                return
            if dec == "skip" or not self.pins.rows:
                continue
            row = self.pins.find_by_pin(n, None)
            d = 0
            if li == self.top:
                d = row["pad_d"]
            if li == self.bot:
                d = row["pad_d"]
            if li == self.mtop:
                d = 0
            if li == self.mbot:
                d = 0
            if li == self.drill:
                d = row["hole_d"]
            if d != 0:
                self.w("G54D%d*" % d)
                self.w(self.gxy(fl["x"], fl["y"]) + "D03*")

    def gbr_lines(self, li):
        last = None
        for ln in self.b.layers[li].lines:
            d = self.ap.find_or_add(1, True, ln["width"] * self.scale)
            self.ap.take_new(d)
            if d != last:
                self.w("G54D%d*" % d)
            last = d
            self.w("G00" + self.gxy(ln["sx"], ln["sy"]) + "D02*")
            if ln["kind"] == 0x80A8:
                self.w("G01" + self.gxy(ln["ex"], ln["ey"]) + "D01*")
            elif ln["kind"] in (0x80A7, 0x80A6):
                for x, y in ((ln["ex"], ln["sy"]), (ln["ex"], ln["ey"]), (ln["sx"], ln["ey"]), (ln["sx"], ln["sy"])):
                    self.w("G01" + self.gxy(x, y) + "D01*")

    def gbr_arcs(self, li):
        last = None
        for a in self.b.layers[li].arcs:
            d = self.ap.find_or_add(1, True, a["width"] * self.scale)
            self.ap.take_new(d)
            if d != last:
                self.w("G54D%d*" % d)
            last = d
            self.w("G75*")
            self.w("G01" + self.gxy(a["sx"], a["sy"]) + "D02*")
            i = coord(a["cx"] * self.scale - a["sx"] * self.scale)
            j = coord(a["cy"] * self.scale - a["sy"] * self.scale)
            self.w("G03" + self.gxy(a["ex"], a["ey"]) + "I" + i + "J" + j + "D01*")
            self.w("G01*")

    # ---- Genesis ---------------------------------------------------------
    def gp(self, x, y, px="x", py="y"):
        return "%s=%s,%s=%s" % (px, f42(x * self.scale), py, f42(y * self.scale))

    def select(self, name):
        self.w("COM display_layer,name=", name, ",display=yes,number=1")
        self.w("COM work_layer,name=", name)

    def zoom(self):
        if self.view:
            self.w("COM zoom_home")

    def gen_pads(self):
        q = Question(self.answers, "Via with")
        row = dict(pin=0, hole=0.0, aperture=0.0, shape=0, hole_d=0, pad_d=0)
        for l in self.b.layers:
            if not l.flashes:
                continue
            for idx in (self.top, self.bot, self.drill):
                if idx >= len(self.b.layers):
                    raise RuntimeError("List index out of bounds (%d)" % idx)
            t = lower(self.b.layers[self.top].name)
            bb = lower(self.b.layers[self.bot].name)
            dd = lower(self.b.layers[self.drill].name)
            self.w("echo Adding pads to top and bottom layers")
            self.w("COM display_layer,name=", t, ",display=yes,number=1")
            self.w("COM work_layer,name=", t)
            self.w("COM display_layer,name=", bb, ",display=yes,number=2")
            self.w("COM affected_layer,name=", bb, ",mode=single,affected=yes")
            for fl in l.flashes:
                dec = q.decide(self.pins, fl["pin"] - 1)
                if dec == "stop":
                    return
                if dec == "skip":
                    continue
                row = self.pins.find_by_pin(fl["pin"] - 1, row)
                sym = {0: "bfr100", 1: "r", 2: "s"}.get(row["shape"], "bfr100") + fixed(row["aperture"] * 1000, 0)
                self.w("# AppertureNumber = %d" % fl["pin"])
                self.add_pad(fl, sym)
            self.w("echo Adding pads to drill layer")
            self.w("COM affected_layer,name=", dd, ",mode=all,affected=no")
            self.w("COM display_layer,name=", dd, ",display=yes,number=3")
            self.w("COM work_layer,name=", dd)
            for fl in l.flashes:
                row = self.pins.find_by_pin(fl["pin"] - 1, row)
                self.w("# AppertureNumber (drill) = %d" % fl["pin"])
                self.add_pad(fl, "r" + fixed(row["hole"] * 1000, 0))
            self.zoom()

    def add_pad(self, fl, sym):
        self.w("COM add_pad,attributes=no,", self.gp(fl["x"], fl["y"]), ",symbol=", sym,
               ",polarity=positive,angle=0,mirror=no,nx=1,ny=1,dx=0,dy=0,xscale=1,yscale=1")

    def gen_lines(self):
        for i, l in enumerate(self.b.layers):
            if not l.lines:
                continue
            self.w("echo Adding Lines for layer: %d" % i)
            self.select(lower(l.name))
            for j, ln in enumerate(l.lines):
                sym = "r" + fixed(ln["width"] * self.scale * 1000, 0)
                if ln["kind"] == 0x80A8:
                    self.w("COM add_line,attributes=no,", self.gp(ln["sx"], ln["sy"], "xs", "ys"), ",",
                           self.gp(ln["ex"], ln["ey"], "xe", "ye"), ",symbol=", sym,
                           ",polarity=positive,bus_num_lines=0,bus_dist_by=pitch,bus_distance=0,bus_reference=left")
                elif ln["kind"] == 0x80A7:
                    self.w("COM add_polyline_strt")
                    for x, y in ((ln["sx"], ln["sy"]), (ln["ex"], ln["sy"]), (ln["ex"], ln["ey"]),
                                 (ln["sx"], ln["ey"]), (ln["sx"], ln["sy"])):
                        self.w("COM add_polyline_xy,", self.gp(x, y))
                    self.w("COM add_polyline_end,attributes=no,symbol=", sym, ",polarity=positive")
                elif ln["kind"] == 0x80A6:
                    self.w("echo Skiping fill rect i=%d j=%d" % (i, j))
                else:
                    self.w("echo Skiping unknown line i=%d j=%d" % (i, j))
            self.zoom()

    def gen_arcs(self):
        last = [1]
        for i, l in enumerate(self.b.layers):
            if not l.arcs:
                continue
            self.w("echo Adding Arcs for layer: %d" % i)
            self.select(lower(l.name))
            for a in l.arcs:
                sym = "r" + fixed(a["width"] * self.scale * 1000, 0)
                self.select_aperture(a["width"], last, "#")
                self.w("#update_dcodebar@")
                full = a["sx"] == a["ex"] and a["sy"] == a["ey"]
                self.w("#add_circle@" if full else "#add_arc@")
                c = self.gp(a["cx"], a["cy"], "xc", "yc")
                s = self.gp(a["sx"], a["sy"], "xs", "ys")
                e = self.gp(a["ex"], a["ey"], "xe", "ye")
                self.w("COM add_arc,attributes=no,", c, ",", s, ",", e, ",symbol=", sym,
                       ",polarity=positive,direction=cw")
                self.w("#axy@ ", c)
                self.w("#axy@ ", s)
                if not full:
                    self.w("#axy@ ", e)
                self.w("#back@")
            self.zoom()

    def gen_text(self):
        for i, l in enumerate(self.b.layers):
            if not l.texts:
                continue
            self.w("echo Adding text for layer: %d" % i)
            self.select(lower(l.name))
            for t in l.texts:
                x0 = t["x"] * self.scale
                y0 = t["y"] * self.scale
                h = t["size"] * self.scale * 0.808
                w = 0.76 * h
                c = len(t["text"])
                self.w("echo XOrg=%s,YOrg=%s,GetSymbWidth=%s,GetSymbHeight=%s,GetTextCharCount=%d"
                       % (f42(x0), f42(y0), f42(w), f42(h), c))
                ln = c * w - 0.43 * w
                j = t["just"] if t["just"] in self.JUST else 34
                col, row = j // 8, j % 8
                xa = {3: x0 - ln / 2, 4: x0, 5: x0 - ln}[col]
                ya = {1: y0 - h, 2: y0, 3: y0 - h / 2}[row]
                if t["mirror"]:
                    xa = x0 - (xa - x0)
                    mirror = "mirror=yes"
                else:
                    mirror = "mirror=no"
                r = t["rotation"]
                angle = 0
                if r != 0:
                    a = r * math.pi / 180
                    nxa = x0 + math.cos(a) * (xa - x0) - math.sin(a) * (ya - y0)
                    nya = y0 + math.sin(a) * (xa - x0) + math.cos(a) * (ya - y0)
                    xa, ya = nxa, nya
                    angle = r if t["mirror"] else 360 - r
                self.w("COM add_text,attributes=no,type=string,x=%s,y=%s,text=" % (f42(xa), f42(ya)),
                       shell_word(t["text"]), ",x_size = %s,y_size = %s,w_factor=1,polarity=positive,angle=%d,"
                       % (f42(w), f42(h), angle), mirror, ",fontname=standard,ver=1")
            self.zoom()

    def surface(self, segs, polarity):
        self.w("COM add_surf_strt,surf_type=feature")
        self.w("COM add_surf_poly_strt,", self.gp(segs[0][0], segs[0][1]))
        for s in segs[1:]:
            self.w("COM add_surf_poly_seg,", self.gp(s[0], s[1]))
        self.w("COM add_surf_poly_seg,", self.gp(segs[-1][2], segs[-1][3]))
        self.w("COM add_surf_poly_seg,", self.gp(segs[0][0], segs[0][1]))
        self.w("COM add_surf_poly_end")
        self.w("COM add_surf_end,attributes=no,polarity=" + polarity)

    def gen_polygons(self):
        for i, l in enumerate(self.b.layers):
            if not l.polygons:
                continue
            self.w("echo Adding Complex Polygons for layer %d" % i)
            self.select(lower(l.name))
            for p, poly in enumerate(l.polygons):
                outs = poly["outlines"]
                if not outs or not outs[0]:
                    continue  # no copper to cut voids into: the polygon draws nothing
                self.surface(outs[0], "positive")
                for o in range(1, len(outs)):
                    if not outs[o]:
                        continue
                    self.w("echo Adding Void Complex Polygons for layer %d, ComplesPolygons: %d, OutLines: %d" % (i, p, o))
                    self.surface(outs[o], "negative")
                for ci, c in enumerate(poly["circles"]):
                    self.w("echo Adding Void Circle for layer: %d, ComplexPolygons: %d, VoidCircles %d" % (i, p, ci))
                    self.w("COM add_surf_strt,surf_type=feature")
                    self.w("COM add_surf_poly_strt,", self.gp(c["sx"], c["sy"]))
                    self.w("COM add_surf_poly_crv,", self.gp(c["cx"], c["cy"], "xc", "yc"), ",",
                           self.gp(c["sx"], c["sy"], "xe", "ye"), ",cw=yes")
                    self.w("COM add_surf_poly_end")
                    self.w("COM add_surf_end,attributes=no,polarity=negative")
            self.zoom()
        for i, l in enumerate(self.b.layers):
            if not l.lines:
                continue
            self.w("echo Adding Rectange Polygons for layer %d" % i)
            self.select(lower(l.name))
            for ln in l.lines:
                if ln["kind"] != 0x80A6:
                    continue
                self.w("COM add_surf_strt,surf_type=feature")
                self.w("COM add_surf_poly_strt,", self.gp(ln["sx"], ln["sy"]))
                for x, y in ((ln["ex"], ln["sy"]), (ln["ex"], ln["ey"]), (ln["sx"], ln["ey"]), (ln["sx"], ln["sy"])):
                    self.w("COM add_surf_poly_seg,", self.gp(x, y))
                self.w("COM add_surf_poly_end")
                self.w("COM add_surf_end,attributes=no,polarity=positive")
            self.zoom()
