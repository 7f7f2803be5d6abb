#!/usr/bin/env bash
# The demo game's frame time under 64-bit Wine (Mesa under a private Xvfb),
# through the library and without it (--control: the system runtime alone),
# same scene. Runs of the two sides alternate. Wine's own frame counter
# (WINEDEBUG=fps: the rate over each second of presents) gives the samples, so
# Wine's start-up, which takes longer than the frames here, stays out of them;
# the first two samples of a run (start, first uploads) are dropped. Prints
# each run, the medians and their ratio. Reports; asserts nothing.
#
# usage: bench/wine_frame_time.sh NATIVE-BUILD WIN64-BUILD [ROUNDS] [FRAMES]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
native=$1
windows=$2
rounds=${3:-2}
frames=${4:-1500}

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

# run SIDE N: one run of the demo; its frame-rate samples go to SIDE.N.fps.
run() {
  local side=$1 n=$2 flag=()
  [[ $side == control ]] && flag=(--control)
  (cd "$folder" && WINEDEBUG=fps wine ./demo.exe "${flag[@]}" --frames "$frames" >"$side.$n.out" 2>"$side.$n.err")
  local status=$?
  if [[ $status -ne 0 ]]; then
    echo "the $side run failed (status $status):" >&2
    grep -v ':fps:' "$folder/$side.$n.err" | tail -n 5 >&2
    exit 1
  fi
  sed -n 's/.*:fps:wined3d_cs_exec_present .* @ approx \([0-9.]*\)fps.*/\1/p' "$folder/$side.$n.err" |
    tail -n +3 >"$folder/$side.$n.fps"
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
# milliseconds FILES...: the median frame time of the samples in FILES.
milliseconds() { cat "$@" | median | awk '{ if ($1 > 0) printf "%.2f\n", 1000 / $1 }'; }

echo "Demo frame time under 64-bit Wine ($(wine --version)), $frames frames a run, $rounds rounds"
for ((round = 1; round <= rounds; round++)); do
  # The side that goes first changes every round.
  if ((round % 2)); then order=(control library); else order=(library control); fi
  for side in "${order[@]}"; do
    run "$side" "$round" || exit 1
    echo "round $round, $side: $(milliseconds "$folder/$side.$round.fps") ms per frame" \
      "(median of $(wc -l <"$folder/$side.$round.fps") one-second samples)"
  done
done
control=$(milliseconds "$folder"/control.*.fps)
library=$(milliseconds "$folder"/library.*.fps)
echo "median: control $control ms per frame, library $library ms per frame," \
  "ratio $(awk -v a="$library" -v b="$control" 'BEGIN { if (b > 0) printf "%.2f", a / b }')"
echo "the library's lines in a run: $(wc -l <"$folder/library.1.out")"
