#!/usr/bin/env python3
"""Mutation check: puts each fault of a list into a copy of the tree, one at a time, rebuilds
what it touches, runs the test programs the fault names and reports the faults no test noticed.

The copy lives in .cache/mutants/tree/ with its build in tree/build/mutants/, laid out like the
real tree and its build/default/ so that ccache finds the objects the normal build made; the real
tree is never written.
The list format is described at the top of scripts/mutants.list.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEYS = ("file", "from", "to", "tests", "equivalent")


class Fault:
    def __init__(self, origin):
        self.origin = origin  # "list:line" of the entry's first key
        self.file = None
        self.original = None
        self.replacement = None
        self.tests = []
        self.equivalent = None

    def describe(self):
        def shown(text):
            return " ".join(text.split())
        to = shown(self.replacement) if self.replacement else "(removed)"
        return f"{self.file}: {shown(self.original)}  ->  {to}"


def unescape(value):
    """`\\n` in a value is a line break, `\\t` a tab, `\\\\` one backslash."""
    out, i = [], 0
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value) and value[i + 1] in "nt\\":
            out.append({"n": "\n", "t": "\t", "\\": "\\"}[value[i + 1]])
            i += 2
        else:
            out.append(value[i])
            i += 1
    return "".join(out)


def fail(message):
    print(f"mutants: {message}", file=sys.stderr)
    sys.exit(2)


def parse_list(path):
    """Entries are blocks of `key: value` lines separated by blank lines; `#` starts a comment
    line. Values are taken without surrounding white space."""
    faults = []
    current = None
    with open(path, encoding="utf-8") as text:
        for number, line in enumerate(text, 1):
            stripped = line.strip()
            if stripped.startswith("#"):
                continue
            if not stripped:
                current = None
                continue
            key, colon, value = line.partition(":")
            key = key.strip()
            if not colon or key not in KEYS:
                fail(f"{path}:{number}: expected one of {', '.join(KEYS)} followed by ':'")
            if current is None:
                current = Fault(f"{os.path.basename(path)}:{number}")
                faults.append(current)
            value = value.strip()
            if key == "file":
                current.file = value
            elif key == "from":
                current.original = unescape(value)
            elif key == "to":
                current.replacement = unescape(value)
            elif key == "tests":
                current.tests = value.split()
            else:
                current.equivalent = value
    for fault in faults:
        if not fault.file or not fault.original or fault.replacement is None or not fault.tests:
            fail(f"{fault.origin}: an entry needs file, from, to and tests")
    return faults


def tracked_files():
    listing = subprocess.run(
        ["git", "ls-files", "-co", "--exclude-standard", "-z"],
        cwd=ROOT, check=True, capture_output=True).stdout.decode()
    return [name for name in listing.split("\0") if name and os.path.isfile(os.path.join(ROOT, name))]


def sync_tree(tree):
    """Copies the repository's files into the work copy. Files whose bytes did not change keep
    their time stamps, so the work copy's build stays incremental; changed ones get a new one.
    Files the repository no longer has are removed, except under build/."""
    wanted = set(tracked_files())
    for name in wanted:
        source = os.path.join(ROOT, name)
        target = os.path.join(tree, name)
        with open(source, "rb") as f:
            data = f.read()
        if os.path.isfile(target):
            with open(target, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
        shutil.copymode(source, target)
    for directory, subdirectories, files in os.walk(tree):
        if directory == tree and "build" in subdirectories:
            subdirectories.remove("build")
        for file in files:
            path = os.path.join(directory, file)
            if os.path.relpath(path, tree) not in wanted:
                os.remove(path)


def configure(tree, build):
    if os.path.isfile(os.path.join(build, "build.ninja")):
        return
    command = ["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
               "-DQUILLOMAR_BENCH=OFF"]
    if shutil.which("ccache"):
        command += ["-DCMAKE_C_COMPILER_LAUNCHER=ccache", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def build_programs(build, programs, jobs, log):
    result = subprocess.run(["ninja", "-C", build, f"-j{jobs}"] + sorted(programs),
                            stdout=log, stderr=subprocess.STDOUT)
    return result.returncode == 0


def run_program(build, program, scratch, timeout):
    """True when every test of the program passes within the timeout."""
    binary = os.path.join(build, "bin", program)
    try:
        result = subprocess.run([binary], cwd=scratch, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, timeout=timeout)
    except subprocess.TimeoutExpired:
        return False
    return result.returncode == 0


def run_programs(build, programs, scratch, timeouts, jobs):
    """True when every program passes; stops waiting at the first failure it sees."""
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [pool.submit(run_program, build, p, scratch, timeouts[p]) for p in programs]
        passed = True
        for future in futures:
            if not future.result():
                passed = False
        return passed


def apply_fault(tree, fault):
    """Returns the file's original bytes, or raises ValueError when the fault does not fit."""
    path = os.path.join(tree, fault.file)
    if not os.path.isfile(path):
        raise ValueError(f"no file {fault.file}")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    count = text.count(fault.original)
    if count != 1:
        raise ValueError(f"`{fault.original}` occurs {count} times in {fault.file}, not once")
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace(fault.original, fault.replacement))
    return text


def restore(tree, fault, text):
    with open(os.path.join(tree, fault.file), "w", encoding="utf-8") as f:
        f.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=os.path.join(ROOT, "scripts", "mutants.list"))
    parser.add_argument("--only", help="run only faults whose file or text matches this regex")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--check", action="store_true",
                        help="only check that every fault applies to the tree once")
    parser.add_argument("--work", default=os.path.join(ROOT, ".cache", "mutants"),
                        help="where the work copy and its build live")
    args = parser.parse_args()
    # Paths relative to a common base let ccache reuse objects across trees.
    os.environ.setdefault("CCACHE_BASEDIR", ROOT)

    faults = parse_list(args.list)
    if args.only:
        pattern = re.compile(args.only)
        faults = [f for f in faults if pattern.search(f.file) or pattern.search(f.original)]
    # Faults of one file one after the other: the file is compiled once per fault.
    faults.sort(key=lambda f: f.file)
    if not faults:
        fail("no faults to run")

    if args.check:
        problems = 0
        for fault in faults:
            path = os.path.join(ROOT, fault.file)
            text = open(path, encoding="utf-8").read() if os.path.isfile(path) else ""
            count = text.count(fault.original)
            if count != 1:
                problems += 1
                print(f"{fault.origin}: `{fault.original}` occurs {count} times in {fault.file}")
        print(f"mutants: {len(faults)} faults, {problems} do not apply")
        return 1 if problems else 0

    tree = os.path.join(args.work, "tree")
    build = os.path.join(tree, "build", "mutants")
    scratch = os.path.join(args.work, "run")
    for directory in (tree, build, scratch):
        os.makedirs(directory, exist_ok=True)
    log_path = os.path.join(args.work, "build.log")
    started = time.time()

    print(f"mutants: syncing the work copy in {args.work}")
    sync_tree(tree)
    configure(tree, build)
    programs = sorted({p for f in faults for p in f.tests})
    print(f"mutants: building and running {len(programs)} test programs without faults")
    with open(log_path, "w") as log:
        if not build_programs(build, programs, args.jobs, log):
            fail(f"the tree does not build without faults; see {log_path}")
    timeouts = {}
    for program in programs:
        begun = time.time()
        if not run_program(build, program, scratch, 600):
            fail(f"{program} fails without faults")
        timeouts[program] = max(60.0, 10 * (time.time() - begun))

    survivors, unexplained, broken = [], [], []
    killed = 0
    for index, fault in enumerate(faults, 1):
        begun = time.time()
        try:
            original = apply_fault(tree, fault)
        except ValueError as error:
            broken.append((fault, str(error)))
            print(f"[{index}/{len(faults)}] INVALID  {fault.origin}: {error}", flush=True)
            continue
        try:
            with open(log_path, "w") as log:
                built = build_programs(build, fault.tests, args.jobs, log)
            if not built:
                broken.append((fault, f"does not build; see {log_path}"))
                verdict = "NO BUILD"
            elif run_programs(build, fault.tests, scratch, timeouts, args.jobs):
                survivors.append(fault)
                if fault.equivalent is None:
                    unexplained.append(fault)
                verdict = "survived" if fault.equivalent else "SURVIVED"
            else:
                killed += 1
                verdict = "killed"
        finally:
            restore(tree, fault, original)
        print(f"[{index}/{len(faults)}] {verdict:8} {fault.origin} {fault.describe()} "
              f"({time.time() - begun:.0f} s)", flush=True)

    # Leave the work copy's build matching the tree again.
    with open(log_path, "w") as log:
        build_programs(build, programs, args.jobs, log)

    print()
    for fault in survivors:
        reason = f"equivalent: {fault.equivalent}" if fault.equivalent else "NO TEST, NO REASON"
        print(f"survivor {fault.origin} {fault.describe()}\n    {reason}")
        print(f"    tests: {' '.join(fault.tests)}")
    for fault, error in broken:
        print(f"invalid  {fault.origin} {fault.describe()}\n    {error}")
    for fault in faults:
        if fault.equivalent is not None and fault not in survivors and \
                fault not in [b[0] for b in broken]:
            print(f"note     {fault.origin} is marked equivalent but was killed")
    counted = len(faults) - len(broken)
    minutes = (time.time() - started) / 60
    print(f"\nkilled {killed} of {counted} ({len(survivors) - len(unexplained)} survivors "
          f"explained, {len(unexplained)} not; {len(broken)} invalid) in {minutes:.1f} min")
    return 1 if unexplained or broken else 0


if __name__ == "__main__":
    sys.exit(main())
