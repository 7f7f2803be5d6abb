# The scene drawn through the library against the control frame drawn without
# it, and the water colour variants against each other. Pictures are compared
# by the mean colours of rectangles (x y width height, in the 640 x 480 frame),
# never by single pixels.

water_rect="40 400 560 70"            # open water in the foreground: reflects the sky
red_reflection_rect="180 300 50 30"   # under the red crate
green_reflection_rect="336 280 18 40" # under the green pillar

# mean PNG RECT: "red green blue" of the rectangle, or "no picture".
mean() { "$image_stats" "$1" $2 2>/dev/null || echo "no picture"; }

# The figures below pass "no picture" on, so that a comparison with a missing
# picture fails (see holds) instead of comparing zeros.
measured() { [[ $* != *"no picture"* ]] || { echo "no picture"; return 1; }; }

# component INDEX "r g b": one channel (1 red, 2 green, 3 blue).
component() { measured "$2" && awk -v i="$1" '{print $i}' <<<"$2"; }
luma() { measured "$1" && awk '{printf "%.1f", 0.299 * $1 + 0.587 * $2 + 0.114 * $3}' <<<"$1"; }
warmth() { measured "$1" && awk '{printf "%.1f", $1 - $3}' <<<"$1"; }
# distance "r g b" "r g b": the sum of the channels' absolute differences.
distance() {
  measured "$1" "$2" && awk -v a="$1" -v b="$2" 'BEGIN {split(a, x, " "); split(b, y, " ");
    d = 0; for (i = 1; i <= 3; i++) d += (x[i] > y[i] ? x[i] - y[i] : y[i] - x[i]); printf "%.1f", d}'
}
# holds "EXPRESSION": the awk comparison is true.
holds() { [[ $1 != *"no picture"* ]] && awk "BEGIN {exit !($1)}"; }

# scene_run NAME ARGS...: the demo in its own folder with a picture; sets $folder.
scene_run() {
  local name=$1
  shift
  folder=$(stage "$name")
  run_demo "$folder" "$name" --frames 3 --interval-ms 20 --out "$name.png" "$@"
  check_clean_exit "$folder" "$name"
}

# check_variant NAME WATER-COLOR LINE: a run whose probed colour picks the shader
# that logs LINE; sets the picture's water mean in $variant_water.
check_variant() {
  local name=$1 lines
  scene_run "$name" --water-color "$2"
  lines=$(sed -n '/^waterColor: /{x;p;d;};h' "$folder/$name.out" | sort -u | tr '\n' ' ')
  expect "$name: the library chose the '$3' shader" "chose: ${lines:-nothing}" test "$lines" == "$3 "
  variant_water=$(mean "$folder/$name.png" "$water_rect")
  note "$name water mean: $variant_water"
}

# The control and plain runs with their checks; leaves $control_png,
# $control_water, $plain and $plain_water for the checks that follow.
check_core_pictures() {
  local folder
  scene_run control --control
  control_png=$folder/control.png
  expect "control: no library output" "$(head -c 200 "$folder/control.out")" test ! -s "$folder/control.out"

  scene_run plain
  plain=$folder
  check_setup_lines "$plain" plain 640 480
  check_shaders_accepted "$plain" plain
  draws=$(water_pass_lines "$plain" plain)
  expect "plain: one water draw per frame" "$draws water draws in 3 frames" test "$draws" -eq 3

  local rect label control_mean plain_mean
  for label in red green; do
    rect=${label}_reflection_rect
    control_mean=$(mean "$control_png" "${!rect}")
    plain_mean=$(mean "$plain/plain.png" "${!rect}")
    note "$label reflection region: control $control_mean, library $plain_mean"
    local index=$([[ $label == red ]] && echo 1 || echo 2)
    # The object's own channel leads in the water below it, and only with the library.
    expect "plain: the $label object is reflected in the water" "library $plain_mean, control $control_mean" \
      holds "$(component $index "$plain_mean") > $(component $index "$control_mean") + 25 && \
             $(component $index "$plain_mean") > $(component 3 "$plain_mean")"
  done

  control_water=$(mean "$control_png" "$water_rect")
  plain_water=$(mean "$plain/plain.png" "$water_rect")
  note "water region: control $control_water, library $plain_water"
  expect "plain: the water is drawn by the water shaders" "library $plain_water, control $control_water" \
    holds "$(distance "$plain_water" "$control_water") > 40"
}

check_pictures() {
  local folder variant_water control_png control_water plain plain_water draws
  check_core_pictures

  check_variant night "0,0.22,0.30" x8
  local night_water=$variant_water
  expect "night: darker than plain water" "luma $(luma "$night_water") vs $(luma "$plain_water")" \
    holds "$(luma "$night_water") < 0.7 * $(luma "$plain_water")"

  check_variant bright "0.66,0.30,0.34" x2
  local bright_water=$variant_water
  expect "bright: brighter than plain water" "luma $(luma "$bright_water") vs $(luma "$plain_water")" \
    holds "$(luma "$bright_water") > 1.1 * $(luma "$plain_water")"

  check_variant sunset "0,0,0" sunset
  local sunset_water=$variant_water
  expect "sunset: warmer than plain water" "red - blue $(warmth "$sunset_water") vs $(warmth "$plain_water")" \
    holds "$(warmth "$sunset_water") > $(warmth "$plain_water") + 30"

  check_variant green-water "0.10,0.45,0.20" PS
  local green_water=$variant_water
  expect "green water colour: greener water than plain" "$green_water vs $plain_water" \
    holds "$(component 2 "$green_water") - $(component 3 "$green_water") > \
           $(component 2 "$plain_water") - $(component 3 "$plain_water") + 10"

  scene_run no-trigger --no-trigger
  local idle_water
  idle_water=$(mean "$folder/no-trigger.png" "$water_rect")
  note "no-trigger water region: $idle_water"
  draws=$(water_pass_lines "$folder" no-trigger)
  expect "no-trigger: no water pass" "$draws water draws" test "$draws" -eq 0
  expect "no-trigger: the water stays undrawn" "no-trigger $idle_water, control $control_water, library $plain_water" \
    holds "$(distance "$idle_water" "$control_water") > 40 && $(distance "$idle_water" "$plain_water") > 40"
}
