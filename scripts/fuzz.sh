#!/usr/bin/env bash
# Runs every fuzz target of a build folder (the asan preset's) for a bounded time each, starting
# from its committed seeds and regressions, and prints what each did. A target that finds a
# fault stops the run with exit 1 and leaves the input that found it in
# BUILD/fuzz/NAME/crash-* (add it to tests/fuzz/regressions/NAME once fixed).
# usage: scripts/fuzz.sh BUILD_DIR [SECONDS_EACH]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="${2:-60}"
inputs="$here/tests/fuzz"

# The sanitizer options of the asan test preset (CMakePresets.json), unless given.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:intercept_tls_get_addr=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/scripts/sanitizers/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

status=0
summary=()
for target in maya_scene_fuzz render_scene_fuzz shader_blocks_fuzz contour_fuzz reticle_text_fuzz; do
    program="$build/bin/$target"
    work="$build/fuzz/$target"
    mkdir -p "$work/corpus"
    seeds=("$inputs/corpus/$target")
    [ -d "$inputs/regressions/$target" ] && seeds+=("$inputs/regressions/$target")
    echo "fuzz: $target for ${seconds} s"
    # stdout and stderr of the target closed: scene readers report every bad line there.
    if "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=8192 \
        -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$work/" \
        "$work/corpus" "${seeds[@]}" >"$work/log" 2>&1; then
        result="ok"
    else
        result="FAULT (see $work/log)"
        status=1
        tail -n 60 "$work/log" >&2
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")"
    coverage="$(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE|INITED)' "$work/log" | tail -n 1 |
        sed -n 's/.*cov: \([0-9]*\) ft: \([0-9]*\).*/\1 edges, \2 features/p')"
    summary+=("$(printf '%-20s %10s runs  %-30s %s' "$target" "${runs:-?}" "${coverage:-?}" "$result")")
done
printf '%s\n' "fuzz summary:" "${summary[@]}"
exit "$status"
