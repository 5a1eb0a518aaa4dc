#!/usr/bin/env python3
"""Mutation run: does the test suite of one revision catch every fault the suite of another caught?

Small faults (a flipped comparison, a swapped operator, a changed constant) are put one at a time
into the C++ sources of the BEFORE revision. The same fault is then put into AFTER at the same
source line, found by its text; faults on lines that AFTER rewrote cannot be compared and are
counted apart. Each mutant is built and the fast CTest suites are run against it; a mutant is
caught when the build of a test program or any test fails, stillborn when the program itself no
longer compiles. The run fails when a mutant that BEFORE caught survives in AFTER.

    tools/mutants.py --before REV [--after REV] [--part core|wizard|all] [--with-desktop]
                     [--sample N] [--seed S] [--work DIR] [--resume]

--part draws the sample from the core and command-line tool, from the wizard, or from both. Many
wizard faults show only on a real desktop: --with-desktop runs each mutant that survives the fast
suites again against the end-to-end and fault suites (about a minute more for each such mutant).
--resume keeps what an earlier run of the same sample in DIR found and runs only the mutants it did not
reach, so that a run cut short can be finished.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import asdict, dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PARTS = {
    "core": ("project", "generator", "app"),
    "wizard": ("ui", "preview", "platform"),
}
PARTS["all"] = PARTS["core"] + PARTS["wizard"]
# The browser, desktop, package and fault suites take minutes each; they are left to ./test, or to
# --with-desktop for the two that drive the real programs.
SLOW_LABELS = "^(browser|e2e|package|fault_tests|ui_screenshots)$"
DESKTOP_LABELS = "^(e2e|fault_tests)$"
DESKTOP_TIMEOUT_SECONDS = 600
TEST_TIMEOUT_SECONDS = 30

# Operators are matched with the blanks clang-format puts around binary operators, so template
# brackets, stream operators and unary minus are never taken for them.
OPERATORS = [
    ("equality", r" == ", " != "),
    ("inequality", r" != ", " == "),
    ("less", r" < ", " <= "),
    ("less-equal", r" <= ", " < "),
    ("greater", r" > ", " >= "),
    ("greater-equal", r" >= ", " > "),
    ("and", r" && ", " || "),
    ("or", r" \|\| ", " && "),
    ("plus", r" \+ ", " - "),
    ("minus", r" - ", " + "),
    ("not", r"(?<=[(\s])!(?=[\w(])", ""),
    ("true", r"\btrue\b", "false"),
    ("false", r"\bfalse\b", "true"),
    ("zero", r"(?<![\w.])0(?![\w.])", "1"),
    ("one", r"(?<![\w.])1(?![\w.])", "0"),
    ("increment", r"\+\+", "--"),
]


@dataclass
class Mutant:
    path: str
    line_text: str
    operator: str
    occurrence: int
    before_line: int
    after_path: str = ""
    after_line: int = 0
    before: str = ""
    after: str = ""


def git(*args, cwd=ROOT):
    return subprocess.run(["git", *args], cwd=cwd, check=True, capture_output=True, text=True).stdout


def code_mask(lines):
    """For each line, the line with comments and literals blanked, so operators inside them are not mutated."""
    masked = []
    in_block_comment = False
    for line in lines:
        out = []
        i = 0
        while i < len(line):
            if in_block_comment:
                end = line.find("*/", i)
                if end < 0:
                    out.append(" " * (len(line) - i))
                    i = len(line)
                else:
                    out.append(" " * (end + 2 - i))
                    i = end + 2
                    in_block_comment = False
            elif line.startswith("//", i):
                out.append(" " * (len(line) - i))
                i = len(line)
            elif line.startswith("/*", i):
                in_block_comment = True
            elif line[i] in "\"'":
                quote = line[i]
                j = i + 1
                while j < len(line) and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                out.append(" " * (min(j + 1, len(line)) - i))
                i = j + 1
            else:
                out.append(line[i])
                i += 1
        masked.append("".join(out))
    return masked


def mutable_lines(text):
    lines = text.split("\n")
    for number, (line, mask) in enumerate(zip(lines, code_mask(lines)), start=1):
        stripped = line.strip()
        if stripped.startswith("#") or "R\"" in line or "static_assert" in line:
            continue
        yield number, line, mask


def mutants_of(path, text):
    for number, line, mask in mutable_lines(text):
        for name, pattern, _ in OPERATORS:
            for occurrence, _match in enumerate(re.finditer(pattern, mask)):
                yield Mutant(path, line.strip(), name, occurrence, number)


def mutated_line(line, mutant):
    """The line with the mutant's operator replaced at its occurrence, searched in the masked line."""
    _, pattern, replacement = next(op for op in OPERATORS if op[0] == mutant.operator)
    mask = code_mask([line])[0]
    match = list(re.finditer(pattern, mask))[mutant.occurrence]
    return line[: match.start()] + replacement + line[match.end() :]


def sources(tree, folders=PARTS["all"]):
    return sorted(
        str(p.relative_to(tree))
        for folder in folders
        for p in (tree / folder).rglob("*.cpp")
        if "templates" not in p.parts
    )


def line_index(tree):
    """Stripped line text -> places, over every source of the tree."""
    index = {}
    for path in sources(tree):
        for number, line in enumerate((tree / path).read_text().split("\n"), start=1):
            index.setdefault(line.strip(), []).append((path, number))
    return index


def place_in_after(mutant, after_index, after_sources):
    """The one line of AFTER that holds the mutant's line: in the same file, or anywhere when the file moved."""
    places = after_index.get(mutant.line_text, [])
    if mutant.path in after_sources:
        places = [p for p in places if p[0] == mutant.path]
    return places[0] if len(places) == 1 else None


def checkout(rev, work):
    tree = work / ("tree-" + git("rev-parse", "--short", rev).strip())
    if not tree.exists():
        git("worktree", "add", "--detach", str(tree), rev)
    # A run that was killed while a mutant was in place left it there.
    git("checkout", "--", ".", cwd=tree)
    return tree


def configure(tree):
    build = tree / "build-mutants"
    if not (build / "build.ninja").exists():
        subprocess.run(
            ["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DMARQUETTO_BENCHMARKS=OFF",
             *(["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else [])],
            check=True, capture_output=True)
    return build


def run_suites(build, labels, timeout, exclude):
    # A revision from before the tests had homes of their own would write the user's settings.
    with tempfile.TemporaryDirectory(prefix="mutants-home-") as home:
        env = {**os.environ, "HOME": home, "XDG_CONFIG_HOME": f"{home}/.config",
               "XDG_DATA_HOME": f"{home}/.local/share", "XDG_CACHE_HOME": f"{home}/.cache"}
        return subprocess.run(
            ["ctest", "--test-dir", str(build), "-LE" if exclude else "-L", labels, "-j2", "--stop-on-failure",
             "--timeout", str(timeout)],
            capture_output=True, text=True, env=env).returncode == 0


def build_and_test(tree, build, with_desktop=False):
    """'caught', 'survived' or 'stillborn' for the sources as they are now in the tree."""
    built = subprocess.run(["cmake", "--build", str(build)], capture_output=True, text=True)
    if built.returncode != 0:
        failed_objects = re.findall(r"FAILED: (\S+)", built.stdout)
        product_failed = any("/tests/" not in o and not o.startswith("tests/") for o in failed_objects)
        return "stillborn" if product_failed else "caught"
    if not run_suites(build, SLOW_LABELS, TEST_TIMEOUT_SECONDS, exclude=True):
        return "caught"
    if with_desktop and not run_suites(build, DESKTOP_LABELS, DESKTOP_TIMEOUT_SECONDS, exclude=False):
        return "caught"
    return "survived"


def run_mutant(tree, build, path, line_number, mutant, with_desktop):
    file = tree / path
    original = file.read_text()
    lines = original.split("\n")
    lines[line_number - 1] = mutated_line(lines[line_number - 1], mutant)
    try:
        file.write_text("\n".join(lines))
        return build_and_test(tree, build, with_desktop)
    finally:
        file.write_text(original)


def check_baseline(tree, build, name, with_desktop):
    if build_and_test(tree, build, with_desktop) != "survived":
        sys.exit(f"mutants: the {name} revision does not build or pass its fast tests unchanged")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--before", required=True)
    parser.add_argument("--after", default="HEAD")
    parser.add_argument("--part", choices=sorted(PARTS), default="all")
    parser.add_argument("--with-desktop", action="store_true")
    parser.add_argument("--sample", type=int, default=150)
    parser.add_argument("--seed", type=int, default=14)
    parser.add_argument("--work", type=Path, default=ROOT / "build" / "mutants")
    parser.add_argument("--resume", action="store_true")
    args = parser.parse_args()
    args.work.mkdir(parents=True, exist_ok=True)

    before_tree, after_tree = checkout(args.before, args.work), checkout(args.after, args.work)
    after_index = line_index(after_tree)
    after_sources = set(sources(after_tree))
    comparable, rewritten = [], 0
    for path in sources(before_tree, PARTS[args.part]):
        for mutant in mutants_of(path, (before_tree / path).read_text()):
            place = place_in_after(mutant, after_index, after_sources)
            if place is None:
                rewritten += 1
                continue
            mutant.after_path, mutant.after_line = place
            comparable.append(mutant)
    sample = random.Random(args.seed).sample(comparable, min(args.sample, len(comparable)))
    print(f"{len(comparable)} comparable mutants, {rewritten} on rewritten lines; running {len(sample)}",
          flush=True)

    builds = {"before": configure(before_tree), "after": configure(after_tree)}
    check_baseline(before_tree, builds["before"], "before", args.with_desktop)
    check_baseline(after_tree, builds["after"], "after", args.with_desktop)
    results = args.work / "results.jsonl"
    found = earlier_results(results) if args.resume else {}
    with results.open("a" if args.resume else "w") as out:
        for number, mutant in enumerate(sample, start=1):
            if identity(mutant) in found:
                mutant.before, mutant.after = found[identity(mutant)]
                continue
            started = time.monotonic()
            mutant.before = run_mutant(before_tree, builds["before"], mutant.path, mutant.before_line, mutant,
                                       args.with_desktop)
            if mutant.before != "stillborn":
                mutant.after = run_mutant(after_tree, builds["after"], mutant.after_path, mutant.after_line, mutant,
                                          args.with_desktop)
            out.write(json.dumps(asdict(mutant)) + "\n")
            out.flush()
            print(f"[{number}/{len(sample)}] {mutant.path}:{mutant.before_line} {mutant.operator}: "
                  f"before {mutant.before}, after {mutant.after or '-'} ({time.monotonic() - started:.0f} s)",
                  flush=True)
    report(sample)


def identity(mutant):
    return (mutant.path, mutant.before_line, mutant.operator, mutant.occurrence)


def earlier_results(results):
    """What an earlier run found, by mutant."""
    if not results.exists():
        return {}
    rows = [Mutant(**json.loads(line)) for line in results.read_text().splitlines() if line.strip()]
    return {identity(row): (row.before, row.after) for row in rows}


def report(sample):
    def count(side, outcome):
        return sum(1 for m in sample if getattr(m, side) == outcome)

    for side in ("before", "after"):
        print(f"{side}: caught {count(side, 'caught')}, survived {count(side, 'survived')}, "
              f"stillborn {count(side, 'stillborn')}")
    lost = [m for m in sample if m.before == "caught" and m.after == "survived"]
    for m in lost:
        print(f"LOST: {m.after_path}:{m.after_line} {m.operator} in `{m.line_text}`")
    print(f"{len(lost)} mutants caught before survive after")
    sys.exit(1 if lost else 0)


if __name__ == "__main__":
    main()
