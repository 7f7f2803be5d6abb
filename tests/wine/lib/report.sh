# One line per check: "PASS: <name>" or "FAIL: <name> (<why>)"; SKIP lines for
# what cannot run here; "# ..." lines for timings and figures, which never
# decide anything.
failures=0

pass() { echo "PASS: $1"; }
fail() {
  echo "FAIL: $1 ($2)"
  failures=$((failures + 1))
}
skip() { echo "SKIP: $1 ($2)"; }
note() { echo "# $*"; }

# expect NAME WHY COMMAND...: PASS if the command succeeds, else FAIL with WHY.
expect() {
  local name=$1 why=$2
  shift 2
  if "$@"; then pass "$name"; else fail "$name" "$why"; fi
}

# timed LABEL COMMAND...: runs the command and notes how long it took.
timed() {
  local label=$1 start=$SECONDS
  shift
  "$@"
  note "$label: $((SECONDS - start)) s"
}
