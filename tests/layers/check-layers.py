#!/usr/bin/env python3
"""Names file and line of any #include in src/ against the layers: a folder may
include only itself and the folders before it in LAYERS."""
import pathlib
import re
import sys

LAYERS = ["core", "generators", "decadic", "solution", "drill", "reference", "worksheet",
          "windows", "arbeitsblatt"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"')
RANK = {name: i for i, name in enumerate(LAYERS)}

src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
wrong = []
for path in sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp") and p.parent != src):
    folder = path.relative_to(src).parts[0]
    if folder not in RANK:
        wrong.append(f"{path}: folder {folder} has no place among the layers")
        continue
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if match and RANK.get(match.group(1), -1) > RANK[folder]:
            wrong.append(f"{path}:{number}: {folder} includes {match.group(1)}: {line.strip()}")
sys.exit("\n".join(wrong) or 0)
