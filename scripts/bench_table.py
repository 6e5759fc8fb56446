#!/usr/bin/env python3
"""Prints the benchmark table from the Google Benchmark JSON files of one bench.sh run.

Every figure is a ratio against a baseline measured in the same process run. A benchmark that
ran several repetitions counts with its best repetition (the least disturbed by other work on
the machine). Single-threaded figures use the measuring thread's CPU time; thread speed-ups use
wall-clock time, which other load on the machine depresses.

Usage: bench_table.py RESULTS_DIR [--markdown]
"""
import json
import os
import sys

UNIT_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


class Results:
    """Best real and CPU time (seconds) and the counters of each benchmark, per executable."""

    def __init__(self, directory=None):
        self.runs = {}
        self.context = {}
        self.asked = set()  # every (executable, benchmark) a figure looked up
        for name in sorted(os.listdir(directory)) if directory else []:
            if not name.endswith(".json"):
                continue
            with open(os.path.join(directory, name)) as f:
                data = json.load(f)
            executable = name[: -len(".json")]
            self.context[executable] = data.get("context", {})
            for run in data.get("benchmarks", []):
                if run.get("run_type", "iteration") != "iteration" or run.get("error_occurred"):
                    continue
                key = (executable, run.get("run_name", run["name"]))
                scale = UNIT_SECONDS[run.get("time_unit", "ns")]
                best = self.runs.setdefault(key, {"real": float("inf"), "cpu": float("inf")})
                best["real"] = min(best["real"], run["real_time"] * scale)
                best["cpu"] = min(best["cpu"], run["cpu_time"] * scale)
                for counter, value in run.items():
                    if counter not in best and isinstance(value, (int, float)):
                        best[counter] = value

    def get(self, executable, name, field):
        self.asked.add((executable, name))
        run = self.runs.get((executable, name))
        if run is None or field not in run:
            return None
        return run[field]


def seconds(value):
    if value is None:
        return "-"
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6), ("ns", 1e-9)):
        if value >= scale:
            return f"{value / scale:.3g} {unit}"
    return f"{value / 1e-9:.3g} ns"


class Row:
    def __init__(self, figure, value, baseline, ratio, target, met):
        self.cells = [figure, value, baseline, ratio, target, met]


def comparison(figure, value_text, baseline_text, ratio, target_text, at_least=None, at_most=None,
               checked=None):
    """A row whose target applies to the ratio, or to `checked` when that is given."""
    if ratio is None:
        return Row(figure, value_text, baseline_text, "-", target_text, "not measured")
    checked = ratio if checked is None else checked
    if at_least is not None:
        met = "yes" if checked >= at_least else "NO"
    elif at_most is not None:
        met = "yes" if checked <= at_most else "NO"
    else:
        met = "reported"
    return Row(figure, value_text, baseline_text, f"{ratio:.2f}", target_text, met)


def quotient(a, b):
    if a is None or b is None or b == 0:
        return None
    return a / b


SHARED_MODES = ["multiply", "screen", "overlay", "darken", "lighten", "colourDodge",
                "colourBurn", "hardLight", "softLight", "difference", "exclusion", "hue",
                "saturation", "colour", "luminosity"]


def composite_rows(r):
    rows = []
    for mode in SHARED_MODES:
        ours = r.get("composite_bench", "blend/" + mode, "cpu")
        pixman = r.get("composite_bench", "pixman/" + mode, "cpu")
        rows.append(comparison(
            f"composite {mode}: 1024x1024 blends per pixel, speed against pixman",
            f"blend {seconds(ours)}", f"pixman float {seconds(pixman)}",
            quotient(pixman, ours), ">= 1.0", at_least=1.0))
    shader = r.get("composite_shader_bench", "BM_CompositeFourLayersPerSample", "cpu")
    bare = r.get("composite_shader_bench", "BM_BareBlendFourLayers", "cpu")
    rows.append(comparison(
        "composite shader call per layer (4 layers) against the bare blend",
        f"{seconds(quotient(shader, 4))} per layer", f"bare {seconds(quotient(bare, 4))}",
        quotient(shader, bare), "<= 2.0", at_most=2.0))
    return rows


def binding_rows(r):
    entry = r.get("binding_bench", "bindingEntry", "cpu")
    direct = r.get("binding_bench", "directCall", "cpu")
    return [comparison("binding entry after resolution against a direct call",
                       seconds(entry), f"direct {seconds(direct)}", quotient(entry, direct),
                       "<= 1.2", at_most=1.2)]


def deformer_rows(r):
    loop = "BM_VertexLoop/vertices:1000000/threads:{}/real_time"
    copy = "BM_StreamingCopy/vertices:1000000/threads:{}/real_time"
    one = r.get("deformer_bench", loop.format(1), "real")
    two = r.get("deformer_bench", loop.format(2), "real")
    one_cpu = r.get("deformer_bench", loop.format(1), "cpu")
    copy_cpu = r.get("deformer_bench", copy.format(1), "cpu")
    two_cpu = r.get("deformer_bench", loop.format(2), "cpu")
    rows = [
        comparison("deformer vertex loop, 1M vertices: speed-up of 2 OpenMP threads over 1",
                   f"2 threads {seconds(two)}", f"1 thread {seconds(one)}", quotient(one, two),
                   ">= 1.8", at_least=1.8),
        comparison("  the same in the first thread's CPU time (the speed-up free cores would give)",
                   f"2 threads {seconds(two_cpu)}", f"1 thread {seconds(one_cpu)}",
                   quotient(one_cpu, two_cpu), "reported"),
        comparison("deformer vertex loop, 1M vertices, 1 thread: rate against a streaming copy",
                   f"loop {seconds(one_cpu)}", f"copy {seconds(copy_cpu)}",
                   quotient(copy_cpu, one_cpu), ">= 0.5", at_least=0.5),
    ]
    for threads in (1, 2):
        name = f"BM_WholeEvaluation/threads:{threads}/iterations:4/real_time"
        evaluation = r.get("deformer_bench", name, "real")
        host = r.get("deformer_bench", name, "hostShare")
        rows.append(comparison(
            f"deformer whole evaluation, 1M vertices, {threads} thread(s): share in host calls",
            f"{seconds(evaluation)} per evaluation",
            "node's own work " + ("-" if host is None else f"{(1 - host) * 100:.0f} %"),
            host, "reported"))
    return rows


def contour_rows(r):
    one = r.get("contour_bench", "BM_ContourStorePerCall/real_time/threads:1", "callCpu")
    two = r.get("contour_bench", "BM_ContourStorePerCall/real_time/threads:2", "callCpu")
    render = "wholeContourRender/threads:{}/process_time/real_time"
    r1 = r.get("contour_render_bench", render.format(1), "real")
    r2 = r.get("contour_render_bench", render.format(2), "real")
    c1 = r.get("contour_render_bench", render.format(1), "cpu")
    c2 = r.get("contour_render_bench", render.format(2), "cpu")
    return [
        comparison("contourStore per call (CPU), 2 threads against 1",
                   f"2 threads {seconds(two)}", f"1 thread {seconds(one)}", quotient(two, one),
                   "<= 1.2", at_most=1.2),
        comparison("contour render 1024x768: speed-up of 2 render threads over 1",
                   f"2 threads {seconds(r2)}", f"1 thread {seconds(r1)}", quotient(r1, r2),
                   ">= 1.7", at_least=1.7),
        comparison("  the same render's CPU time, all threads: work the second thread adds",
                   f"2 threads {seconds(c2)}", f"1 thread {seconds(c1)}", quotient(c2, c1),
                   "reported"),
    ]


def viewport_rows(r):
    redraw = r.get("reticle_bench", "BM_ReticleRedraw", "cpu")
    changed = r.get("reticle_bench", "BM_ReticleRedrawAfterChange", "cpu")
    reads = r.get("reticle_bench", "BM_ReticleRedraw", "plugReads")
    reads_changed = r.get("reticle_bench", "BM_ReticleRedrawAfterChange", "plugReads")
    heaviest = r.get("sign_bench", "BM_SignDrawHeaviest", "cpu")
    none = r.get("sign_bench", "BM_SignDrawNone", "cpu")
    one = r.get("sign_bench", "BM_SignViewport/signs:1", "cpu")
    many = r.get("sign_bench", "BM_SignViewport/signs:1000", "cpu")
    count = lambda v: "-" if v is None else f"{v:.0f}"
    return [
        comparison("reticle ordinary redraw (4 aspect ratios, 10 texts), CPU",
                   seconds(redraw), f"after a change {seconds(changed)}",
                   quotient(redraw, changed), "<= 1.0", at_most=1.0),
        comparison("reticle plug reads per ordinary redraw (time and matrix only)",
                   f"{count(reads)} reads", f"after a change {count(reads_changed)}",
                   quotient(reads, reads_changed), "<= 2 reads", at_most=2, checked=reads),
        comparison("sign draw per locator, heaviest shape (sphere, label, lines), CPU",
                   seconds(heaviest), f"shape None {seconds(none)}", quotient(heaviest, none),
                   "reported"),
        comparison("sign: 1,000 signs in one viewport, per sign against a single sign",
                   f"{seconds(many)} per pass, {seconds(quotient(many, 1000))} per sign",
                   f"1 sign {seconds(one)}", quotient(quotient(many, 1000), one), "reported"),
    ]


def table(rows, markdown):
    header = ["Figure", "Measured", "Baseline (same run)", "Ratio", "Target", "Met"]
    lines = []
    if markdown:
        lines.append("| " + " | ".join(header) + " |")
        lines.append("|" + "|".join("---" for _ in header) + "|")
        for row in rows:
            lines.append("| " + " | ".join(row.cells) + " |")
    else:
        widths = [max(len(h), *(len(row.cells[i]) for row in rows)) for i, h in enumerate(header)]
        fmt = lambda cells: "  ".join(c.ljust(w) for c, w in zip(cells, widths)).rstrip()
        lines.append(fmt(header))
        lines.append(fmt(["-" * w for w in widths]))
        lines.extend(fmt(row.cells) for row in rows)
    return "\n".join(lines)


def all_rows(results):
    return (composite_rows(results) + binding_rows(results) + deformer_rows(results) +
            contour_rows(results) + viewport_rows(results))


def benchmarks_read():
    """Every (executable, benchmark name) the table reads."""
    results = Results()
    all_rows(results)
    return sorted(results.asked)


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    results = Results(sys.argv[1])
    rows = all_rows(results)
    print(table(rows, "--markdown" in sys.argv[2:]))
    targets = [row for row in rows if row.cells[5] in ("yes", "NO")]
    met = [row for row in targets if row.cells[5] == "yes"]
    unmeasured = [row for row in rows if row.cells[5] == "not measured"]
    print(f"\n{len(met)} of {len(targets)} targets met; {len(unmeasured)} figures not measured.")
    return 1 if unmeasured else 0


if __name__ == "__main__":
    sys.exit(main())
