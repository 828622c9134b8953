#!/usr/bin/env python3
"""Fails when a file under src/ includes a header of a folder its own folder may
not use. The folders and what each may include are the `layers` block of the
README's developer section: a folder may include itself, the folders after its
colon and, through them, whatever those may include."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
readme = (root / "README.md").read_text(encoding="utf-8")
block = re.search(r"^```layers\n(.*?)^```$", readme, re.M | re.S)
if not block:
    sys.exit("layer-check: README.md has no ```layers block")

uses = {}
for line in block.group(1).splitlines():
    folder, _, below = line.partition(":")
    uses[folder.strip()] = below.split()
for folder, below in uses.items():
    for other in below:
        if other not in uses:
            sys.exit(f"layer-check: {folder} may use {other}, which is not a listed folder")


def reachable(folder, seen=()):
    if folder in seen:
        sys.exit(f"layer-check: the layers go round: {' → '.join(seen + (folder,))}")
    found = {folder}
    for other in uses[folder]:
        found |= reachable(other, seen + (folder,))
    return found


allowed = {folder: reachable(folder) for folder in uses}
include = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
faults = []
for path in sorted((root / "src").rglob("*")):
    if path.suffix not in (".cpp", ".h"):
        continue
    source = path.relative_to(root / "src")
    folder = source.parent.as_posix()
    if folder not in uses:
        faults.append(f"src/{source}: its folder {folder} is not in the layers list")
        continue
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = include.match(line)
        if not match:
            continue
        target = pathlib.PurePosixPath(match.group(1)).parent.as_posix()
        target = folder if target == "." else target
        if target not in allowed[folder]:
            faults.append(f"src/{source}:{number}: {folder} may not include {match.group(1)}")

if faults:
    print("includes against the layers of README.md:", *faults, sep="\n", file=sys.stderr)
    sys.exit(1)
print(f"layers: every include under src/ keeps to the {len(uses)} folders' layers")
