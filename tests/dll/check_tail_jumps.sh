#!/usr/bin/env bash
# Reads the optimized i686 d3d8water.dll and checks that every forwarding
# method of both interceptors is the shortest forwarder there is: a load of the
# real object from the library's state, a load of its method from the real
# object's table, `this` replaced on the stack, and a tail jump into the method.
# No call, no branch, no frame, and no argument copied.
#
# The DLL is stripped, so each interceptor's method table is found through its
# run-time type name: name string -> type_info -> table. Slot names come from
# the method tables in src/platform/d3d8/interfaces.h; the methods an
# interceptor declares itself are its own and are not checked.
# Prints one PASS/FAIL line per interceptor and per table lookup.
set -uo pipefail
dll=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
status=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; status=1; }

if ! sections=$("$objdump" -h "$dll" 2>&1); then fail "$dll: readable ($sections)"; exit 1; fi
if ! grep -q 'file format pei-i386' <<<"$sections"; then fail "$dll: an i686 DLL"; exit 1; fi

# "name vma size fileoffset" for each section with contents.
section_table=$(awk '/^ *[0-9]+ \./ { print $2, $4, $3, $6 }' <<<"$sections" |
  while read -r name vma size offset; do echo "$name $((16#$vma)) $((16#$size)) $((16#$offset))"; done)
file_to_va() { awk -v off="$1" '$4 <= off && off < $4 + $3 { printf "%d\n", $2 + off - $4; exit }' <<<"$section_table"; }

# Every aligned 32-bit word of the data sections, as "va value" in decimal.
words=$(while read -r name vma size offset; do
  [[ $name == .rdata || $name == .data ]] || continue
  od -An -v -tu4 -w4 -j "$offset" -N "$size" "$dll" | awk -v vma="$vma" '{ printf "%d %d\n", vma + 4 * (NR - 1), $1 }'
done <<<"$section_table")
text_range=$(awk '$1 == ".text" { print $2, $2 + $3 }' <<<"$section_table")
disassembly=$(mktemp)
trap 'rm -f "$disassembly"' EXIT
"$objdump" -d --no-show-raw-insn -j .text "$dll" >"$disassembly"

# method_names MACRO: the method names of one table of interfaces.h, in slot order.
method_names() {
  awk -v macro="$1" '
    $0 ~ "^#define " macro "\\(X\\)" { on = 1 }
    on { line = $0
         while (match(line, /X\([A-Za-z0-9_]+, [A-Za-z0-9_]+/)) {
           entry = substr(line, RSTART, RLENGTH); sub(/.*, /, "", entry); print entry
           line = substr(line, RSTART + RLENGTH) }
         if ($0 !~ /\\$/) exit }' "$root/src/platform/d3d8/interfaces.h"
}

# own_methods HEADER: the methods an interceptor class declares itself.
own_methods() { grep -oE 'D3D8_CALL [A-Za-z0-9_]+\(' "$1" | sed -E 's/D3D8_CALL ([A-Za-z0-9_]+)\(/\1/'; }

# check_interceptor CLASS LENGTH-OF-NAME INTERFACE-MACRO HEADER
check_interceptor() {
  local class=$1 macro=$2 header=$3
  local typename="N9d3d8water${#class}${class}E"
  mapfile -t slots < <(method_names D3D8_IUNKNOWN_METHODS; method_names "$macro")
  mapfile -t own < <(own_methods "$header")

  # The name string (whole, NUL on both sides), its type_info, the table after it.
  local name_va typeinfo_va table_va
  name_va=$(grep -obUaP "\x00\Q$typename\E\x00" "$dll" | head -n1 | cut -d: -f1)
  [[ -n $name_va ]] && name_va=$(file_to_va $((name_va + 1)))
  typeinfo_va=$(awk -v v="$name_va" '$2 == v { print $1 - 4; exit }' <<<"$words")
  table_va=$(awk -v v="$typeinfo_va" -v lo="${text_range% *}" -v hi="${text_range#* }" '
      { va[NR] = $1; val[NR] = $2 }
      END { for (i = 2; i < NR; i++) if (val[i] == v && val[i - 1] == 0 && val[i + 1] >= lo && val[i + 1] < hi) { print va[i] + 4; exit } }' <<<"$words")
  if [[ -z $name_va || -z $typeinfo_va || -z $table_va ]]; then
    fail "$dll: method table of $class found (type name $typename)"
    return
  fi
  mapfile -t targets < <(awk -v start="$table_va" -v n="${#slots[@]}" '$1 >= start && $1 < start + 4 * n { print $2 }' <<<"$words")
  if [[ ${#targets[@]} -ne ${#slots[@]} ]]; then
    fail "$dll: method table of $class has ${#slots[@]} slots"; return
  fi
  pass "$dll: method table of $class found, ${#slots[@]} slots"

  # The code at each forwarder's address, up to its first jump or return.
  local wanted="" slot
  for slot in "${!slots[@]}"; do
    printf '%s\n' "${own[@]}" | grep -qx "${slots[$slot]}" || wanted+="$(printf '%x' "${targets[$slot]}") $slot "
  done
  mapfile -t listings < <(awk -v wanted="$wanted" '
    BEGIN { n = split(wanted, w, " "); for (i = 1; i < n; i += 2) slot[w[i]] = w[i + 1] }
    /^ *[0-9a-f]+:\t/ {
      address = $1; sub(/:$/, "", address)
      if (address in slot) { current = slot[address]; text = ""; count = 0 }
      if (current == "") next
      line = $0; sub(/^ *[0-9a-f]+:\t/, "", line); gsub(/ +/, " ", line); sub(/ $/, "", line)
      text = text line ";"; count++
      if (line ~ /^(jmp|ret)/ || count == 12) { print current "|" text; current = "" }
    }' "$disassembly")

  local checked=0 failures=() real_object="" entry
  for entry in "${listings[@]}"; do
    slot=${entry%%|*}
    local method=${slots[$slot]} listing=${entry#*|} verdict
    checked=$((checked + 1))
    verdict=$(tr ';' '\n' <<<"$listing" | awk -v slot_offset=$((slot * 4)) '
      function fault(text) { if (!bad) bad = text }
      function hex(text,   value, i) {
        sub(/^0x/, "", text); value = 0
        for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
        return value }
      NF == 0 { next }
      { n++ }
      /^(call|ret|push|pop|enter|leave|cmp|test)/ || /^j/ && !/^jmp/ { fault("has " $1) }
      /^jmp/ { if ($0 !~ /^jmp \*/) fault("direct jump"); last = $0 }
      /%esp/ && !/^mov %e[a-d]x,0x4\(%esp\)$/ { fault("touches the stack: " $0) }
      /^mov %e[a-d]x,0x4\(%esp\)$/ { thisStores++ }
      /^mov 0x[0-9a-f]+,%e[a-d]x$/ { absolute++; split($2, p, ","); object = p[1] }
      /^mov (0x[0-9a-f]+)?\(%e[a-d]x\),%e[a-d]x$/ { loads[++nl] = $2 }
      /^jmp \*(0x[0-9a-f]+)?\(%e[a-d]x\)$/ { loads[++nl] = substr($2, 2) }
      END {
        if (last == "") fault("no tail jump")
        if (absolute != 1) fault("loads the real object " absolute + 0 " times")
        if (thisStores != 1) fault("replaces this " thisStores + 0 " times")
        if (n > 5) fault(n " instructions")
        # The method is the second load through a register (the first is the table).
        split(loads[2], q, "(")
        if (nl != 2 || hex(q[1]) != slot_offset) fault("not slot " slot_offset / 4 " of the real object")
        print (bad ? "bad " bad : "ok " object)
      }')
    if [[ $verdict == ok* ]]; then
      local object=${verdict#ok }
      if [[ -z $real_object ]]; then real_object=$object
      elif [[ $object != "$real_object" ]]; then failures+=("$method: loads $object, others $real_object"); fi
    else
      failures+=("$method (${verdict#bad }): $listing")
    fi
  done
  local expected=$(( ${#slots[@]} - $(printf '%s\n' "${own[@]}" | grep -cxFf <(printf '%s\n' "${slots[@]}")) ))
  if ((checked != expected)); then failures+=("found the code of $checked forwarders, expected $expected"); fi
  if ((${#failures[@]} == 0)); then
    pass "$dll: all $checked $class forwarders load the real object ($real_object) and tail-jump into its method"
  else
    fail "$dll: ${#failures[@]} of $checked $class forwarders are not a load and a tail jump"
    printf '  %s\n' "${failures[@]}"
  fi
}

check_interceptor Direct3DInterceptor D3D8_DIRECT3D_METHODS "$root/src/interception/direct3d_interceptor.h"
check_interceptor DeviceInterceptor D3D8_DEVICE_METHODS "$root/src/interception/device_interceptor.h"
exit $status
