#!/usr/bin/env bash
# Makes the whole showcase with this build and checks its page in headless Chromium; the page's
# screenshot is left beside the output folder (page.png) for a look.
# usage: page_test.sh SOURCE_DIR BUILD_DIR OUT_DIR
set -euo pipefail
source_dir="$1"
build_dir="$2"
out="$3"
"$source_dir/scripts/demo.sh" "$build_dir" "$out"
python3 "$source_dir/tests/showcase/check_page.py" "$out/index.html" --screenshot "$(dirname "$out")/page.png"
