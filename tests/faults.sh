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
write:2:28|1|empty|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
signal:2:2|130|empty|
signal:2:15|143|empty|
signal:4:1|129|empty|
signal:3:11|139|empty|
read:1:5|1|empty|nepavyko perskaityti duomenu failo Masyvas.txt iki galo (kodas 5
fstat:5|1|unchanged|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke
flock:37|0|whole|
rm Rezultatai.txt; mkfifo Rezultatai.txt|1|-|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: tai kanalas (FIFO)
mv Masyvas.txt d; mkfifo Masyvas.txt|1|empty|duomenu failas Masyvas.txt aplanke $work/run yra kanalas (FIFO)
mv Masyvas.txt d; mkfifo Masyvas.txt; (cat d; yes ' ') >Masyvas.txt 2>/dev/null &|0|whole|
ln Rezultatai.txt other.txt|1|unchanged|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: sis failas turi ir kitu vardu
rm Masyvas.txt Rezultatai.txt; ln -s Masyvas.txt Rezultatai.txt|1|-|nepavyko irasyti rezultatu failo Rezultatai.txt aplanke $work/run: tai nuoroda i faila ar aplanka, kurio nera.
TABLE
[ ! -e "$work/run/Masyvas.txt" ] || fail "a link to a missing data file created it"

# The report is also standard output: refused. Standard error closed: the
# report does not take its place, and the warning goes nowhere.
run "" "" ">Rezultatai.txt"
[ "$status" = 1 ] && grep -q "programos isvestis" stderr ||
  fail "standard output into the report: status $status, $(cat stderr)"
run "" "echo 7 >>Masyvas.txt" "2>&-"
[ "$status" = 0 ] && [ "$(report)" = whole ] ||
  fail "standard error closed: status $status, report $(report)"
# Standard error a pipe with no reader once the report is whole: the report
# stays whole.
run "" "echo 7 >>Masyvas.txt; mkfifo err; (exec 3<err) &" "2>err"
[ "$(report)" = whole ] || fail "standard error closed on the warning: report $(report)"
# A pipe's writer that stalls, or never stops sending white space before the
# elements: the run ends all the same.
run "" "mv Masyvas.txt d; mkfifo Masyvas.txt; (cat d; sleep 40) >Masyvas.txt 2>/dev/null &"
[ "$status" = 0 ] && [ "$(report)" = whole ] ||
  fail "a stalled pipe: status $status, report $(report)"
run "" "rm Masyvas.txt; mkfifo Masyvas.txt; (echo 1 1; yes ' ') >Masyvas.txt 2>/dev/null &"
[ "$status" = 1 ] && grep -q "truksta elemento \[1, 1\]" stderr ||
  fail "endless white space before the elements: status $status, $(cat stderr)"

# As root, who can plant another user's link and mark a file immutable or
# append-only (where the file system has such marks).
if [ "$(id -u)" = 0 ]; then
  run "" "cp Rezultatai.txt other.txt; rm Rezultatai.txt; ln -s other.txt Rezultatai.txt; chown -h 65534 Rezultatai.txt"
  [ "$status" = 1 ] && [ "$(report)" = unchanged ] &&
    grep -q "kito naudotojo simbolin" stderr || fail "planted link: status $status, $(cat stderr)"
  run "" "cp Rezultatai.txt other.txt; ln -s other.txt planted.txt; chown -h 65534 planted.txt; rm Rezultatai.txt; ln -s planted.txt Rezultatai.txt"
  [ "$status" = 1 ] && [ "$(cat other.txt)" = "$earlier" ] ||
    fail "a planted link behind one's own: status $status, $(cat stderr)"
  for mark in i:nekeiciamas a:tik; do
    if chattr "+${mark%%:*}" "$work/run/Rezultatai.txt" 2>/dev/null; then
      run "" "chattr +${mark%%:*} Rezultatai.txt"
      [ "$status" = 1 ] && [ "$(report)" = unchanged ] && grep -q "pozymis \"${mark#*:}" stderr ||
        fail "chattr +${mark%%:*}: status $status, $(cat stderr)"
    fi
  done
fi

# A run that succeeds, one that gives hints on the files beside it, and one
# that stops at bad data. Each began with an earlier report, which a run
# that fails has deleted and says so.
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
    elif [ "$status" = 1 ] && [ "$got_report" = empty ] && grep -q '^Klaida: ' stderr &&
      grep -q ' Ankstesne ataskaita Rezultatai.txt istrinta\.$' stderr; then
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
