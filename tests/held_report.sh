#!/bin/sh
# The report is written through the file the run opened, whatever happens to
# its name meanwhile. For each case the run is stopped at its first write to
# a file (SIGSTOP, by fault_inject.cc) while the report's name is changed: the
# run must fail with exit status 1 and its message, and no other file may
# change.
# Usage: held_report.sh PROGRAM INJECT_LIBRARY WORK_DIR DATA_FILE
set -u
program=$1 inject=$2 work=$3 data=$4
failures=0
for case in moved deleted linked_to_data; do
  dir=$work/$case
  rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1
  cp "$data" data.txt && cp "$data" Masyvas.txt
  echo "an earlier report" >Rezultatai.txt
  MASYVAS_FAULT=signal:1:19 LD_PRELOAD=$inject LC_ALL=C "$program" \
    >stdout 2>stderr </dev/null &
  run=$!
  tries=0
  while ! ps -o stat= -p $run | grep -q '^T' && [ $tries -lt 200 ]; do
    sleep 0.05
    tries=$((tries + 1))
  done
  case $case in
    moved) mv Rezultatai.txt elsewhere.txt ;;
    deleted) rm Rezultatai.txt ;;
    linked_to_data) rm Rezultatai.txt && ln -s data.txt Rezultatai.txt ;;
  esac
  kill -CONT $run
  wait $run
  status=$?
  want="Klaida: rezultatu failas Rezultatai.txt aplanke $dir buvo perkeltas, istrintas ar pakeistas kitu, kol programa rase ataskaita; paleiskite programa dar karta. Ankstesne ataskaita Rezultatai.txt istrinta."
  if [ $status -ne 1 ]; then
    echo "$case: exit status $status, expected 1"
    failures=$((failures + 1))
  fi
  if [ "$(cat stderr)" != "$want" ]; then
    echo "$case: stderr was: $(cat stderr)"
    failures=$((failures + 1))
  fi
  if ! cmp -s "$data" data.txt; then
    echo "$case: the data changed"
    failures=$((failures + 1))
  fi
done
[ $failures -eq 0 ] && echo "held_report: all cases passed"
exit $((failures != 0))
