#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The check as a safety net of the writers.

Converts generated boards in the legacy and fab profiles and as CAM350
macros and Genesis scripts with convert --check: every written file must draw
what the plot draws. Then writes the demo's fab package and injects one fault
at a time into a copy (a pad removed, a coordinate moved by half a
millimetre, an aperture made larger, a region dropped, two layer files
swapped, a drill hit removed): the check must fail and name the file. The
demo's macro and script get faults of their own (a pad removed, a pad moved,
a larger pad, a pouring or surface dropped, a line put on another layer),
each of which must be found naming the file and the layer.

--board-seed adds the first board of another seed, chosen for a case the
first boards of the main seed lack.

usage: check_written_files.py QUILLON_CLI EXAMPLES WORKDIR [--boards N] [--seed S]
                              [--board-seed S ...]
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reference"))

import check_outputs  # noqa: E402

PROFILES = [["--format", "gerber", "--gerber-profile", "legacy"],
            ["--format", "gerber", "--gerber-profile", "fab", "--excellon"],
            ["--format", "cam350"], ["--format", "genesis"]]


def generated_boards(cli, work, boards, seed, prefix="g"):
    r = random.Random(seed)
    failures = []
    for case in range(boards):
        plt = os.path.join(work, "%s%d.plt" % (prefix, case))
        pins = os.path.join(work, "%s%d.txt" % (prefix, case))
        open(plt, "wb").write(check_outputs.make_board(r))
        open(pins, "wb").write(check_outputs.make_pins(r))
        dbu = r.choice(["mm", "inch", "pinch"])
        answers = r.choice(["yes", "no", "yes-all", "no,yes"])
        for k, profile in enumerate(PROFILES):
            out = os.path.join(work, "%s%d-%d" % (prefix, case, k), "out.txt")
            os.makedirs(os.path.dirname(out))
            args = [cli, "convert", plt, "-o", out, "--pins", pins,
                    "--dbu", dbu, "--answers", answers, "--check", "--dpi", "40"] + profile
            p = subprocess.run(args, capture_output=True, text=True, errors="replace")
            if p.returncode == 0:
                continue
            if "Check:" not in p.stdout:
                continue  # the plot itself is refused: nothing written to check
            failures.append("board %s%d %s: %s" % (prefix, case, " ".join(profile), p.stdout.strip()))
    return failures


def write_demo(cli, examples, folder, extra=()):
    os.makedirs(folder)
    subprocess.run([cli, "convert", os.path.join(examples, "demo.plt"), "--pins",
                    os.path.join(examples, "demo-pins.txt"), "--format", "gerber",
                    "--gerber-profile", "fab", "--excellon", "-o", os.path.join(folder, "demo.txt"),
                    "--answers", "yes"] + list(extra), check=True, capture_output=True)


def check_demo(cli, examples, folder, extra=("--answers", "yes")):
    return subprocess.run([cli, "check", os.path.join(examples, "demo.plt"), "--pins",
                           os.path.join(examples, "demo-pins.txt"), "--format", "gerber",
                           "--gerber-profile", "fab", "--excellon"] + list(extra) + [folder],
                          capture_output=True, text=True)


def moved_all_half_mm(text):
    return re.sub(r"^X(-?\d+)", lambda m: "X%d" % (int(m.group(1)) + 500000), text, flags=re.M)


def outline_and_prompts(cli, examples, work):
    """The outline drawn from the extents is compared too; the check's own
    conversion shows none of the questions the user answered already."""
    failures = []
    folder = os.path.join(work, "outline")
    write_demo(cli, examples, folder, ["--outline-from-extents"])
    shape = ("--outline-from-extents", "--answers", "yes")
    p = check_demo(cli, examples, folder, shape)
    if p.returncode != 0 or "10 of 10 files match" not in p.stdout:
        failures.append("the package with an outline from the extents does not pass:\n" + p.stdout)
    if p.stderr:
        failures.append("the check's conversion with --answers said:\n" + p.stderr)
    edit(os.path.join(folder, "demo.GKO"), moved_all_half_mm)
    p = check_demo(cli, examples, folder, shape)
    if p.returncode != 1 or "demo.GKO: differs" not in p.stdout:
        failures.append("a moved outline not found: exit %d\n%s" % (p.returncode, p.stdout))
    p = check_demo(cli, examples, os.path.join(work, "demo"), ())
    lines = p.stderr.splitlines()
    if p.returncode != 0 or len(lines) != 1 or "answered yes here" not in lines[0]:
        failures.append("the check without --answers said, exit %d:\n%s" % (p.returncode, p.stderr))
    return failures


def edit(path, change):
    text = open(path).read()
    new = change(text)
    assert new != text, "the fault changed nothing in " + path
    open(path, "w").write(new)


def first_match_removed(pattern):
    return lambda text: re.sub(pattern, "", text, count=1, flags=re.M)


def moved_half_mm(text):
    # The last flash moved 0.5 mm along X (six decimals of millimetres).
    m = list(re.finditer(r"^X(-?\d+)Y(-?\d+)D03\*$", text, re.M))[-1]
    x = int(m.group(1)) + 500000
    return text[:m.start()] + "X%dY%sD03*" % (x, m.group(2)) + text[m.end():]


def larger_aperture(text):
    m = re.search(r"^%ADD(\d+)C,([0-9.]+)\*%$", text, re.M)
    return text[:m.start()] + "%%ADD%sC,%.3f*%%" % (m.group(1), float(m.group(2)) + 0.3) + text[m.end():]


def swapped(folder, a, b):
    pa, pb = os.path.join(folder, a), os.path.join(folder, b)
    ta, tb = open(pa).read(), open(pb).read()
    open(pa, "w").write(tb)
    open(pb, "w").write(ta)


def faults(cli, examples, work):
    clean = os.path.join(work, "demo")
    write_demo(cli, examples, clean)
    p = check_demo(cli, examples, clean)
    failures = [] if p.returncode == 0 else ["the demo's package does not pass: " + p.stdout]
    cases = [
        ("a pad removed", "demo.GTL", lambda f: edit(f, first_match_removed(r"^X-?\d+Y-?\d+D03\*\n"))),
        ("a coordinate moved", "demo.GTL", lambda f: edit(f, moved_half_mm)),
        ("an aperture made larger", "demo.GTL", lambda f: edit(f, larger_aperture)),
        ("a region dropped", "demo.GTL", lambda f: edit(f, first_match_removed(r"^G36\*\n(?:.*\n)*?G37\*\n"))),
        ("a drill hit removed", "demo-PTH.drl", lambda f: edit(f, first_match_removed(r"^X-?[\d.]+Y-?[\d.]+\n"))),
    ]
    for name, victim, inject in cases:
        folder = os.path.join(work, name.replace(" ", "-"))
        shutil.copytree(clean, folder)
        inject(os.path.join(folder, victim))
        p = check_demo(cli, examples, folder)
        if p.returncode != 1 or victim + ": differs" not in p.stdout:
            failures.append("%s in %s not found: exit %d\n%s" % (name, victim, p.returncode, p.stdout))
    folder = os.path.join(work, "swapped")
    shutil.copytree(clean, folder)
    swapped(folder, "demo.GTL", "demo.GBL")
    p = check_demo(cli, examples, folder)
    if p.returncode != 1 or "demo.GTL: differs" not in p.stdout or "demo.GBL: differs" not in p.stdout:
        failures.append("two layer files swapped not found:\n" + p.stdout)
    folder = os.path.join(work, "missing")
    shutil.copytree(clean, folder)
    os.remove(os.path.join(folder, "demo.GBS"))
    open(os.path.join(folder, "demo.GTO"), "w").write("not a Gerber file\n")
    p = check_demo(cli, examples, folder)
    if p.returncode != 1 or "demo.GBS: missing" not in p.stdout or "demo.GTO: unreadable" not in p.stdout:
        failures.append("a missing and an unreadable file not reported:\n" + p.stdout)
    return failures


def write_script(cli, examples, folder, fmt, name):
    os.makedirs(folder)
    subprocess.run([cli, "convert", os.path.join(examples, "demo.plt"), "--pins",
                    os.path.join(examples, "demo-pins.txt"), "--format", fmt,
                    "-o", os.path.join(folder, name), "--answers", "yes"],
                   check=True, capture_output=True)


def check_script(cli, examples, folder, fmt):
    return subprocess.run([cli, "check", os.path.join(examples, "demo.plt"), "--pins",
                           os.path.join(examples, "demo-pins.txt"), "--format", fmt,
                           "--answers", "yes", folder], capture_output=True, text=True)


def block_removed(start, end):
    """The first block of lines from one matching start to the next matching end."""
    return first_match_removed(r"^%s\r?\n(?:.*\r?\n)*?%s.*\r?\n" % (start, end))


def first_point_moved(pattern, form):
    def change(text):
        m = re.search(pattern, text, re.M)
        return text[:m.start()] + form % (float(m.group(1)) + 0.5, m.group(2)) + text[m.end():]
    return change


def cam350_larger_pad(text):
    # The aperture of the first padstack's pad, half a millimetre larger.
    d = re.search(r"^edit_padstack_dcode@ \d+,\d+,(\d+)", text, re.M).group(1)
    return re.sub(r"^edit_aperture@ %s,(\d),([0-9.]+),([0-9.]+)," % d,
                  lambda m: "edit_aperture@ %s,%s,%.4f,%.4f," % (d, m.group(1), float(m.group(2)) + 0.5,
                                                                 float(m.group(3)) + 0.5), text, flags=re.M)


def cam350_line_moved(text):
    # The first line drawn on another layer than its own.
    m = re.search(r"^add_line@\r?\n(?:axy@.*\r?\n){2}back@\r?\n", text, re.M)
    layer = re.findall(r"^setlayer@ (\d+)", text[:m.start()], re.M)[-1]
    other = "5" if layer != "5" else "4"
    eol = "\r\n" if "\r\n" in text else "\n"
    return (text[:m.start()] + "setlayer@ " + other + eol + m.group(0) + "setlayer@ " + layer + eol +
            text[m.end():])


def genesis_larger_pad(text):
    m = re.search(r"symbol=([rs])(\d+),", text)
    return text[:m.start()] + "symbol=%s%d," % (m.group(1), int(m.group(2)) + 500) + text[m.end():]


def genesis_line_moved(text):
    m = re.search(r"^COM add_line,.*\r?\n", text, re.M)
    layer = re.findall(r"^COM work_layer,name=(\S+)", text[:m.start()], re.M)[-1]
    other = "mskgbt" if layer != "mskgbt" else "mskgtp"
    eol = "\r\n" if "\r\n" in text else "\n"
    return (text[:m.start()] + "COM work_layer,name=" + other + eol + m.group(0) +
            "COM work_layer,name=" + layer + eol + text[m.end():])


SCRIPT_FAULTS = {
    "cam350": ("demo.scr", [
        ("a pad removed", block_removed("add_padstack@", "back@")),
        ("a pad moved", first_point_moved(r"(?<=^setpadstack@ 2\n)axy@ (-?[\d.]+),(-?[\d.]+)",
                                          "axy@ %.2f,%s")),
        ("a larger pad", cam350_larger_pad),
        ("a pouring dropped", block_removed("polyfilldcode@ 10", "end@")),
        ("a line on another layer", cam350_line_moved),
    ]),
    "genesis": ("demo.csh", [
        ("a pad removed", first_match_removed(r"^COM add_pad,.*\r?\n")),
        ("a pad moved", first_point_moved(r"x=(-?[\d.]+),y=(-?[\d.]+)(?=,symbol=s)", "x=%.2f,y=%s")),
        ("a larger pad", genesis_larger_pad),
        ("a surface dropped", block_removed("COM add_surf_strt.*", "COM add_surf_end")),
        ("a line on another layer", genesis_line_moved),
    ]),
}


def script_faults(cli, examples, work):
    failures = []
    for fmt, (name, cases) in SCRIPT_FAULTS.items():
        clean = os.path.join(work, "demo-" + fmt)
        write_script(cli, examples, clean, fmt, name)
        p = check_script(cli, examples, clean, fmt)
        if p.returncode != 0 or "read by quillon" in p.stdout:
            failures.append("the demo's %s does not pass: %s" % (name, p.stdout))
        for fault, change in cases:
            folder = os.path.join(work, fmt + "-" + fault.replace(" ", "-"))
            shutil.copytree(clean, folder)
            edit(os.path.join(folder, name), change)
            p = check_script(cli, examples, folder, fmt)
            named = [line for line in p.stdout.splitlines()
                     if line.startswith(os.path.join(folder, name) + ": differs") and ": layer " in line
                     and line.endswith("(read by quillon)")]
            if p.returncode != 1 or not named:
                failures.append("%s in %s not found: exit %d\n%s" % (fault, name, p.returncode, p.stdout))
    return failures


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("examples")
    ap.add_argument("work")
    ap.add_argument("--boards", type=int, default=12)
    ap.add_argument("--seed", type=int, default=20261209)
    ap.add_argument("--board-seed", type=int, action="append", default=[])
    a = ap.parse_args()
    shutil.rmtree(a.work, ignore_errors=True)
    os.makedirs(a.work)
    failures = faults(a.cli, a.examples, a.work)
    failures += script_faults(a.cli, a.examples, a.work)
    failures += outline_and_prompts(a.cli, a.examples, a.work)
    failures += generated_boards(a.cli, a.work, a.boards, a.seed)
    for seed in a.board_seed:
        failures += generated_boards(a.cli, a.work, 1, seed, "s%d-" % seed)
    for f in failures:
        print(f)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
