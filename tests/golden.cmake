# Runs the program once in a fresh directory and compares what it leaves with
# a golden case. Called by CTest as
#   cmake -DPROGRAM=... -DCASE_DIR=... -DWORK_DIR=... [-DEMULATOR=...]
#         [-DCRLF=ON] [-DPAUSE_PROMPT=...] -P golden.cmake
#
# A case directory holds:
#   input/     files copied into the working directory before the run
#   expected/  status, stdout, stderr and (unless the results file must not
#              be a regular file afterwards) Rezultatai.txt, with LF line ends
# CRLF=ON expects CR LF line ends instead. PAUSE_PROMPT is what the system's
# "pause" command adds to standard output after the program's own text.

foreach(var PROGRAM CASE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "golden.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/run" "${WORK_DIR}/expected")
set(run_dir "${WORK_DIR}/run")
if(EXISTS "${CASE_DIR}/input")
  file(COPY "${CASE_DIR}/input/" DESTINATION "${run_dir}")
endif()

if(CMAKE_HOST_WIN32)
  set(no_input NUL)
else()
  set(no_input /dev/null)
endif()
execute_process(
  COMMAND ${EMULATOR} "${PROGRAM}"
  WORKING_DIRECTORY "${run_dir}"
  INPUT_FILE ${no_input}
  OUTPUT_FILE "${WORK_DIR}/stdout"
  ERROR_FILE "${WORK_DIR}/stderr"
  RESULT_VARIABLE status
  TIMEOUT 120)

set(failures "")

# Writes the expected file NAME, with the platform's line ends, beside the
# actual one and compares the two byte for byte.
function(expect_file name actual)
  file(READ "${CASE_DIR}/expected/${name}" text)
  if(CRLF)
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  if(name STREQUAL "stdout" AND DEFINED PAUSE_PROMPT)
    string(APPEND text "${PAUSE_PROMPT}")
  endif()
  set(expected "${WORK_DIR}/expected/${name}")
  file(WRITE "${expected}" "${text}")
  if(NOT EXISTS "${actual}" OR IS_DIRECTORY "${actual}")
    set(failures "${failures}\n  ${name}: no such file was written" PARENT_SCOPE)
    return()
  endif()
  file(READ "${expected}" want HEX)
  file(READ "${actual}" got HEX)
  if(want STREQUAL got)
    return()
  endif()
  # Find the first byte that differs, for a readable message.
  string(LENGTH "${want}" want_len)
  string(LENGTH "${got}" got_len)
  set(at 0)
  while(at LESS want_len AND at LESS got_len)
    string(SUBSTRING "${want}" ${at} 2 a)
    string(SUBSTRING "${got}" ${at} 2 b)
    if(NOT a STREQUAL b)
      break()
    endif()
    math(EXPR at "${at} + 2")
  endwhile()
  math(EXPR offset "${at} / 2")
  string(SUBSTRING "${want}" ${at} 32 want_tail)
  string(SUBSTRING "${got}" ${at} 32 got_tail)
  set(failures "${failures}\n  ${name}: differs at byte ${offset}\n    expected: ${want_tail}\n    actual:   ${got_tail}\n    (compare ${expected} with ${actual})" PARENT_SCOPE)
endfunction()

file(READ "${CASE_DIR}/expected/status" want_status)
string(STRIP "${want_status}" want_status)
if(NOT status STREQUAL want_status)
  string(APPEND failures "\n  exit status: expected ${want_status}, got ${status}")
endif()
expect_file(stdout "${WORK_DIR}/stdout")
expect_file(stderr "${WORK_DIR}/stderr")
set(report "${run_dir}/Rezultatai.txt")
if(EXISTS "${CASE_DIR}/expected/Rezultatai.txt")
  expect_file(Rezultatai.txt "${report}")
elseif(EXISTS "${report}" AND NOT IS_DIRECTORY "${report}")
  string(APPEND failures "\n  Rezultatai.txt: written, but the case expects none")
endif()

if(failures)
  message(FATAL_ERROR "golden case ${CASE_DIR} failed:${failures}")
endif()
