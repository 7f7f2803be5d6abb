#!/usr/bin/env bash
# Wine integration checks: the demo game draws its scene through d3d8water.dll
# on Wine's Direct3D 8 (Mesa, under a private Xvfb), and through the system
# runtime alone for a control frame; the checks read the library's output, the
# exit status, the message boxes and the pictures.
#
# usage: tests/wine/run.sh [--arch 64|32] [--core] [--native-build DIR] [--windows-build DIR]
#   --core           the core checks only: the control and plain scene runs (set-up lines,
#                    shaders accepted, reflections, water drawn) and the missing-shader run;
#                    for 32-bit Wine under emulation, where every run takes minutes
#   --native-build   where the native preset was built (assets, image_stats); default build/native
#   --windows-build  where the win64 or win32 preset was built (DLL, demo); default build/win64 or build/win32
#
# Prints "PASS: <name>" or "FAIL: <name> (<why>)" per check, and exits non-zero
# if any failed. Where 32-bit programs cannot run, --arch 32 prints a SKIP line.
#
# Each run works in its own WINEPREFIX under /tmp, copied from a finished prefix
# that the first run on a machine makes and keeps in /tmp (about 1.3 GB; making
# it takes minutes where 32-bit Wine is emulated, copying it seconds).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

arch=64
core=false
native=$root/build/native
windows=
while (($#)); do
  case $1 in
    --arch) arch=${2:-}; shift 2 ;;
    --core) core=true; shift ;;
    --native-build) native=${2:-}; shift 2 ;;
    --windows-build) windows=${2:-}; shift 2 ;;
    *) echo "usage: $0 [--arch 64|32] [--core] [--native-build DIR] [--windows-build DIR]" >&2; exit 2 ;;
  esac
done
[[ $arch == 64 || $arch == 32 ]] || { echo "--arch is 64 or 32" >&2; exit 2; }
windows=${windows:-$root/build/win$arch}

source "$here/lib/report.sh"
source "$here/lib/session.sh"
source "$here/lib/log_checks.sh"
source "$here/lib/picture_checks.sh"
source "$here/lib/failure_checks.sh"
source "$here/lib/reset_checks.sh"

dll=$windows/src/d3d8water.dll
demo_exe=$windows/tools/demo/demo.exe
assets=$native/assets
image_stats=$native/tools/image_stats/image_stats

missing=()
for file in "$dll" "$demo_exe" "$image_stats" "$assets/testVS.vso" "$assets/water_normal_28.dds"; do
  [[ -e $file ]] || missing+=("$file")
done
if ((${#missing[@]})); then
  fail "$arch-bit: build outputs present" "missing ${missing[*]}"
  exit 1
fi

# The DLL's export and import tables need no Wine.
if [[ -x $root/tests/dll/check_tables.sh ]]; then
  "$root/tests/dll/check_tables.sh" "$dll" | sed "s|$dll|$arch-bit DLL|" || failures=$((failures + 1))
else
  fail "$arch-bit DLL: export and import tables" "tests/dll/check_tables.sh is missing"
fi

if [[ $arch == 32 ]]; then
  problem=$(wine32_problem)
  if [[ -n $problem ]]; then
    skip "32-bit" "$problem"
    exit 0
  fi
fi

trap stop_session EXIT
start=$SECONDS
if ! start_session "$arch"; then
  fail "$arch-bit: Wine session" "cannot start Xvfb or create the prefix; see $work"
  exit 1
fi
note "$arch-bit Wine prefix and Xvfb: $((SECONDS - start)) s"

if $core; then
  timed "scene runs (control, plain)" check_core_pictures
  timed "missing shader run" check_missing_shader
else
  timed "scene runs (control, plain, colours, no trigger)" check_pictures
  timed "reset run" check_reset
  timed "missing shader run" check_missing_shader
  timed "missing normal map run" check_missing_normal_map
  timed "corrupt normal map run" check_corrupt_normal_map
fi
note "$arch-bit total: $((SECONDS - start)) s"

((failures == 0))
