#!/usr/bin/env bash
# Draws one scene twice with quillomar-view, through the legacy viewport (each locator's draw)
# and through Viewport 2.0 (each locator's draw override), into STEM-legacy.png and STEM-vp2.png.
# usage: scripts/showcase/both-viewports.sh STEM QUILLOMAR-VIEW [ITS ARGUMENTS...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: both-viewports.sh STEM QUILLOMAR-VIEW [ARGUMENTS...]" >&2; exit 2; }
stem="$1"
shift
for viewport in legacy vp2; do
    "$@" --viewport "$viewport" -o "$stem-$viewport.png"
done
