#!/usr/bin/env bash
# Rebuilds the shader assembler's expected token files with d3dx9 under 64-bit
# Wine and compares them with the committed ones in tests/assembler/expected.
#
#   tests/wine/check_assembler.sh            compare; exit 1 on any difference
#   tests/wine/check_assembler.sh --update   rewrite the committed files instead
#
# Uses $D3DX_ASSEMBLE_EXE if set, else the win64 preset's build of
# d3dx_assemble.exe (building it when missing). Prints "skipped: no wine"
# and exits 0 where 64-bit Wine is not installed.
#
# The Wine prefix is kept between runs ($D3D8WATER_ASSEMBLER_WINEPREFIX, by
# default in the temp directory): where 32-bit Wine is installed too, creating
# one also sets up its 32-bit half, which takes minutes under emulation.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
corpus=$root/tests/assembler/corpus
committed=$root/tests/assembler/expected

update=false
if [ "${1:-}" = "--update" ]; then update=true; fi

wine64=$(command -v wine64 || true)
if [ -z "$wine64" ] && [ -x /usr/lib/wine/wine64 ]; then wine64=/usr/lib/wine/wine64; fi
if [ -z "$wine64" ]; then
  echo "skipped: no wine"
  exit 0
fi

exe=${D3DX_ASSEMBLE_EXE:-$root/build/win64/tests/wine/d3dx_reference/d3dx_assemble.exe}
if [ ! -f "$exe" ]; then
  if [ -n "${D3DX_ASSEMBLE_EXE:-}" ]; then
    echo "check_assembler: $exe does not exist" >&2
    exit 1
  fi
  (cd "$root" && { [ -f build/win64/build.ninja ] || cmake --preset win64 >/dev/null; } &&
    cmake --build --preset win64 --target d3dx_assemble >/dev/null)
fi

work=$(mktemp -d)
export WINEPREFIX=${D3D8WATER_ASSEMBLER_WINEPREFIX:-${TMPDIR:-/tmp}/d3d8water-assembler-wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(dirname "$wine64")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
cleanup() {
  # Stop the wineserver this run started for the prefix.
  if [ -n "$wineserver" ] && [ -d "$WINEPREFIX" ]; then "$wineserver" -k 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/expected"
shopt -s nullglob
sources=("$corpus"/*.vsh "$corpus"/*.psh)
if [ ${#sources[@]} -eq 0 ]; then
  echo "check_assembler: no corpus files in $corpus" >&2
  exit 1
fi
if ! "$wine64" "$exe" "$work/expected" "${sources[@]}"; then
  echo "check_assembler: d3dx9 could not assemble the corpus" >&2
  exit 1
fi

if $update; then
  rm -f "$committed"/*.tokens
  cp "$work/expected"/*.tokens "$committed"/
  echo "check_assembler: wrote ${#sources[@]} expected files to $committed"
  exit 0
fi

if diff -ru "$committed" "$work/expected"; then
  echo "check_assembler: ${#sources[@]} corpus files match d3dx9"
else
  echo "check_assembler: the committed expected tokens differ from d3dx9's (see above)" >&2
  exit 1
fi
