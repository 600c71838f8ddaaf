# Runs the program once in a fresh directory and compares what it leaves with
# a golden case. Called by CTest as
#   cmake -DPROGRAM=... -DCASE_DIR=... -DWORK_DIR=... [-DEMULATOR=...]
#         [-DCRLF=ON] [-DPAUSE=ON] [-DWHAT=...] -P golden.cmake
#
# A case directory holds:
#   input/     files copied into the working directory before the run
#   expected/  status, stdout, stderr and (unless the results file must not
#              be a regular file afterwards) Rezultatai.txt, with LF line ends
# CRLF=ON expects CR LF line ends instead. PAUSE=ON, where the system's
# "pause" command waits for the key, expects standard output to be the
# expected text followed by the prompt of that command, in any wording.

foreach(var PROGRAM CASE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "golden.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/run")
set(run_dir "${WORK_DIR}/run")
if(EXISTS "${CASE_DIR}/input")
  file(COPY "${CASE_DIR}/input/" DESTINATION "${run_dir}")
endif()

if(CMAKE_HOST_WIN32)
  set(no_input NUL)
else()
  set(no_input /dev/null)
endif()
# Standard output goes through a pipe where the host has cat, as it does when
# a user pipes the program: fully buffered there, the order of the message and
# the pause's prompt shows that the program flushed before pausing.
# (A CMake variable would fold CR LF, so the bytes go to files.)
find_program(CAT cat)
if(CAT)
  set(pipe COMMAND "${CAT}")
endif()
execute_process(
  COMMAND ${EMULATOR} "${PROGRAM}"
  ${pipe}
  WORKING_DIRECTORY "${run_dir}"
  INPUT_FILE ${no_input}
  OUTPUT_FILE "${WORK_DIR}/stdout"
  ERROR_FILE "${WORK_DIR}/stderr"
  RESULTS_VARIABLE statuses
  TIMEOUT 120)
list(GET statuses 0 status)

set(failures "")

# Reads a file's bytes as hex, two digits a byte.
function(read_hex path out)
  file(READ "${path}" hex HEX)
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# Compares expected and actual bytes (hex) and records the first difference.
function(compare what want got)
  if(want STREQUAL got)
    return()
  endif()
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
  set(failures "${failures}\n  ${what}: differs at byte ${offset}\n    expected: ${want_tail}\n    actual:   ${got_tail}" PARENT_SCOPE)
endfunction()

# The expected file's bytes as hex, with CR LF line ends where CRLF is on.
function(expected_hex name out)
  read_hex("${CASE_DIR}/expected/${name}" hex)
  if(CRLF)
    # Space-separated bytes, so that only a whole byte 0a can match.
    string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
    string(REPLACE "0a " "0d0a " hex "${hex}")
    string(REPLACE " " "" hex "${hex}")
  endif()
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

file(READ "${CASE_DIR}/expected/status" want_status)
string(STRIP "${want_status}" want_status)
if(NOT status STREQUAL want_status)
  string(APPEND failures "\n  exit status: expected ${want_status}, got ${status}")
endif()

expected_hex(stdout want)
read_hex("${WORK_DIR}/stdout" got)
if(PAUSE)
  # The interpreter's "pause" prints its prompt, in the system's language,
  # after the program's own output: that output must come first and whole,
  # and some prompt must follow it.
  string(LENGTH "${want}" want_len)
  string(LENGTH "${got}" got_len)
  set(got_start "")
  set(prompt "")
  if(got_len GREATER_EQUAL want_len)
    string(SUBSTRING "${got}" 0 ${want_len} got_start)
    string(SUBSTRING "${got}" ${want_len} -1 prompt)
  endif()
  if(got_start STREQUAL want AND prompt STREQUAL "")
    string(APPEND failures "\n  stdout: no prompt from the pause after the output")
  elseif(got_start STREQUAL want)
    set(got "${want}")
  endif()
endif()
compare(stdout "${want}" "${got}")

expected_hex(stderr want)
read_hex("${WORK_DIR}/stderr" got)
compare(stderr "${want}" "${got}")

set(report "${run_dir}/Rezultatai.txt")
if(EXISTS "${CASE_DIR}/expected/Rezultatai.txt")
  if(NOT EXISTS "${report}" OR IS_DIRECTORY "${report}")
    string(APPEND failures "\n  Rezultatai.txt: not written")
  else()
    expected_hex(Rezultatai.txt want)
    read_hex("${report}" got)
    compare(Rezultatai.txt "${want}" "${got}")
  endif()
elseif(EXISTS "${report}" AND NOT IS_DIRECTORY "${report}")
  string(APPEND failures "\n  Rezultatai.txt: written, but the case expects none")
endif()

if(failures)
  message(FATAL_ERROR "golden case ${CASE_DIR} failed (it guards: ${WHAT}; "
                      "output in ${WORK_DIR}):${failures}")
endif()
