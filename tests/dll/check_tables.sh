#!/usr/bin/env bash
# Reads a built d3d8water.dll's export and import tables: it must export
# Direct3DCreateF by name at ordinal 1 and nothing else, and import only
# system DLLs (no C++ runtime DLLs, and never d3d8.dll, which it loads by full
# path at run time). Prints one PASS/FAIL line per check.
set -uo pipefail
dll=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
status=0
check() {  # check NAME CONDITION-RESULT DETAIL
  if [[ $2 == 0 ]]; then echo "PASS: $1"; else echo "FAIL: $1 ($3)"; status=1; fi
}

if ! headers=$("$objdump" -p "$dll" 2>&1); then
  check "$dll: readable" 1 "$headers"
  exit 1
fi

exports=$(awk '/^\[Ordinal\/Name Pointer\] Table/{on=1; next} on && /^\t\[/{print} on && !/^\t\[/{on=0}' <<<"$headers")
ordinals=$(awk '/^Export Address Table -- Ordinal Base/{base=$NF; on=1; next} on && /^\t\[/{print; next} on{on=0}' <<<"$headers")
[[ $(sed 's/^[[:space:]]*//' <<<"$exports") == "[   0] Direct3DCreateF" ]]
check "$dll: exports Direct3DCreateF and nothing else" $? "exports: $(tr '\n' ' ' <<<"$exports")"
grep -q 'Ordinal Base 1' <<<"$headers" && [[ $(wc -l <<<"$ordinals") == 1 ]] && grep -q '\[   0\] +base\[   1\]' <<<"$ordinals"
check "$dll: Direct3DCreateF is ordinal 1" $? "$(tr '\n' ' ' <<<"$ordinals")"

imports=$(awk '/DLL Name:/{print tolower($3)}' <<<"$headers" | sort)
allowed='^(kernel32|user32|winmm|msvcrt|advapi32|ntdll|api-ms-win-crt-[a-z0-9-]+|ucrtbase)\.dll$'
unexpected=$(grep -Ev "$allowed" <<<"$imports" || true)
[[ -z "$unexpected" ]]
check "$dll: imports only system DLLs" $? "unexpected: $(tr '\n' ' ' <<<"$unexpected")"
! grep -qx 'd3d8.dll' <<<"$imports"
check "$dll: does not import d3d8.dll" $? "imports d3d8.dll"
exit $status
