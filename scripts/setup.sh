#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing, benchmarking and the tools need.
# Idempotent: packages already present are left alone. Runs as root or through sudo.
set -euo pipefail

packages=(
  # toolchain
  build-essential g++ cmake ninja-build pkg-config git clang-format clang-tidy
  # viewport: OpenGL (Mesa, GLX under a virtual X server) and GLUT bitmap fonts
  libgl-dev libgl1-mesa-dri libglx-mesa0 libglu1-mesa-dev libx11-dev libglut-dev xvfb xauth
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev python3 libpixman-1-dev
  # sanitizer builds and fuzzing: clang with its sanitizer and libFuzzer runtimes, its OpenMP
  # runtime (with the tool library that tells ThreadSanitizer about it), llvm-symbolizer
  clang libclang-rt-14-dev libomp-14-dev llvm
  # images and labels in pictures
  libstb-dev fonts-dejavu-core
  # Windows x64 cross build and its smoke test
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64
  # the showcase page, checked in a headless browser
  chromium
)

# One query for all of them: a package not installed is missing from the list or not "ok installed".
installed="$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" { print $1 }')" || true
missing=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
