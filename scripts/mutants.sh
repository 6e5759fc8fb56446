#!/usr/bin/env bash
# Mutation check of the plug-in and the shaders: applies each fault of scripts/mutants.list to a
# copy of the tree (in .cache/mutants/), rebuilds incrementally, runs the test programs the fault
# names, and prints every fault that survived and "killed K of N". Not part of the test suite.
#   scripts/mutants.sh [--only REGEX] [--list FILE] [--jobs N]
# Exits 1 when a survivor has no reason in the list or a fault does not apply or build.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The GL tests need an X display; without one, run under a private virtual one.
if [ -n "${DISPLAY:-}" ]; then
    exec python3 "$here/mutants.py" "$@"
else
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" python3 "$here/mutants.py" "$@"
fi
