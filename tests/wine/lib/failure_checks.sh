# A resource the effect cannot do without: its box, exit status 0, no crash.

# check_fatal_box FOLDER NAME CAPTION TEXT: the run showed exactly this box and
# then ended with status 0 without a fault.
check_fatal_box() {
  local folder=$1 name=$2 expected="MessageBox: $3: $4"
  local boxes status
  boxes=$(grep '^MessageBox: ' "$folder/$name.err")
  status=$(cat "$folder/$name.status")
  expect "$name: box '$4'" "boxes: '${boxes:-none}'" test "$boxes" == "$expected"
  expect "$name: exit status 0 after the box" "status $status" test "$status" == 0
  if crashed "$folder" "$name"; then
    fail "$name: no crash" "$(grep -iE 'exception|fault' "$folder/$name.err" | head -n2 | tr '\n' ' ')"
  else
    pass "$name: no crash"
  fi
}

# loaded LOG FILE: the library opened FILE.
loaded() { grep -qx "attempting to load $2" "$1"; }

check_missing_shader() {
  local folder
  folder=$(stage missing-shader)
  rm "$folder/testPS_x2.pso"
  run_demo "$folder" missing-shader --frames 1
  check_fatal_box "$folder" missing-shader "Can't load" "Can't load shader"
  local log=$folder/missing-shader.out
  expect "missing-shader: stops at the missing file" "log: $(tail -n3 "$log" | tr '\n' ' ')" \
    eval 'loaded "$log" testPS_x2.pso && ! loaded "$log" testPS_sunset.pso && ! loaded "$log" testVS.vso'
}

check_missing_normal_map() {
  local folder
  folder=$(stage missing-normal-map)
  rm "$folder/water_normal_28.dds"
  run_demo "$folder" missing-normal-map --frames 1
  check_fatal_box "$folder" missing-normal-map "Can't load" "Can't load texture"
  expect "missing-normal-map: every shader loaded first" "no vertex shader load in the log" \
    loaded "$folder/missing-normal-map.out" testVS.vso
}

check_corrupt_normal_map() {
  local folder
  folder=$(stage corrupt-normal-map)
  # A header that promises 128 x 128 with mips, and a tenth of the pixels.
  truncate -s 6000 "$folder/water_normal_11.dds"
  run_demo "$folder" corrupt-normal-map --frames 1
  check_fatal_box "$folder" corrupt-normal-map "Can't load" "Can't load texture"
}
