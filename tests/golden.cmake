# Runs the program once in a fresh directory and compares what it leaves with
# a golden case. Called by CTest as
#   cmake -DPROGRAM=... -DCASE_DIR=... -DWORK_DIR=... [-DEMULATOR=...]
#         [-DCRLF=ON] [-DPAUSE=ON] [-DEXPECTED_DIR=...] [-DREAD_ONLY=files]
#         [-DWHAT=...] -P golden.cmake
#
# A case directory holds:
#   input/     files copied into the working directory before the run
#   expected/  status, stdout, stderr and (unless the results file must not
#              be a regular file afterwards) Rezultatai.txt, with LF line ends
#              and @RUN_DIR@ for the folder the program runs in; EXPECTED_DIR
#              names another case's expected/ instead
# READ_ONLY names input files made read-only (a Linux host only).
# CRLF=ON expects CR LF line ends instead. PAUSE=ON, where the system's
# "pause" command waits for the key, expects standard output to be the
# expected text followed by the prompt of that command, in any wording.

foreach(var PROGRAM CASE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "golden.cmake: ${var} is not set")
  endif()
endforeach()

if(NOT DEFINED EXPECTED_DIR)
  set(EXPECTED_DIR "${CASE_DIR}/expected")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/run")
set(run_dir "${WORK_DIR}/run")
if(READ_ONLY)
  # The files named are made read-only, and the run happens in a fresh
  # folder of its own that every user may enter, with its own copy of the
  # program. Root may write read-only files, so as root the program runs as
  # the unprivileged user nobody.
  execute_process(COMMAND mktemp -d OUTPUT_VARIABLE run_dir
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(COPY "${PROGRAM}" DESTINATION "${run_dir}")
  get_filename_component(program_name "${PROGRAM}" NAME)
  set(PROGRAM "${run_dir}/${program_name}")
endif()
if(EXISTS "${CASE_DIR}/input")
  file(COPY "${CASE_DIR}/input/" DESTINATION "${run_dir}")
endif()
if(READ_ONLY)
  execute_process(COMMAND chmod 755 "${run_dir}")
  foreach(name IN LISTS READ_ONLY)
    execute_process(COMMAND chmod 444 "${run_dir}/${name}")
  endforeach()
  execute_process(COMMAND id -u OUTPUT_VARIABLE uid
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(uid STREQUAL "0")
    set(EMULATOR setpriv --reuid=65534 --regid=65534 --clear-groups)
  endif()
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

# The run's folder as the program names it: under Wine, as a Windows path.
set(shown_dir "${run_dir}")
if(EMULATOR MATCHES "wine")
  string(REPLACE "/" "\\" shown_dir "Z:${run_dir}")
endif()
file(WRITE "${WORK_DIR}/placeholder" "@RUN_DIR@")
file(WRITE "${WORK_DIR}/shown_dir" "${shown_dir}")
read_hex("${WORK_DIR}/placeholder" placeholder_hex)
read_hex("${WORK_DIR}/shown_dir" shown_dir_hex)

# The expected file's bytes as hex, with the run's folder for @RUN_DIR@ and
# CR LF line ends where CRLF is on.
function(expected_hex name out)
  read_hex("${EXPECTED_DIR}/${name}" hex)
  string(REPLACE "${placeholder_hex}" "${shown_dir_hex}" hex "${hex}")
  if(CRLF)
    # Space-separated bytes, so that only a whole byte 0a can match.
    string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
    string(REPLACE "0a " "0d0a " hex "${hex}")
    string(REPLACE " " "" hex "${hex}")
  endif()
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

file(READ "${EXPECTED_DIR}/status" want_status)
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
if(EXISTS "${EXPECTED_DIR}/Rezultatai.txt")
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

if(READ_ONLY)
  execute_process(COMMAND chmod -R u+w "${run_dir}")
  file(REMOVE_RECURSE "${run_dir}")
endif()
if(failures)
  message(FATAL_ERROR "golden case ${CASE_DIR} failed (it guards: ${WHAT}; "
                      "output in ${WORK_DIR}):${failures}")
endif()
