#!/usr/bin/env bash
# The demo game's frame time under 64-bit Wine (Mesa under a private Xvfb),
# through the library and without it (--control: the system runtime alone),
# same scene. Runs of the two alternate, each side once with a short and once
# with a long run of frames; the difference of their wall times over the
# difference of their frame counts is the time of one frame, free of Wine's
# start-up. Prints each round, the medians and their ratio. Reports; asserts
# nothing.
#
# usage: bench/wine_frame_time.sh NATIVE-BUILD WIN64-BUILD [ROUNDS]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
native=$1
windows=$2
rounds=${3:-5}
short=${D3D8WATER_BENCH_SHORT_FRAMES:-20}
long=${D3D8WATER_BENCH_LONG_FRAMES:-220}

dll=$windows/src/d3d8water.dll
demo_exe=$windows/tools/demo/demo.exe
assets=$native/assets
for file in "$dll" "$demo_exe" "$assets/testVS.vso" "$assets/water_normal_28.dds"; do
  [[ -e $file ]] || { echo "missing $file" >&2; exit 1; }
done

source "$root/tests/wine/lib/session.sh"
trap stop_session EXIT
start_session 64 || { echo "cannot start Wine under Xvfb" >&2; exit 1; }
folder=$(stage frames)

# seconds MODE FRAMES: wall time of one run of the demo.
seconds() {
  local mode=$1 frames=$2 flag=() start end
  [[ $mode == control ]] && flag=(--control)
  start=$(date +%s.%N)
  (cd "$folder" && wine ./demo.exe "${flag[@]}" --frames "$frames" >"$mode.out" 2>"$mode.err")
  local status=$?
  end=$(date +%s.%N)
  if [[ $status -ne 0 ]]; then
    echo "the $mode run failed (status $status):" >&2
    tail -n 5 "$folder/$mode.err" >&2
    exit 1
  fi
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f\n", b - a }'
}

# frame_ms MODE: milliseconds per frame from one short and one long run.
frame_ms() {
  local a b
  a=$(seconds "$1" "$short") || exit 1
  b=$(seconds "$1" "$long") || exit 1
  awk -v a="$a" -v b="$b" -v n=$((long - short)) 'BEGIN { printf "%.3f\n", (b - a) * 1000 / n }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

echo "Demo frame time under 64-bit Wine ($(wine --version)), $short and $long frames per run, $rounds rounds"
control=()
library=()
for ((round = 1; round <= rounds; round++)); do
  # The side that goes first changes every round.
  if ((round % 2)); then
    c=$(frame_ms control) || exit 1; l=$(frame_ms library) || exit 1
  else
    l=$(frame_ms library) || exit 1; c=$(frame_ms control) || exit 1
  fi
  control+=("$c"); library+=("$l")
  echo "round $round: control $c ms, library $l ms"
done
mc=$(printf '%s\n' "${control[@]}" | median)
ml=$(printf '%s\n' "${library[@]}" | median)
echo "median: control $mc ms per frame, library $ml ms per frame, ratio $(awk -v a="$ml" -v b="$mc" 'BEGIN { printf "%.3f", a / b }')"
echo "library lines per run of $long frames: $(wc -l <"$folder/library.out")"
