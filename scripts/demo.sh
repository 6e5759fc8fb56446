#!/usr/bin/env bash
# Renders the showcase: every picture the steps in scripts/demo.d declare, into OUT, with
# OUT/index.html showing them all. Called by `./quillomar demo` after the build.
# usage: scripts/demo.sh BUILD OUT [STEPS_DIR]
# Pictures whose inputs did not change since the last run are kept; the last line printed is the
# path of the page. Exits 1 when a picture could not be made (the page says which).
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: scripts/demo.sh BUILD OUT [STEPS_DIR]" >&2; exit 2; }
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# Paths inside the repository are shown relative to it, so the page's commands run from there.
relative() {
    local path
    path="$(realpath -m "$1")"
    case "$path" in
    "$root") echo . ;;
    "$root"/*) echo "${path#"$root"/}" ;;
    *) echo "$path" ;;
    esac
}
BUILD="$(relative "$1")"
OUT="$(relative "$2")"
steps="${3:-scripts/demo.d}"
mkdir -p "$OUT"

SHOWCASE_PLAN="$(mktemp)"
trap 'rm -f "$SHOWCASE_PLAN"' EXIT
export SHOWCASE_PLAN

# Each step declares its pictures in a subshell of its own, so one broken step cannot stop the
# others. A step that declares nothing the new way is run whole, as it always was.
declare_failed=0
for step in "$steps"/*.sh; do
    [ -e "$step" ] || continue
    if grep -qE '^[[:space:]]*(picture|section)[[:space:]]' "$step"; then
        if ! (
            SHOWCASE_STEP="$step"
            # shellcheck source=showcase/declare.sh
            source scripts/showcase/declare.sh
            source "$step"
        ); then
            echo "showcase: $step failed while declaring its pictures" >&2
            declare_failed=1
        fi
    else
        printf '%s\0' script "$step" >>"$SHOWCASE_PLAN"
    fi
done

status=0
python3 scripts/showcase/run.py --plan "$SHOWCASE_PLAN" --build "$BUILD" --out "$OUT" || status=$?
[ "$declare_failed" -eq 0 ] || status=1
exit "$status"
