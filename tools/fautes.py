#!/usr/bin/env python3
"""Measures how many plausible one-line faults the test suite catches.

    tools/fautes.py LIST.tsv [--build build] [--only N,M,...] [--jobs 2]

Each line of LIST.tsv (TAB-separated; blank lines and lines beginning with
"#" are skipped) is one fault:

    path/from/the/root<TAB>exact text<TAB>replacement<TAB>description

The exact text must occur once in the file. For each fault in turn the tool
applies it, rebuilds the build folder (already configured, as by
./build.sh), runs ctest there (the Debian package, the Samba share and the
screen-reader tests left out: they take minutes and check other things;
for a fault outside src/core, only the window test programs, the only
ones that reach window code, are rebuilt and run),
and puts the file back, whatever happens. A fault is "caught" when a test
fails, "missed" when every test passes, and "does not build" when the
build fails (such a fault is left out of the counts). The verdict of each
fault and the count per source folder are printed, and a missed fault's
line is written to LIST.missed.tsv, to be read before tests are added.
"""
import argparse
import collections
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LEFT_OUT = "paquet_debian|samba_partage|lecteur_ecran"


def read_faults(path):
    faults = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            sys.exit(f"{path}:{number}: 4 TAB-separated fields expected, {len(fields)} found")
        faults.append((number, line, *fields))
    return faults


def folder_of(source):
    parts = pathlib.PurePosixPath(source).parts
    return "/".join(parts[:3] if parts[:3] == ("src", "core", "platform") else parts[:2])


def run(command, build):
    return subprocess.run(command, cwd=build, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def try_fault(fault, build, jobs):
    _, _, source, old, new, _ = fault
    path = ROOT / source
    original = path.read_bytes()
    text = original.decode("utf-8")
    if text.count(old) != 1:
        return f"text found {text.count(old)} times"
    # Window code reaches only the window test programs: the others are
    # neither rebuilt nor run for it.
    window = not source.startswith("src/core/")
    targets = sorted(p.stem for p in (ROOT / "tests" / "gui").glob("tst_*.cpp")) if window else []
    try:
        path.write_text(text.replace(old, new), encoding="utf-8")
        build_command = ["cmake", "--build", ".", f"-j{jobs}"] + (["--target", *targets] if targets else [])
        if run(build_command, build) != 0:
            return "does not build"
        selection = ["-R", "^tst_"] if window else []
        tests = run(["ctest", f"-j{jobs}", "-E", LEFT_OUT, *selection, "--timeout", "300"], build)
        return "caught" if tests != 0 else "missed"
    finally:
        path.write_bytes(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("list", type=pathlib.Path)
    parser.add_argument("--build", type=pathlib.Path, default=ROOT / "build")
    parser.add_argument("--only", help="line numbers of the list, comma-separated")
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()
    faults = read_faults(args.list)
    if args.only:
        wanted = {int(n) for n in args.only.split(",")}
        faults = [f for f in faults if f[0] in wanted]
    counts = collections.defaultdict(collections.Counter)
    missed = []
    for fault in faults:
        verdict = try_fault(fault, args.build, args.jobs)
        print(f"{fault[0]:4} {verdict:15} {fault[2]}: {fault[5]}", flush=True)
        counts[folder_of(fault[2])][verdict] += 1
        if verdict == "missed":
            missed.append(fault[1])
    run(["cmake", "--build", ".", f"-j{args.jobs}"], args.build)  # the untouched sources again
    total = collections.Counter()
    for folder, c in sorted(counts.items()):
        total.update(c)
        tried = c["caught"] + c["missed"]
        print(f"{folder}: {c['caught']} caught of {tried}" + (f" ({c['does not build']} do not build)"
                                                                  if c["does not build"] else ""))
    tried = total["caught"] + total["missed"]
    print(f"all: {total['caught']} caught of {tried}" + (f" ({100 * total['caught'] // tried} %)" if tried else ""))
    args.list.with_suffix(".missed.tsv").write_text("".join(line + "\n" for line in missed), encoding="utf-8")


if __name__ == "__main__":
    main()
