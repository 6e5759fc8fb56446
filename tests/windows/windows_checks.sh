#!/usr/bin/env bash
# The Windows side of the test suite, run by CTest from the native build:
#   windows_checks.sh STEP SOURCE_DIR WORK_DIR
# configure       configure the mingw-win64 preset into WORK_DIR/deliverables and the Windows
#                 test programs (tests/windows/host) into WORK_DIR/host
# plugin-objects  compile the plug-in sources for Windows and check what they export
# shader-library  build quillomarShaders.dll and the test programs
# tables          check the DLL's imports (system DLLs only; the binding's system calls) and
#                 exports (exactly the shaders whose sources are present, their _version
#                 functions and miSetModuleHandle)
# wine-prefix     create a private Wine prefix in WORK_DIR/wineprefix
# shader-host     run the test hosts against the DLL under Wine
# platform        run the plug-in's environment and clock checks under Wine
# wine-stop       stop the prefix's Wine server
# Missing tools skip the step (exit 77), except under CI, where they fail it.
set -euo pipefail

step="$1"
src="$(cd "$2" && pwd)"
work="$3"
deliverables="$work/deliverables"
host="$work/host"
dll="$deliverables/lib/quillomarShaders.dll"
triple=x86_64-w64-mingw32

fail() {
    echo "windows_checks $step: $*" >&2
    exit 1
}

# Prints the path of the Wine loader, or nothing.
wine_loader() {
    command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } ||
        command -v wine || true
}

require_tools() {
    local missing=()
    command -v "$triple-g++-posix" >/dev/null || missing+=("$triple-g++-posix")
    command -v "$triple-objdump" >/dev/null || missing+=("$triple-objdump")
    command -v "$triple-objcopy" >/dev/null || missing+=("$triple-objcopy")
    [ -n "$(wine_loader)" ] || missing+=(wine64)
    if [ ${#missing[@]} -gt 0 ]; then
        if [ -n "${CI:-}" ]; then
            fail "missing ${missing[*]} (scripts/setup.sh installs them)"
        fi
        echo "windows_checks $step: skipped, missing ${missing[*]} (run scripts/setup.sh)"
        exit 77
    fi
}

# The shader exports the sources define: a shader counts when its name appears in a source file
# of its folder.
expected_shaders() {
    local folder shader
    while read -r folder shader; do
        if grep -qw -- "$shader" "$src/shaders/$folder"/*.cpp 2>/dev/null; then
            echo "$shader"
        fi
    done <<'SHADERS'
composite composite
choice choiceMr
contour contourMltShader
contour contourStore
contour contourContrast
contour contourShader
SHADERS
}

with_wine() {
    WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEARCH=win64 \
        WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=" "$@"
}

run_under_wine() {
    echo "+ wine $*"
    with_wine timeout 120 "$(wine_loader)" "$@"
}

require_tools
mkdir -p "$work"
case "$step" in
configure)
    # The cross build takes its compilers and flags from the toolchain file only.
    unset CC CXX CFLAGS CXXFLAGS LDFLAGS
    (cd "$src" && cmake --preset mingw-win64 -B "$deliverables" -DCMAKE_COLOR_DIAGNOSTICS=OFF)
    cmake -S "$src/tests/windows/host" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-mingw-w64.cmake"
    ;;
plugin-objects)
    cmake --build "$deliverables" --target quillomarPlugins
    # Without a .mll to inspect, the objects' linker directives show what the .mll would export.
    exports="$(for object in "$deliverables"/plugins/CMakeFiles/quillomarPlugins.dir/src/*.obj; do
        "$triple-objcopy" -O binary -j .drectve "$object" /dev/stdout 2>/dev/null | tr '\0' '\n'
        echo
    done | grep -o -- '-export:"[^"]*"' | sed 's/^-export:"//; s/"$//' | sort)"
    echo "plug-in exports:" $exports
    [ "$exports" = "$(printf 'MApiVersion\ninitializePlugin\nuninitializePlugin')" ] ||
        fail "the plug-in must export exactly MApiVersion, initializePlugin, uninitializePlugin"
    ;;
shader-library)
    cmake --build "$deliverables" --target quillomarShaders
    cmake --build "$host"
    ;;
tables)
    [ -f "$dll" ] || fail "no $dll"
    dump="$("$triple-objdump" -p "$dll")"
    imports="$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)"
    echo "imports:" $imports
    [ "$imports" = "$(printf 'kernel32.dll\nmsvcrt.dll')" ] ||
        fail "quillomarShaders.dll must import only KERNEL32 and msvcrt, imports: $imports"
    # The binding looks names up and reports the system's error; attach switches off thread
    # notifications.
    for function in GetProcAddress GetLastError DisableThreadLibraryCalls; do
        grep -Eq "^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+$function\$" <<<"$dump" ||
            fail "quillomarShaders.dll does not import $function"
    done
    exports="$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p' \
        <<<"$dump" | sort)"
    expected="$( (echo miSetModuleHandle; expected_shaders | sed 'p; s/$/_version/') | sort)"
    echo "exports:" $exports
    [ "$exports" = "$expected" ] ||
        fail "exports differ from the expected" $expected
    ;;
wine-prefix)
    if [ ! -f "$work/wineprefix/system.reg" ]; then
        echo "+ wineboot -i"
        with_wine timeout 180 "$(wine_loader)" wineboot -i >/dev/null 2>&1 ||
            fail "wineboot did not finish"
    fi
    ;;
shader-host)
    run_under_wine "$host/bin/bareHost.exe" "$dll"
    # shellcheck disable=SC2046
    run_under_wine "$host/bin/shaderHost.exe" "$dll" $(expected_shaders)
    ;;
platform)
    run_under_wine "$host/bin/platformCheck.exe"
    ;;
wine-stop)
    with_wine "$(dirname "$(readlink -f "$(wine_loader)")")/wineserver" -k 2>/dev/null || true
    ;;
*)
    fail "unknown step"
    ;;
esac
