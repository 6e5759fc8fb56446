#!/usr/bin/env bash
# Compiles one snippet of forms/ against the stand-in's Maya headers, the way a plug-in would:
#   check_forms.sh COMPILER INCLUDE_DIR SNIPPET
# - as it stands, the snippet must compile without a single warning (the forms the real 2019
#   devkit has);
# - with -DREJECTED_FORM=N, for every N the snippet tests with "#if REJECTED_FORM == N", it must
#   not compile (calls the 2019 devkit lacks, or takes differently);
# - with -DDEPRECATED_FORM=N, for every N it tests, it must compile, and fail under
#   -Werror=deprecated-declarations (calls the 2019 devkit marks deprecated).
set -uo pipefail

compiler="$1"
include="$2"
snippet="$3"
flags=(-std=c++17 -fsyntax-only -Wall -Wextra -I"$include")
failures=0

fail() {
    echo "$(basename "$snippet"): $*" >&2
    failures=$((failures + 1))
}

# The form numbers a snippet tests for a given macro.
forms() {
    grep -oE "^#(el)?if $1 == [0-9]+" "$snippet" | grep -oE '[0-9]+$' | sort -un
}

if ! output="$("$compiler" "${flags[@]}" -Werror "$snippet" 2>&1)"; then
    fail "the 2019 forms do not compile cleanly:"
    echo "$output" >&2
fi

for n in $(forms REJECTED_FORM); do
    if "$compiler" "${flags[@]}" -DREJECTED_FORM="$n" "$snippet" >/dev/null 2>&1; then
        fail "rejected form $n compiles"
    fi
done

for n in $(forms DEPRECATED_FORM); do
    if ! output="$("$compiler" "${flags[@]}" -Wno-deprecated-declarations -Werror \
        -DDEPRECATED_FORM="$n" "$snippet" 2>&1)"; then
        fail "deprecated form $n does not compile:"
        echo "$output" >&2
    elif "$compiler" "${flags[@]}" -Werror=deprecated-declarations -DDEPRECATED_FORM="$n" \
        "$snippet" >/dev/null 2>&1; then
        fail "deprecated form $n compiles without a deprecation warning"
    fi
done

if [ -z "$(forms REJECTED_FORM)$(forms DEPRECATED_FORM)" ]; then
    fail "tests no form"
fi
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$snippet"): $(forms REJECTED_FORM | wc -l) rejected, $(forms DEPRECATED_FORM | wc -l) deprecated form(s) checked"
