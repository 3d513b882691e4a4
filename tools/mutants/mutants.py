#!/usr/bin/env python3
"""Plants small faults in a scratch copy of the tree, one at a time, and tells
which of them the tests catch.

The faults are listed in tools/mutants/faults.txt, one entry a fault:

    ## a name for the fault
    file: src/generators/LaengenTables.h
    find: {  1,  10, RandDigit},
    replace: {  1,  11, RandDigit},

`find` must occur exactly once in the file. Several find/replace pairs in one
entry are applied together. The scratch copy lives in build/mutants; each fault
is built incrementally there and the whole test suite runs until its first
failure. The scratch copy is the last commit, not the working tree. Usage: mutants.py [--only NAME-SUBSTRING] [--jobs N] [--commit REV]
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRATCH = TREE = BUILD = None


def use_scratch(folder):
    global SCRATCH, TREE, BUILD
    SCRATCH = os.path.abspath(folder)
    TREE = os.path.join(SCRATCH, "tree")
    BUILD = os.path.join(SCRATCH, "build")


def read_faults(path):
    faults, current = [], None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line.startswith("## "):
                current = {"name": line[3:].strip(), "file": None, "edits": [], "line": number}
                faults.append(current)
            elif current is None or not line.strip() or line.startswith("#"):
                continue
            elif line.startswith("file: "):
                current["file"] = line[6:].strip()
            elif line.startswith("find: "):
                current["edits"].append([line[6:], None])
            elif line.startswith("replace: "):
                if not current["edits"] or current["edits"][-1][1] is not None:
                    sys.exit(f"{path}:{number}: replace without its find")
                current["edits"][-1][1] = line[9:]
            else:
                sys.exit(f"{path}:{number}: cannot read: {line}")
    for fault in faults:
        if not fault["file"] or not fault["edits"] or any(r is None for _, r in fault["edits"]):
            sys.exit(f"{path}:{fault['line']}: fault '{fault['name']}' is incomplete")
    return faults


def copy_tree(commit):
    """Brings the scratch tree up to `commit` (not the working tree, so
    half-done edits never count); only changed files are written, so the
    scratch build stays incremental."""
    head = os.path.join(SCRATCH, "head")
    shutil.rmtree(head, ignore_errors=True)
    os.makedirs(head)
    archive = subprocess.run(["git", "archive", "--format=tar", commit], cwd=ROOT, check=True,
                             capture_output=True).stdout
    subprocess.run(["tar", "-x", "-C", head], input=archive, check=True)
    for folder, _, names in os.walk(head):
        for name in names:
            src = os.path.join(folder, name)
            dst = os.path.join(TREE, os.path.relpath(src, head))
            if os.path.exists(dst) and open(src, "rb").read() == open(dst, "rb").read():
                shutil.copymode(src, dst)
                continue
            os.makedirs(os.path.dirname(dst), exist_ok=True)
            shutil.copyfile(src, dst)  # a new mtime, so ninja rebuilds it
            shutil.copymode(src, dst)
    # Files the commit no longer has go too: a stale header would still be
    # read by a test that scans the sources.
    for folder, _, names in os.walk(TREE):
        for name in names:
            dst = os.path.join(folder, name)
            if not os.path.exists(os.path.join(head, os.path.relpath(dst, TREE))):
                os.remove(dst)
    shutil.rmtree(head)


def run(cmd, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", help="run only the faults whose name contains this text")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--commit", default="HEAD", help="the commit to plant the faults in (default HEAD)")
    parser.add_argument("--scratch", default=os.path.join(ROOT, "build", "mutants"),
                        help="the folder of the scratch copy and its build (default build/mutants)")
    parser.add_argument("--faults", default=os.path.join(ROOT, "tools", "mutants", "faults.txt"))
    args = parser.parse_args()
    use_scratch(args.scratch)

    faults = read_faults(args.faults)
    if args.only:
        faults = [f for f in faults if args.only in f["name"]]
    os.makedirs(TREE, exist_ok=True)
    copy_tree(args.commit)
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    run(["cmake", "-S", TREE, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release", *launcher], check=True)
    base = run(["cmake", "--build", BUILD, "-j", str(args.jobs)])
    if base.returncode != 0:
        sys.exit("the unchanged tree does not build:\n" + base.stdout[-3000:])
    clean = run(["ctest", "-j", str(args.jobs), "--output-on-failure"], cwd=BUILD)
    if clean.returncode != 0:
        sys.exit("the unchanged tree fails its tests:\n" + clean.stdout[-3000:])

    caught = 0
    results = []
    for fault in faults:
        path = os.path.join(TREE, fault["file"])
        original = open(path, encoding="utf-8").read()
        text = original
        problem = None
        for find, replace in fault["edits"]:
            count = text.count(find)
            if count != 1:
                problem = f"'{find}' occurs {count} times in {fault['file']}"
                break
            text = text.replace(find, replace)
        if problem:
            results.append((fault["name"], "NOT APPLIED", problem))
            print(f"NOT APPLIED  {fault['name']}: {problem}", flush=True)
            continue
        started = time.time()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
            build = run(["cmake", "--build", BUILD, "-j", str(args.jobs)])
            if build.returncode != 0:
                verdict, detail = "NO BUILD", build.stdout.strip().splitlines()[-1:]
            else:
                test = run(["ctest", "-j", str(args.jobs), "--stop-on-failure"], cwd=BUILD)
                failed = [l.split(" - ")[-1].strip() for l in test.stdout.splitlines() if "***Failed" in l
                          or "***Exception" in l or "***Timeout" in l or " (Failed)" in l]
                verdict = "caught" if test.returncode != 0 else "NOT CAUGHT"
                detail = failed[:2]
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        if verdict == "caught":
            caught += 1
        results.append((fault["name"], verdict, detail))
        print(f"{verdict:12} {fault['name']}  ({time.time() - started:.0f} s) {' '.join(map(str, detail))}",
              flush=True)
    # Put the build back to the unchanged tree.
    run(["cmake", "--build", BUILD, "-j", str(args.jobs)])
    planted = sum(1 for _, v, _ in results if v in ("caught", "NOT CAUGHT"))
    print(f"\n{caught} of {planted} planted faults caught", end="")
    skipped = len(results) - planted
    print(f" ({skipped} not planted: they did not apply or did not build)" if skipped else "")
    return 0 if caught == planted else 1


if __name__ == "__main__":
    sys.exit(main())
