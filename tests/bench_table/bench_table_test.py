#!/usr/bin/env python3
"""scripts/bench_table.py: ratios and verdicts from Google Benchmark results, and every
benchmark it reads registered by a built benchmark program (argument: the folder of the built
programs)."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.realpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import bench_table  # noqa: E402

PROGRAMS = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(ROOT, "build", "default", "bin")


def run(name, cpu_ms, real_ms=None, **counters):
    entry = {"name": name, "run_name": name, "run_type": "iteration", "time_unit": "ms",
             "cpu_time": cpu_ms, "real_time": cpu_ms if real_ms is None else real_ms}
    entry.update(counters)
    return entry


def table_of(results):
    """The printed table and exit status for {executable: [runs]}."""
    with tempfile.TemporaryDirectory() as directory:
        for executable, runs in results.items():
            with open(os.path.join(directory, executable + ".json"), "w") as f:
                json.dump({"context": {}, "benchmarks": runs}, f)
        done = subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "bench_table.py"),
                               directory], capture_output=True, text=True)
    rows = {}
    for line in done.stdout.splitlines():
        cells = [cell.strip() for cell in line.split("  ") if cell.strip()]
        if len(cells) == 6:
            rows[cells[0]] = cells
    return rows, done.returncode, done.stdout


class Figures(unittest.TestCase):
    def test_ratios_take_the_best_repetition_and_verdicts_follow_the_target_direction(self):
        rows, status, output = table_of({
            # pixman's time over ours: at least 1.0 is met.
            "composite_bench": [run("pixman/multiply", 8.0), run("blend/multiply", 5.0),
                                run("blend/multiply", 2.0), run("pixman/hue", 3.0),
                                run("blend/hue", 4.0)],
            # ours over the direct call: at most 1.2 is met.
            "binding_bench": [run("directCall", 1e-6), run("bindingEntry", 1.3e-6)],
            # thread speed-ups from the wall clock, not the CPU time.
            "deformer_bench": [
                run("BM_VertexLoop/vertices:1000000/threads:1/real_time", 30.0, real_ms=60.0),
                run("BM_VertexLoop/vertices:1000000/threads:2/real_time", 15.0, real_ms=32.0),
                run("BM_StreamingCopy/vertices:1000000/threads:1/real_time", 12.0)],
            "reticle_bench": [run("BM_ReticleRedraw", 1.0, plugReads=3),
                              run("BM_ReticleRedrawAfterChange", 2.0, plugReads=170)],
        })
        def verdict(start):
            return next(cells for figure, cells in rows.items() if figure.startswith(start))
        self.assertEqual(verdict("composite multiply")[3:], ["4.00", ">= 1.0", "yes"], output)
        self.assertEqual(verdict("composite hue")[3:], ["0.75", ">= 1.0", "NO"], output)
        self.assertEqual(verdict("binding entry")[3:], ["1.30", "<= 1.2", "NO"], output)
        self.assertEqual(verdict("deformer vertex loop, 1M vertices: speed-up")[3:],
                         ["1.88", ">= 1.8", "yes"], output)
        self.assertEqual(verdict("deformer vertex loop, 1M vertices, 1 thread")[3:],
                         ["0.40", ">= 0.5", "NO"], output)
        self.assertEqual(verdict("reticle plug reads")[5], "NO", "3 reads where 2 are allowed")
        self.assertEqual(verdict("composite screen")[3:], ["-", ">= 1.0", "not measured"])
        self.assertEqual(status, 1, "figures were not measured")


class Names(unittest.TestCase):
    def test_every_benchmark_the_table_reads_is_registered(self):
        wanted = {}
        for executable, name in bench_table.benchmarks_read():
            wanted.setdefault(executable, set()).add(name)
        for executable, names in sorted(wanted.items()):
            listed = subprocess.run(
                [os.path.join(PROGRAMS, executable), "--benchmark_list_tests=true"],
                capture_output=True, text=True, check=True).stdout.split()
            self.assertEqual(sorted(names - set(listed)), [], executable)


if __name__ == "__main__":
    unittest.main()
