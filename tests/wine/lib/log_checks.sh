# Checks of the library's standard output in a demo run.

# pixel_shader_load FOLDER FILE: the seven lines of one pixel-shader load.
pixel_shader_load() {
  printf '1\nattempting to load %s\n2\n3\n%s\n4\n5\n' "$2" "$(stat -c %s "$1/$2")"
}

# shader_loads FOLDER [n]: the lines of the five shader loads; with "n", the
# line n after the first, as at device creation.
shader_loads() {
  pixel_shader_load "$1" testPS.pso
  [[ ${2:-} == n ]] && echo n
  local file
  for file in testPS_night.pso testPS_x2.pso testPS_sunset.pso; do pixel_shader_load "$1" "$file"; done
  echo "attempting to load testVS.vso"
}

# address_pattern: the two surface addresses, as many hex digits as a pointer has.
address_pattern() {
  local digits=$((arch == 32 ? 8 : 16))
  echo "^[0-9A-F]{$digits} [0-9A-F]{$digits}\$"
}

# check_setup_lines FOLDER NAME WIDTH HEIGHT: the set-up lines, in order, at the
# start of the run's output.
check_setup_lines() {
  local folder=$1 name=$2 log=$1/$2.out
  local first
  first=$(head -n1 "$log")
  if grep -Eq "$(address_pattern)" <<<"$first"; then
    pass "$name: surface address line"
  else
    fail "$name: surface address line" "got '$first'"
  fi
  local expected actual
  expected=$(printf 'ADDRESSES\n%s %s\n' "$3" "$4"; shader_loads "$folder" n)
  actual=$(sed -E "1s/$(address_pattern | sed 's/[$^]//g')/ADDRESSES/" "$log" | head -n "$(wc -l <<<"$expected")")
  if [[ $actual == "$expected" ]]; then
    pass "$name: set-up lines in order"
  else
    fail "$name: set-up lines in order" "$(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | head -n4 | tr '\n' ' ')"
  fi
}

# check_shaders_accepted FOLDER NAME: the runtime took all five shaders.
check_shaders_accepted() {
  local count
  count=$(grep -c 'Error creating shader' "$1/$2.out")
  expect "$2: no shader refused by the runtime" "$count 'Error creating shader' lines" test "$count" -eq 0
}

# check_clean_exit FOLDER NAME: exit status 0, no box, no fault, no error of the demo's own.
check_clean_exit() {
  local status
  status=$(cat "$1/$2.status")
  if [[ $status == 0 ]] && ! crashed "$1" "$2" && ! grep -q '^MessageBox: \|^demo: ' "$1/$2.err"; then
    pass "$2: runs to the end"
  else
    fail "$2: runs to the end" "status $status; $(head -c 300 "$1/$2.err" | tr '\n' ' ')"
  fi
}

# water_pass_lines FOLDER NAME: how many water draws the library logged.
water_pass_lines() { grep -c '^waterColor: ' "$1/$2.out"; }
