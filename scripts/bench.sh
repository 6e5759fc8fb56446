#!/usr/bin/env bash
# Builds the release preset, runs the Google Benchmark suite in bench/ and prints one table:
# each figure, the baseline it is measured against in the same process run, their ratio, the
# target and whether it is met. The machine and its load are printed first: thread speed-ups
# need the cores to themselves, so read them together with the load.
#
# Usage: scripts/bench.sh [--repetitions N] [--markdown] [--out DIR]
#   --repetitions N  runs of each benchmark; the table takes the best (default 3)
#   --markdown       the table in Markdown (as in docs/PERFORMANCE.md)
#   --out DIR        where the JSON results and each benchmark's output go
#                    (default build/release/bench-results)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

repetitions=3
markdown=
out=build/release/bench-results
while [ $# -gt 0 ]; do
  case "$1" in
    --repetitions) repetitions="$2"; shift 2 ;;
    --markdown) markdown=--markdown; shift ;;
    --out) out="$2"; shift 2 ;;
    *) echo "bench: unknown argument $1" >&2; exit 2 ;;
  esac
done

# Benchmark executables and what each one runs (a filter; empty for all of it).
benches=(composite_bench composite_shader_bench binding_bench deformer_bench contour_bench
         contour_render_bench reticle_bench sign_bench)
declare -A filter=([composite_bench]='^(pixman|blend)/')
# These draw through OpenGL and need an X display.
declare -A needs_display=([reticle_bench]=1 [sign_bench]=1)

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target "${benches[@]}" >/dev/null

describe_machine() {
  field() { lscpu | sed -n "s/^$1: *//p" | head -1; }
  local guest
  guest=$(field 'Hypervisor vendor')
  echo "Machine: $(uname -srm); $(field 'Model name') (family $(field 'CPU family')," \
       "model $(field 'Model')), $(nproc) cores, L2 $(field 'L2 cache'), L3 $(field 'L3 cache')," \
       "$(free -g | awk '/^Mem:/ {print $2}') GB memory${guest:+, a $guest guest}"
  echo "Compiler: $(c++ --version | head -1); Google Benchmark $(dpkg-query -W -f '${Version}' \
       libbenchmark-dev 2>/dev/null || echo '?'), pixman $(pkg-config --modversion pixman-1)"
}
load() {
  cut -d' ' -f1-3 /proc/loadavg
}

mkdir -p "$out"
rm -f "$out"/*.json
describe_machine
echo "Load average (1, 5, 15 min) before: $(load)"
for bench in "${benches[@]}"; do
  command=("build/release/bin/$bench" "--benchmark_repetitions=$repetitions"
           "--benchmark_out=$out/$bench.json" "--benchmark_out_format=json")
  [ -z "${filter[$bench]:-}" ] || command+=("--benchmark_filter=${filter[$bench]}")
  if [ -n "${needs_display[$bench]:-}" ] && [ -z "${DISPLAY:-}" ]; then
    command=(xvfb-run -a "${command[@]}")
  fi
  echo "Running $bench ..." >&2
  if ! "${command[@]}" >"$out/$bench.txt" 2>&1; then
    echo "bench: $bench failed; see $out/$bench.txt" >&2
  fi
done
echo "Load average after: $(load)"
echo
python3 scripts/bench_table.py "$out" $markdown
