#!/usr/bin/env python3
"""Makes the pictures of a showcase plan, one progress line each, redoing only those whose inputs
changed since the last run, then writes OUT/index.html and OUT/showcase.json and prints the page's
path as the last line."""

import argparse
import html
import json
import os
import subprocess
import sys
import time
from dataclasses import dataclass

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from display import Display  # noqa: E402
from inputs import Fingerprints, MissingInput  # noqa: E402
from page import command_text, write_page  # noqa: E402
from plan import PlanError, read_plan  # noqa: E402

ROOT = os.path.realpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
STAMPS = ".showcase"


@dataclass
class Result:
    command: list
    seconds: float = None
    error: str = None
    redone: bool = False


def _stamp_path(out, figure):
    return os.path.join(ROOT, out, STAMPS, figure.name.replace("/", "_") + ".json")


def _read_stamp(path):
    try:
        with open(path, encoding="utf-8") as f:
            return json.load(f)
    except (OSError, ValueError):
        return {}


def _tail(text, lines=20):
    kept = text.rstrip().splitlines()[-lines:]
    return "\n".join(kept)


class Runner:
    def __init__(self, build, out):
        self.build = build
        self.out = out
        self.fingerprints = Fingerprints(ROOT, build)
        self.display = Display()

    def _environment(self, needs_display):
        return self.display.environment() if needs_display else None

    def _execute(self, argv, needs_display):
        """(seconds, error or None)."""
        started = time.monotonic()
        try:
            run = subprocess.run(argv, cwd=ROOT, env=self._environment(needs_display),
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                 errors="replace")
        except OSError as error:
            return time.monotonic() - started, str(error)
        seconds = time.monotonic() - started
        if run.returncode != 0:
            return seconds, f"exit code {run.returncode}\n{_tail(run.stdout)}"
        return seconds, None

    def make(self, figure):
        if figure.script:
            return self._run_script(figure)
        result = Result(figure.command)
        outputs = [os.path.join(ROOT, self.out, f) for f in figure.files]
        stamp = _stamp_path(self.out, figure)
        try:
            key = self.fingerprints.key(figure, self.out)
        except MissingInput as error:
            result.error = str(error)
            return result
        previous = _read_stamp(stamp)
        if previous.get("key") == key and all(os.path.isfile(p) for p in outputs):
            result.seconds = previous.get("seconds")
            return result
        for path in outputs + [stamp]:
            if os.path.exists(path):
                os.remove(path)
        result.seconds, result.error = self._execute(figure.command, figure.needs_display)
        result.redone = True
        missing = [f for f, p in zip(figure.files, outputs) if not os.path.isfile(p)]
        if result.error is None and missing:
            result.error = "the command did not write " + ", ".join(missing)
        if result.error is None:
            os.makedirs(os.path.dirname(stamp), exist_ok=True)
            with open(stamp, "w", encoding="utf-8") as f:
                json.dump({"key": key, "seconds": round(result.seconds, 2)}, f)
        return result

    def _pictures_in_out(self):
        folder = os.path.join(ROOT, self.out)
        return {name: os.stat(os.path.join(folder, name)).st_mtime_ns
                for name in os.listdir(folder) if name.endswith(".png")}

    def _run_script(self, figure):
        """A step that makes its pictures itself: run it whole; its pictures are the PNGs it
        wrote, its caption the comment at its head."""
        figure.command = ["bash", figure.step, self.build, self.out]
        figure.caption = _head_comment(os.path.join(ROOT, figure.step))
        before = self._pictures_in_out()
        result = Result(figure.command, redone=True)
        result.seconds, result.error = self._execute(figure.command, True)
        after = self._pictures_in_out()
        figure.files = sorted(n for n, t in after.items() if before.get(n) != t)
        if result.error is None and not figure.files:
            result.error = "the step wrote no picture"
        return result

    def close(self):
        self.display.close()


def _head_comment(path):
    lines = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith("#!"):
                continue
            if not line.startswith("#"):
                break
            lines.append(line[1:].strip())
    return " ".join(lines)


def _progress(number, total, figure, result):
    name = figure.name
    if len(figure.files) > 1:
        name += f" (+{len(figure.files) - 1})"
    if result.error is not None:
        state = "FAILED"
    elif result.redone:
        state = f"{result.seconds:5.1f} s"
    else:
        state = "up to date"
    width = len(str(total))
    print(f"[{number:{width}}/{total}] {name:<44} {state}", flush=True)
    if result.error is not None:
        print("    " + result.error.replace("\n", "\n    "), flush=True)


def _links(fingerprints, out):
    def links_of(figure):
        if figure.script or not figure.command:
            return []
        try:
            names = fingerprints.scene_inputs(figure, out)
        except MissingInput:
            return []
        return [(n, os.path.relpath(os.path.join(ROOT, n), os.path.join(ROOT, out))) for n in names]
    return links_of


def _manifest(path, sections, results):
    entries = []
    for section in sections:
        for figure in section.figures:
            result = results[id(figure)]
            entries.append({
                "section": section.title,
                "caption": figure.caption,
                "files": figure.files,
                "command": command_text(result.command),
                "seconds": result.seconds,
                "made": result.error is None,
            })
    with open(path, "w", encoding="utf-8") as f:
        json.dump({"pictures": entries}, f, indent=1)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--plan", required=True)
    parser.add_argument("--build", required=True, help="build folder, relative to the repository")
    parser.add_argument("--out", required=True, help="output folder, relative to the repository")
    args = parser.parse_args()
    try:
        with open(args.plan, "rb") as f:
            sections = read_plan(f.read())
    except PlanError as error:
        print(f"showcase: {error}", file=sys.stderr)
        return 1
    figures = [f for s in sections for f in s.figures]
    # A command may write several pictures; a step run whole counts once until it has run.
    pictures = sum(max(1, len(f.files)) for f in figures)
    made_by = "" if pictures == len(figures) else f" from {len(figures)} commands"
    print(f"showcase: {pictures} pictures{made_by} into {args.out}/", flush=True)
    runner = Runner(args.build, args.out)
    results = {}
    started = time.monotonic()
    try:
        for number, figure in enumerate(figures, 1):
            results[id(figure)] = runner.make(figure)
            _progress(number, len(figures), figure, results[id(figure)])
    finally:
        runner.close()
    out = os.path.join(ROOT, args.out)
    _manifest(os.path.join(out, "showcase.json"), sections, results)
    page = os.path.join(out, "index.html")
    note = f"Run the commands from the repository folder, {html.escape(ROOT)}."
    write_page(page, sections, results, out, _links(runner.fingerprints, args.out), note)
    failed = sum(r.error is not None for r in results.values())
    redone = sum(r.redone and r.error is None for r in results.values())
    print(f"showcase: {redone} made, {len(figures) - redone - failed} up to date, "
          f"{failed} failed, in {time.monotonic() - started:.1f} s")
    print(page)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
