#!/usr/bin/env python3
"""Fails, naming file and line, for any #include in src/ that runs against the
layers: a folder may include only itself and the folders before it in LAYERS."""
import pathlib
import re
import sys

LAYERS = ["core", "generators", "decadic", "solution", "drill", "reference", "worksheet",
          "windows", "arbeitsblatt"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"')


def main(src):
    rank = {name: i for i, name in enumerate(LAYERS)}
    wrong = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.parent == src:
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in rank:
            wrong.append(f"{path}: folder {folder} has no place among the layers")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if match and match.group(1) in rank and rank[match.group(1)] > rank[folder]:
                wrong.append(f"{path}:{number}: {folder} includes {match.group(1)}: "
                             f"{line.strip()}")
    for message in wrong:
        print(message)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")))
