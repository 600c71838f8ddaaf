#!/bin/sh
# Runs the program with one call made to fail (fault_inject.cc, loaded with
# LD_PRELOAD) and checks that the run ends cleanly: its exit status, what is
# left in Rezultatai.txt and the message. Then makes each allocation of a run
# fail in turn: every such run ends with the whole report and status 0, or
# with an empty report, a message and status 1.
# Usage: faults.sh PROGRAM INJECT_LIBRARY WORK_DIR GOLDEN_DIR
set -u
program=$1 inject=$2 work=$3 golden=$4
case_dir=$golden/example
earlier="an earlier report"
failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

# Runs the program in a fresh folder with MASYVAS_FAULT=$1; sets status.
run() {
  rm -rf "$work/run" && mkdir -p "$work/run" && cd "$work/run" || exit 1
  cp "$case_dir"/input/* .
  echo "$earlier" >Rezultatai.txt
  MASYVAS_FAULT=$1 LD_PRELOAD=$inject LC_ALL=C "$program" >stdout 2>stderr </dev/null
  status=$?
}

# What Rezultatai.txt holds: empty, whole (the expected report), unchanged.
report() {
  if [ ! -s Rezultatai.txt ]; then
    echo empty
  elif cmp -s Rezultatai.txt "$case_dir/expected/Rezultatai.txt"; then
    echo whole
  elif [ "$(cat Rezultatai.txt)" = "$earlier" ]; then
    echo unchanged
  else
    echo partial
  fi
}

# fault | exit status | report | the message's start after "Klaida: ", if any
while IFS='|' read -r fault want_status want_report want_message; do
  run "$fault"
  got_report=$(report)
  [ "$status" = "$want_status" ] || fail "$fault: exit status $status, expected $want_status"
  [ "$got_report" = "$want_report" ] || fail "$fault: report $got_report, expected $want_report"
  case "$(cat stderr)" in
    "Klaida: $want_message"*) ;;
    *) [ -z "$want_message" ] || fail "$fault: stderr was: $(cat stderr)" ;;
  esac
done <<'TABLE'
write:1:5|1|empty|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
write:2:28|1|empty|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
signal:1:2|130|empty|
signal:2:15|143|empty|
signal:4:1|129|empty|
signal:3:11|139|empty|
read:1:5|1|empty|nepavyko perskaityti duomenu failo Masyvas.txt iki galo (kodas 5
fstat:5|1|unchanged|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
flock:37|0|whole|
TABLE

# A run that succeeds, one that gives hints on the files beside it, and one
# that stops at bad data.
for name in example double_extension not_integer; do
  case_dir=$golden/$name
  run alloc:0
  total=$(sed -n 's/^allocations: //p' stderr)
  [ -n "$total" ] && [ "$total" -gt 0 ] || fail "$name: alloc:0 counted no allocation"
  short=0
  n=1
  while [ "$n" -le "${total:-0}" ]; do
    run "alloc:$n"
    got_report=$(report)
    if [ "$status" = 0 ] && [ "$got_report" = whole ]; then
      :
    elif [ "$status" = 1 ] && [ "$got_report" = empty ] && grep -q '^Klaida: ' stderr; then
      short=$((short + 1))
    else
      fail "$name, alloc:$n: exit status $status, report $got_report, stderr: $(cat stderr)"
    fi
    n=$((n + 1))
  done
  [ "$short" -gt 0 ] || fail "$name: no allocation failure of $total ended the run"
done
[ $failures -eq 0 ] && echo "faults: all cases passed"
exit $((failures != 0))
