# Runs the program twice at once in one folder, ROUNDS times, and checks that
# every run either writes the whole report (status 0) or stops, without
# touching the report, because the other run is writing it (status 1), and
# that the report is whole after every round. Called by CTest as
#   cmake -DPROGRAM=... -DCASE_DIR=... -DWORK_DIR=... -DROUNDS=n
#         -P concurrent_runs.cmake
# on a POSIX host; CASE_DIR is a golden case whose report is expected.
cmake_minimum_required(VERSION 3.16)

file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${CASE_DIR}/input/" DESTINATION "${WORK_DIR}")
file(READ "${CASE_DIR}/expected/Rezultatai.txt" want HEX)

set(both [=[
"$0" >out1 2>err1 </dev/null & first=$!
"$0" >out2 2>err2 </dev/null
second=$?
wait "$first"
echo "$? $second"
]=])
foreach(round RANGE 1 ${ROUNDS})
  execute_process(COMMAND sh -c "${both}" "${PROGRAM}"
                  WORKING_DIRECTORY "${WORK_DIR}"
                  OUTPUT_VARIABLE statuses OUTPUT_STRIP_TRAILING_WHITESPACE
                  TIMEOUT 30)
  string(REPLACE " " ";" statuses "${statuses}")
  foreach(run 1 2)
    math(EXPR index "${run} - 1")
    list(GET statuses ${index} status)
    file(READ "${WORK_DIR}/err${run}" err)
    if(status STREQUAL "1" AND err MATCHES "dabar raso kita programa")
      continue()
    elseif(NOT status STREQUAL "0")
      message(FATAL_ERROR "round ${round}, run ${run}: status ${status}: ${err}")
    endif()
  endforeach()
  file(READ "${WORK_DIR}/Rezultatai.txt" got HEX)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "round ${round}: the report is not the whole report "
                        "(in ${WORK_DIR}/Rezultatai.txt)")
  endif()
endforeach()
