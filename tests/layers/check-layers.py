#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The sumtrail authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The layers as the includes show them: the domain (src/core) includes nothing of the
windows (src/gui), no source includes main() (src/app), and no folder includes a folder
that includes it back, directly or through others."""
import os
import re
import sys

src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '../../src')
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
edges = {}  # folder -> {folder: an including file}
problems = []
for root, _, files in os.walk(src):
    folder = os.path.relpath(root, src)
    for name in files:
        if not name.endswith(('.h', '.cpp')):
            continue
        path = os.path.join(root, name)
        with open(path, encoding='utf-8') as f:
            text = f.read()
        for target in include.findall(text):
            if '/' not in target:
                continue  # a file of the same folder
            to = os.path.dirname(target)
            if not os.path.isdir(os.path.join(src, to)):
                continue  # not one of the program's folders
            where = os.path.join(folder, name)
            if folder.startswith('core') and not to.startswith('core'):
                problems.append(f'{where}: the domain includes {target}')
            if to.startswith('app') and not folder.startswith('app'):
                problems.append(f'{where}: includes main()\'s folder: {target}')
            if to != folder:
                edges.setdefault(folder, {}).setdefault(to, where)

# A circle is a folder reachable from a folder it reaches.
def reaches(start):
    seen, stack = set(), [start]
    while stack:
        for to in edges.get(stack.pop(), {}):
            if to not in seen:
                seen.add(to)
                stack.append(to)
    return seen

for folder in sorted(edges):
    for to, where in sorted(edges[folder].items()):
        if folder in reaches(to):
            problems.append(f'{where}: {folder} includes {to}, which includes {folder} back')

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
