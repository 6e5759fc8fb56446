# Sourced by scripts/demo.sh: what a showcase step (scripts/demo.d/NN-name.sh) may use to declare
# its pictures. A step runs nothing itself; it only says what to make and how:
#
#   section "Title" "One paragraph about what the pictures below show."
#   picture signs.png "Caption: what the picture shows." \
#       "$VIEW" examples/signs.ma --plugin "$PLUGINS" --size 1024x768 -o "$OUT/signs.png"
#
# picture [--also FILE]... [--input FILE]... [--display] FILE CAPTION COMMAND...
#   FILE      the picture, relative to $OUT, that COMMAND writes
#   --also    a further picture the same command writes (shown beside FILE, same caption)
#   --input   a file the picture depends on that is not named on the command line
#   --display COMMAND draws through OpenGL and needs an X display (quillomar-view always does)
# The command is run from the repository root; the page shows it as it was run, so a user can copy
# it. It is run again only when its inputs change: its words, every file named on its command line,
# the program and the libraries of ours it loads, the --input files.
#
# derive NAME   stores standard input as $OUT/scenes/NAME (rewritten only when it changes) and
#               prints that path: a scene made from another, e.g. with sed.
# A step that has nothing to show on this machine returns early (`return 0`).
#
# Variables: $BUILD (build folder), $BIN, $LIB, $OUT, and the tools: $VIEW (quillomar-view),
# $RENDER (quillomar-render), $BLEND_CHART (quillomar-blend-chart), $PLUGINS (the Maya plug-in),
# $SHADERS (the shader library), $DECLARATIONS (the shader declarations).

BIN="$BUILD/bin"
LIB="$BUILD/lib"
VIEW="$BIN/quillomar-view"
RENDER="$BIN/quillomar-render"
BLEND_CHART="$BIN/quillomar-blend-chart"
PLUGINS="$LIB/quillomarPlugins.so"
SHADERS="$LIB/quillomarShaders.so"
DECLARATIONS="dist/quillomarShaders.mi"

# The plan is a stream of NUL-terminated fields; see scripts/showcase/plan.py.
_plan_field() { printf '%s\0' "$@" >>"$SHOWCASE_PLAN"; }

section() {
    [ $# -eq 2 ] || { echo "section TITLE TEXT: got $# arguments" >&2; return 2; }
    _plan_field section "$SHOWCASE_STEP" "$1" "$2"
}

picture() {
    local also=() inputs=() display=0
    while [ $# -gt 0 ]; do
        case "$1" in
        --also) also+=("$2"); shift 2 ;;
        --input) inputs+=("$2"); shift 2 ;;
        --display) display=1; shift ;;
        *) break ;;
        esac
    done
    [ $# -ge 3 ] || { echo "picture FILE CAPTION COMMAND...: too few arguments" >&2; return 2; }
    local file="$1" caption="$2"
    shift 2
    _plan_field picture "$SHOWCASE_STEP" "$caption" "$display" \
        "$((1 + ${#also[@]}))" "$file" ${also[@]+"${also[@]}"} \
        "${#inputs[@]}" ${inputs[@]+"${inputs[@]}"} \
        "$#" "$@"
}

derive() {
    [ $# -eq 1 ] || { echo "derive NAME: got $# arguments" >&2; return 2; }
    local path="$OUT/scenes/$1" next
    mkdir -p "$OUT/scenes"
    next="$(mktemp "$OUT/scenes/.derive.XXXXXX")"
    cat >"$next"
    chmod 644 "$next"
    if cmp -s "$next" "$path"; then rm -f "$next"; else mv -f "$next" "$path"; fi
    printf '%s\n' "$path"
}
