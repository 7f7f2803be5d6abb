#!/usr/bin/env bash
# Damaged and hostile asset files under Wine's real Direct3D 8 runtime, through
# the demo game and the 64-bit DLL: every asset empty, cut at several offsets
# and replaced by a directory; normal maps whose header claims sizes the file
# does not hold; a shader with a runaway comment and one too large to read.
# Each run must end in a clean fatal box with exit status 0, or in a logged
# refusal ("Error creating shader") with the game running on to exit status 0;
# never in a crash, another box or a hang.
#
# usage: tests/wine/hostile_files.sh [--quick] [--native-build DIR] [--windows-build DIR]
#   --quick          every shader, but of the normal maps frames 0 and 28 only
#   --native-build   where the native preset was built (assets); default build/native
#   --windows-build  where the win64 preset was built (DLL, demo); default build/win64
#
# Prints "PASS: <case>" or "FAIL: <case> (<why>)" per run; exits non-zero if any failed.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

quick=false
native=$root/build/native
windows=$root/build/win64
while (($#)); do
  case $1 in
    --quick) quick=true; shift ;;
    --native-build) native=${2:-}; shift 2 ;;
    --windows-build) windows=${2:-}; shift 2 ;;
    *) echo "usage: $0 [--quick] [--native-build DIR] [--windows-build DIR]" >&2; exit 2 ;;
  esac
done

source "$here/lib/report.sh"
source "$here/lib/session.sh"

dll=$windows/src/d3d8water.dll
demo_exe=$windows/tools/demo/demo.exe
assets=$native/assets
for file in "$dll" "$demo_exe" "$assets/testVS.vso" "$assets/water_normal_28.dds"; do
  [[ -e $file ]] || { fail "build outputs present" "missing $file"; exit 1; }
done
# A run that takes this long is a hang (a clean one takes seconds).
demo_timeout=120

# poke FILE OFFSET HEX: writes the little-endian 32-bit value HEX at OFFSET.
poke() {
  local value=$3
  printf "\\x${value:6:2}\\x${value:4:2}\\x${value:2:2}\\x${value:0:2}" |
    dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# verdict FOLDER NAME ALLOWED: ALLOWED is "box" (a fatal box only) or
# "box-or-refusal" (also "Error creating shader" and the game running on).
verdict() {
  local folder=$1 name=$2 allowed=$3 status boxes
  status=$(cat "$folder/$name.status")
  boxes=$(grep '^MessageBox: ' "$folder/$name.err")
  if [[ $status == 124 ]]; then
    fail "$name" "no end after $demo_timeout s"
  elif crashed "$folder" "$name"; then
    fail "$name" "crash: $(grep -iE 'exception|fault' "$folder/$name.err" | head -n2 | tr '\n' ' ')"
  elif [[ $status != 0 ]]; then
    fail "$name" "exit status $status, boxes: '${boxes:-none}'"
  elif [[ $boxes == "MessageBox: Can't load: Can't load shader" || $boxes == "MessageBox: Can't load: Can't load texture" ]]; then
    pass "$name: fatal box, exit status 0 (${boxes#MessageBox: })"
  elif [[ -n $boxes ]]; then
    fail "$name" "unexpected boxes: $boxes"
  elif [[ $allowed == box-or-refusal ]] && grep -qx 'Error creating shader' "$folder/$name.out"; then
    pass "$name: logged refusal, the game ran on to exit status 0"
  else
    fail "$name" "neither a fatal box nor a logged refusal; last lines: $(tail -n3 "$folder/$name.out" | tr '\n' ' ')"
  fi
}

# hostile NAME FILE ALLOWED DAMAGE...: a fresh game folder, DAMAGE run on FILE
# in it (the command gets the file's path and its original size), one frame.
hostile() {
  local name=$1 file=$2 allowed=$3
  shift 3
  local folder
  folder=$(stage "case")
  local path=$folder/$file
  "$@" "$path" "$(stat -c %s "$path")"
  run_demo "$folder" "$name" --frames 1
  verdict "$folder" "$name" "$allowed"
  rm -rf "$folder"
}

emptied() { : >"$1"; }
cut_to() { truncate -s "$1" "$2"; }  # cut_to SIZE FILE
cut_at_4() { cut_to 4 "$1"; }
cut_at_128() { cut_to 128 "$1"; }
cut_in_half() { cut_to $(($2 / 2)) "$1"; }
cut_last_byte() { cut_to $(($2 - 1)) "$1"; }
directory() { rm "$1" && mkdir "$1"; }

# Every way of damaging a file, each with the label its runs carry.
damage_every() {
  local file=$1 allowed=$2
  shift 2
  local way
  for way in emptied cut_at_4 "$@" cut_in_half cut_last_byte directory; do
    hostile "$file $way" "$file" "$allowed" "$way"
  done
}

# Headers of water_normal_0.dds that claim what the file does not hold.
huge_size() { poke "$1" 12 FFFFFFFF && poke "$1" 16 FFFFFFFF; }
largest_size_without_pixels() { poke "$1" 12 00002000 && poke "$1" 16 00002000; }
wide_and_flat() { poke "$1" 12 00000001 && poke "$1" 16 40000000; }
endless_mip_chain() { poke "$1" 28 FFFFFFFF; }
no_pixel_format() { poke "$1" 76 00000000; }
cube_map() { poke "$1" 112 0000FE00; }
# Shaders: a comment whose length runs past the file, and a file too large to read.
runaway_comment() { poke "$1" 4 7FFFFFFE; }
oversized() { truncate -s 20M "$1"; }

trap stop_session EXIT
start=$SECONDS
if ! start_session 64; then
  fail "Wine session" "cannot start Xvfb or create the prefix; see $work"
  exit 1
fi

for shader in testVS.vso testPS.pso testPS_night.pso testPS_x2.pso testPS_sunset.pso; do
  damage_every "$shader" box-or-refusal
done
hostile "testPS.pso runaway_comment" testPS.pso box-or-refusal runaway_comment
hostile "testVS.vso oversized" testVS.vso box-or-refusal oversized

frames=$(seq 0 28)
$quick && frames="0 28"
for frame in $frames; do
  damage_every "water_normal_$frame.dds" box cut_at_128
done
for header in huge_size largest_size_without_pixels wide_and_flat endless_mip_chain no_pixel_format cube_map; do
  hostile "water_normal_0.dds $header" water_normal_0.dds box "$header"
done
note "hostile files: $((SECONDS - start)) s"

((failures == 0))
