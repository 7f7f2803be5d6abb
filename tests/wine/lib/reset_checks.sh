# A real TestCooperativeLevel / Reset cycle in the middle of the demo.

check_reset() {
  local folder name=reset
  folder=$(stage reset)
  run_demo "$folder" "$name" --reset --frames 4 --out "$name.png"
  check_clean_exit "$folder" "$name"
  local log=$folder/$name.out
  local after expected
  # From the testc line on: testc OK, reset OK, the new surfaces, the five loads.
  after=$(sed -n '/^testc /,$p' "$log" | sed -E "3s/$(address_pattern | sed 's/[$^]//g')/ADDRESSES/")
  expected=$(printf 'testc OK\nreset OK\nADDRESSES\n'; shader_loads "$folder")
  if [[ ${after:0:${#expected}} == "$expected" ]]; then
    pass "$name: testc and reset lines, then the resources rebuilt"
  else
    fail "$name: testc and reset lines, then the resources rebuilt" \
      "$(diff <(echo "$expected") <(head -n "$(wc -l <<<"$expected")" <<<"$after") | grep '^[<>]' | head -n4 | tr '\n' ' ')"
  fi
  local passes
  passes=$(sed -n '/^reset OK/,$p' "$log" | grep -c '^waterColor: ')
  expect "$name: water drawn after the reset" "$passes water draws after it" test "$passes" -ge 1
}
