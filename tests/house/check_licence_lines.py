#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Lists every source file of the tree that does not open with its licence line.

A source file is code or a build script: C++, CMake, Python, shell, JavaScript,
the Makefile and the CI entry. Its first line (the second after a "#!" line)
must be an SPDX-License-Identifier line, so that packaging tools and reviewers
can read the licence of each file mechanically.
"""
import os
import sys

SKIP_DIRS = {'.git', 'node_modules'}
SUFFIXES = ('.cpp', '.h', '.cmake', '.py', '.sh', '.js')
NAMES = {'CMakeLists.txt', 'Makefile'}


def is_source(rel):
    name = os.path.basename(rel)
    return name.endswith(SUFFIXES) or name in NAMES or rel == os.path.join('.ci', 'run')


def opening_line(path):
    with open(path, 'rb') as f:
        first = f.readline()
        if first.startswith(b'#!'):
            first = f.readline()
    return first


def missing(root):
    for folder, dirs, files in os.walk(root):
        # Build trees (anything holding a CMakeCache.txt) are not sources.
        dirs[:] = sorted(d for d in dirs if d not in SKIP_DIRS and
                         not os.path.exists(os.path.join(folder, d, 'CMakeCache.txt')))
        for name in sorted(files):
            rel = os.path.relpath(os.path.join(folder, name), root)
            if is_source(rel) and b'SPDX-License-Identifier: MIT' not in opening_line(
                    os.path.join(root, rel)):
                yield rel


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else '.'
    bad = list(missing(root))
    for rel in bad:
        print(f'{rel}: no "SPDX-License-Identifier: MIT" line at the top')
    print(f'{len(bad)} source files without the licence line')
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
