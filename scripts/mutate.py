#!/usr/bin/env python3
"""How many seeded faults do the tests catch? Run through scripts/mutate.sh.

Lists every place in the sources where a small fault can be made (a
comparison flipped, a bound moved by one, a condition negated, a call
dropped, a constant changed...), draws a fixed sample of them with a seed,
and for each one in turn: writes the fault into its file, rebuilds the tests
incrementally, runs them under a time limit, and puts the file back. A fault
that does not build is set aside; one the tests fail on (or time out on) is
caught. Prints "caught N of M", the survivors by file and line, and the
tests that failed on none of the faults or only on faults that other tests
caught too (a fault that crashes the run or runs out of time is counted for
no test in particular).
"""

import argparse
import collections
import os
import random
import re
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

MODES = {
    "core": {
        "folders": ["app", "browser", "chain", "commands", "settings", "preview", "help"],
        "configure": ["-DCMAKE_BUILD_TYPE=Debug"],
        "target": "unit_tests",
        "run": ["./unit_tests", "--gtest_brief=1"],
    },
    "adapter": {
        "folders": ["win32"],
        "skip": {"win32/main.cpp"},  # not in the adapter tests
        "configure": [
            "-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake",
            "-DCMAKE_BUILD_TYPE=Release",
        ],
        "target": "win32_tests",
        "run": ["wine", "win32_tests.exe", "--gtest_brief=1"],
    },
}

# (kind, pattern, replacement). Binary operators are matched with the spaces
# the formatter puts around them, so template brackets and arrows never are.
SWAPS = [
    ("flip comparison", " == ", " != "),
    ("flip comparison", " != ", " == "),
    ("flip comparison", " < ", " >= "),
    ("flip comparison", " >= ", " < "),
    ("flip comparison", " > ", " <= "),
    ("flip comparison", " <= ", " > "),
    ("move bound", " < ", " <= "),
    ("move bound", " <= ", " < "),
    ("move bound", " > ", " >= "),
    ("move bound", " >= ", " > "),
    ("swap logic", " && ", " || "),
    ("swap logic", " || ", " && "),
    ("swap arithmetic", " + ", " - "),
    ("swap arithmetic", " - ", " + "),
    ("flip boolean", "true", "false"),
    ("flip boolean", "false", "true"),
]
NUMBER = re.compile(r"(?<![\w.])\d+(?![\w.'])")
NOT = re.compile(r"(?<![!=<>])!(?!=)")
CALL_STATEMENT = re.compile(r"^(\s*)((?:[A-Za-z_]\w*(?:::|\.|->))*[A-Za-z_]\w*\(.*\);)\s*$")
CONDITION = re.compile(r"\b(if|while) \(")
FAILED_TEST = re.compile(r"^\[  FAILED  \] (\w+(?:/\w+)?\.\w+(?:/\w+)?)", re.M)
WORD_EDGE = re.compile(r"\w")


@dataclass(frozen=True)
class Mutant:
    path: str
    line: int  # from 1
    kind: str
    before: str
    after: str


def masked(line):
    """The line with string and character literals and a trailing comment
    blanked, so that positions still match the line."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(c if c == quote else " ")
            quote = None if c == quote else quote
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)]


def closing_paren(text, start):
    depth = 0
    for i in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return -1


def line_mutants(path, number, line):
    code = masked(line)
    stripped = code.strip()
    if not stripped or stripped.startswith(("#", "*", "/*")) or "static_assert" in code:
        return
    for kind, old, new in SWAPS:
        for match in re.finditer(re.escape(old), code):
            at = match.start()
            if old[0].isalpha() and (
                (at > 0 and WORD_EDGE.match(code[at - 1]))
                or (at + len(old) < len(code) and WORD_EDGE.match(code[at + len(old)]))
            ):
                continue
            yield Mutant(path, number, kind, line, line[:at] + new + line[at + len(old) :])
    for match in NUMBER.finditer(code):
        value = int(match.group())
        changed = str(value + 1 if value != 1 else 0)
        yield Mutant(path, number, "change constant", line, line[: match.start()] + changed + line[match.end() :])
    for match in NOT.finditer(code):
        yield Mutant(path, number, "drop negation", line, line[: match.start()] + line[match.end() :])
    for match in CONDITION.finditer(code):
        open_at = match.end() - 1
        close_at = closing_paren(code, open_at)
        if close_at > 0:
            inside = line[open_at + 1 : close_at]
            yield Mutant(path, number, "negate condition", line,
                         line[: open_at + 1] + "!(" + inside + ")" + line[close_at:])
    call = CALL_STATEMENT.match(code)
    if call and not re.match(r"\s*(return|delete|throw|case|else)\b", code) and closing_paren(code, code.index("(")) == len(code.rstrip()) - 2:
        yield Mutant(path, number, "drop call", line, call.group(1) + "{}")


def all_mutants(mode):
    settings = MODES[mode]
    found = []
    for folder in settings["folders"]:
        for file in sorted((ROOT / folder).glob("*.cpp")):
            relative = file.relative_to(ROOT).as_posix()
            if relative in settings.get("skip", ()):
                continue
            for number, line in enumerate(file.read_text().splitlines(), 1):
                found.extend(line_mutants(relative, number, line))
    return found


def run(command, cwd, limit=None):
    started = time.monotonic()
    try:
        done = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              stdin=subprocess.DEVNULL, timeout=limit)
        return done.returncode, time.monotonic() - started, done.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return None, time.monotonic() - started, ""


def list_tests(command, build_dir):
    """The full names of the tests, as GoogleTest reports failures."""
    _, _, listing = run(command[:-1] + ["--gtest_list_tests"], build_dir, 120)
    tests, suite = [], ""
    for line in listing.splitlines():
        if line and not line[0].isspace() and line.rstrip().endswith("."):
            suite = line.split()[0]
        elif line.startswith("  ") and suite:
            tests.append(suite + line.split()[0])
    return tests


def build(build_dir, target, jobs):
    return run(["cmake", "--build", str(build_dir), "--target", target, f"-j{jobs}"], ROOT)[0] == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("mode", choices=MODES)
    parser.add_argument("--count", type=int, default=100, help="faults drawn (default 100)")
    parser.add_argument("--seed", type=int, default=14, help="the draw's seed (default 14)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--list", action="store_true", help="print the draw and stop")
    parser.add_argument("--only", action="append", metavar="PATH",
                        help="draw only from files whose path starts so (repeatable)")
    args = parser.parse_args()
    settings = MODES[args.mode]

    candidates = all_mutants(args.mode)
    if args.only:
        candidates = [m for m in candidates if m.path.startswith(tuple(args.only))]
    draw = random.Random(args.seed).sample(candidates, min(args.count, len(candidates)))
    draw.sort(key=lambda m: (m.path, m.line, m.kind, m.after))
    print(f"{len(candidates)} places to make a fault; {len(draw)} drawn with seed {args.seed}")
    if args.list:
        for m in draw:
            print(f"{m.path}:{m.line}: {m.kind}: {m.before.strip()}  ->  {m.after.strip()}")
        return 0

    build_dir = ROOT / "build" / f"mutation-{args.mode}"
    if run(["cmake", "-S", ".", "-B", str(build_dir)] + settings["configure"], ROOT)[0] != 0 or not build(
        build_dir, settings["target"], args.jobs
    ):
        sys.exit(f"mutate: the unchanged sources do not build in {build_dir}")
    status, took, output = run(settings["run"], build_dir, 600)
    if status != 0:
        sys.exit(f"mutate: the tests fail without any fault:\n{output[-2000:]}")
    tests = list_tests(settings["run"], build_dir)
    limit = 5 * took + 20
    print(f"the tests take {took:.1f} s unchanged; a run longer than {limit:.0f} s counts as caught")

    caught, survivors, unbuilt = 0, [], 0
    catches = collections.Counter()
    alone = set()  # the tests that were the only one to fail on some fault
    originals = {}
    try:
        for index, m in enumerate(draw, 1):
            file = ROOT / m.path
            text = originals.setdefault(m.path, file.read_text())
            lines = text.split("\n")
            lines[m.line - 1] = m.after
            file.write_text("\n".join(lines))
            if not build(build_dir, settings["target"], args.jobs):
                unbuilt += 1
                verdict = "does not build"
            else:
                status, _, output = run(settings["run"], build_dir, limit)
                failed = set(FAILED_TEST.findall(output))
                catches.update(failed)
                if len(failed) == 1:
                    alone |= failed
                if status == 0:
                    survivors.append(m)
                    verdict = "SURVIVED"
                else:
                    caught += 1
                    verdict = "caught" if status is not None else "caught (time limit)"
                    if failed:
                        verdict += " by " + ", ".join(sorted(failed))
            file.write_text(text)
            print(f"[{index}/{len(draw)}] {m.path}:{m.line} {m.kind}: {verdict}", flush=True)
    finally:
        for path, text in originals.items():
            (ROOT / path).write_text(text)
        build(build_dir, settings["target"], args.jobs)

    tested = len(draw) - unbuilt
    print(f"\n{unbuilt} of the {len(draw)} faults do not build and are set aside")
    print(f"caught {caught} of {tested}")
    last = None
    for m in survivors:
        if m.path != last:
            print(f"\n{m.path}")
            last = m.path
        print(f"  {m.line}: {m.kind}: {m.before.strip()}  ->  {m.after.strip()}")
    idle = [test for test in tests if not catches[test]]
    shared = [test for test in tests if catches[test] and test not in alone]
    print(f"\n{len(idle)} of the {len(tests)} tests failed on none of the faults:")
    for test in idle:
        print(f"  {test}")
    print(f"{len(shared)} more failed only on faults that other tests caught too:")
    for test in shared:
        print(f"  {test} ({catches[test]})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
