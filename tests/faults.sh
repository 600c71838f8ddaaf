#!/bin/sh
# Runs the program with one call made to fail (fault_inject.cc, loaded with
# LD_PRELOAD) and checks that the run ends cleanly: its exit status, what is
# left in Rezultatai.txt and the message. Then makes each allocation of a run
# fail in turn, and every allocation from the N-th on: every such run ends
# with the whole report, the success line and status 0, or with one message,
# no success line, status 1 and the report empty or as it was.
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

# Runs the program in a fresh folder with MASYVAS_FAULT=$1, after the shell
# commands $2, its output redirected as $3 says after the usual files; sets
# status.
run() {
  chattr -i -a "$work/run/Rezultatai.txt" 2>/dev/null
  rm -rf "$work/run" && mkdir -p "$work/run" && cd "$work/run" || exit 1
  cp "$case_dir"/input/* .
  echo "$earlier" >Rezultatai.txt
  eval "${2:-}"
  eval "MASYVAS_FAULT=\$1 LD_PRELOAD=\$inject LC_ALL=C timeout 30 \"\$program\" \
    >stdout 2>stderr </dev/null ${3:-}"
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

# fault or setup | exit status | report (- for any) | the message's start
# after "Klaida: ", if any
while IFS='|' read -r fault want_status want_report want_message; do
  case $fault in
    *:*) run "$fault" ;;
    *) run "" "$fault" ;;
  esac
  got_report=$(report)
  [ "$status" = "$want_status" ] || fail "$fault: exit status $status, expected $want_status"
  [ "$want_report" = - ] || [ "$got_report" = "$want_report" ] ||
    fail "$fault: report $got_report, expected $want_report"
  case "$(cat stderr)" in
    "Klaida: $want_message"*) ;;
    *) [ -z "$want_message" ] || fail "$fault: stderr was: $(cat stderr)" ;;
  esac
done <<TABLE
write:1:5|1|empty|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
write:1:28|1|empty|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
signal:1:2|130|whole|
signal:1:15|143|whole|
signal:1:1|129|whole|
signal:1:11|139|whole|
read:1:5|1|empty|nepavyko perskaityti duomenu failo Masyvas.txt iki galo (kodas 5
close:1:5|1|-|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: kita sistemos klaida (kodas 5: Input/output error): paleiskite programa dar karta, o jei klaida kartosis, parodykite si pranesima destytojui ar mokytojui. Rezultatu faile gali buti likusi nebaigta ataskaita: istrinkite ji ir paleiskite programa dar karta.
fstat:5|1|unchanged|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
flock:37|0|whole|
rm Rezultatai.txt; mkfifo Rezultatai.txt|1|-|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: tai kanalas (FIFO)
mv Masyvas.txt d; mkfifo Masyvas.txt|1|empty|nepavyko atidaryti duomenu failo Masyvas.txt aplanke $work/run: tai kanalas (FIFO)
ln Rezultatai.txt other.txt|1|unchanged|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: sis failas turi ir kitu vardu
mv Rezultatai.txt other.txt; ln -s other.txt Rezultatai.txt|1|-|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: tai simboline nuoroda
rm Masyvas.txt Rezultatai.txt; ln -s Masyvas.txt Rezultatai.txt|1|-|duomenu failas Masyvas.txt nerastas aplanke $work/run.
TABLE
[ ! -e "$work/run/Masyvas.txt" ] || fail "a link to a missing data file created it"
run "" "mv Rezultatai.txt other.txt; ln -s other.txt Rezultatai.txt"
[ "$(cat other.txt)" = "$earlier" ] || fail "a symbolic link as the report was written through"

# The report is also standard output: refused. Standard error closed: the
# report does not take its place, and the warning goes nowhere.
run "" "" ">Rezultatai.txt"
[ "$status" = 1 ] && grep -q "programos isvestis" stderr ||
  fail "standard output into the report: status $status, $(cat stderr)"
run "" "echo 7 >>Masyvas.txt" "2>&-"
[ "$status" = 0 ] && [ "$(report)" = whole ] ||
  fail "standard error closed: status $status, report $(report)"
# Standard error a pipe with no reader once the report is whole, or standard
# output a full disk: the run has succeeded all the same.
run "" "echo 7 >>Masyvas.txt; mkfifo err; (exec 3<err) &" "2>err"
[ "$status" = 0 ] && [ "$(report)" = whole ] ||
  fail "standard error closed on the warning: status $status, report $(report)"
run "" "" ">/dev/full"
[ "$status" = 0 ] && [ "$(report)" = whole ] ||
  fail "standard output a full disk: status $status, report $(report)"

# As root, who can mark a file immutable or append-only (where the file
# system has such marks): no permission to write it.
if [ "$(id -u)" = 0 ]; then
  for mark in i a; do
    if chattr "+$mark" "$work/run/Rezultatai.txt" 2>/dev/null; then
      run "" "chattr +$mark Rezultatai.txt"
      [ "$status" = 1 ] && [ "$(report)" = unchanged ] && grep -q "neturite teises rasyti" stderr ||
        fail "chattr +$mark: status $status, $(cat stderr)"
    fi
  done
fi

# The end of a run that ran out of memory: the whole report, the success line
# and status 0; or status 1, one message, no success line, and the report
# empty (the earlier one deleted, and so named) or as it was.
memory_ok() {
  got_report=$(report)
  success=$(grep -c 'Rezultatu ieskokite faile' stdout)
  messages=$(grep -c '^Klaida: ' stderr)
  deleted=$(grep -c ' Ankstesne ataskaita Rezultatai.txt istrinta\.$' stderr)
  # Memory that ran out is never told as a system error (ENOMEM).
  ! grep -q '(kodas 12:' stderr || return 1
  if [ "$status" = 0 ] && [ "$got_report" = whole ] && [ "$success" = 1 ]; then
    return 0
  fi
  [ "$status" = 1 ] && [ "$success" = 0 ] && [ "$messages" = 1 ] &&
    { { [ "$got_report" = empty ] && [ "$deleted" = 1 ]; } ||
      { [ "$got_report" = unchanged ] && [ "$deleted" = 0 ]; }; }
}

# A run that succeeds, one that gives hints on the files beside it, and one
# that stops at bad data, each with an earlier report.
for name in example double_extension not_integer; do
  case_dir=$golden/$name
  run alloc:0
  total=$(sed -n 's/^allocations: //p' stderr)
  [ -n "$total" ] && [ "$total" -gt 0 ] || fail "$name: alloc:0 counted no allocation"
  short=0
  n=1
  while [ "$n" -le "${total:-0}" ]; do
    for kind in alloc allocfrom; do
      run "$kind:$n"
      memory_ok || fail "$name, $kind:$n: exit status $status, report $got_report, stdout: $(cat stdout), stderr: $(cat stderr)"
      [ "$status" = 0 ] || short=$((short + 1))
    done
    n=$((n + 1))
  done
  [ "$short" -gt 0 ] || fail "$name: no allocation failure of $total ended the run"
done
[ $failures -eq 0 ] && echo "faults: all cases passed"
exit $((failures != 0))
