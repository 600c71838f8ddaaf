# Runs PROGRAM once in WORK_DIR/run, a fresh copy of CASE_DIR/input/, and
# compares what it leaves with CASE_DIR/expected/ (or EXPECTED_DIR): status,
# stdout, stderr and, unless the results file must not be a regular file
# afterwards, Rezultatai.txt; LF line ends, @RUN_DIR@ for the run folder.
# golden_case in tests/CMakeLists.txt passes these and its options (READ_ONLY,
# BEFORE, LOCALE, WHAT: see there) as -D<name>=... to cmake -P,
# and: EMULATOR (a list), which runs the program; WINE=ON, which says that it
# is Wine; CRLF=ON, which expects CR LF; PAUSE=ON, which expects some prompt
# of the "pause" command after the expected stdout.
# With the environment variable MASYVAS_UPDATE_GOLDEN set (not under Wine),
# the run's output replaces the expected files the case has instead of being
# compared with them.

cmake_minimum_required(VERSION 3.16)
if(NOT PROGRAM OR NOT CASE_DIR OR NOT WORK_DIR)
  message(FATAL_ERROR "golden.cmake needs PROGRAM, CASE_DIR and WORK_DIR")
elseif(NOT EXPECTED_DIR)
  set(EXPECTED_DIR "${CASE_DIR}/expected")
endif()

set(run_dir "${WORK_DIR}/run")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${run_dir}" "${WORK_DIR}/expected" "${WORK_DIR}/tmp")
if(EXISTS "${CASE_DIR}/input")
  file(COPY "${CASE_DIR}/input/" DESTINATION "${run_dir}")
endif()
foreach(name IN LISTS READ_ONLY)
  execute_process(COMMAND chmod a-w "${run_dir}/${name}" RESULT_VARIABLE failed)
  execute_process(COMMAND test -w "${run_dir}/${name}" RESULT_VARIABLE read_only)
  if(failed)
    message(FATAL_ERROR "golden.cmake: could not make ${name} read-only")
  elseif(read_only EQUAL 0)
    message(FATAL_ERROR "golden case skipped: this user may write the read-only "
                        "${name} (as root may); run it as an unprivileged user.")
  endif()
endforeach()

if(BEFORE)
  set(EMULATOR sh -c "${BEFORE}\nexec \"$@\"" sh ${EMULATOR})
endif()
if(NOT WINE)
  if(NOT LOCALE)
    set(LOCALE C)
  endif()
  set(tmp_dir "${WORK_DIR}/tmp")
  set(EMULATOR ${CMAKE_COMMAND} -E env "LC_ALL=${LOCALE}" "TMPDIR=${tmp_dir}" ${EMULATOR})
endif()
# Standard output goes through a pipe where the host has cat, as it does when
# a user pipes the program: fully buffered there, the order of the message and
# the pause's prompt shows that the program flushed before pausing.
find_program(CAT cat)
if(CAT)
  set(pipe COMMAND "${CAT}")
endif()
set(no_input /dev/null)
if(CMAKE_HOST_WIN32)
  set(no_input NUL)
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${pipe}
                WORKING_DIRECTORY "${run_dir}" INPUT_FILE "${no_input}"
                OUTPUT_FILE "${WORK_DIR}/stdout" ERROR_FILE "${WORK_DIR}/stderr"
                RESULTS_VARIABLE statuses TIMEOUT 120)
list(GET statuses 0 status)

# The expected files as this run must leave them: @RUN_DIR@ replaced by the
# run folder as the program names it, with the platform's line ends.
set(RUN_DIR "${run_dir}")
set(newline LF)
if(WINE)
  string(REPLACE "/" "\\" RUN_DIR "Z:${run_dir}")
endif()
if(CRLF)
  set(newline CRLF)
endif()
file(GLOB names RELATIVE "${EXPECTED_DIR}" "${EXPECTED_DIR}/*")
foreach(name IN LISTS names)
  configure_file("${EXPECTED_DIR}/${name}" "${WORK_DIR}/expected/${name}"
                 @ONLY NEWLINE_STYLE ${newline})
endforeach()
file(STRINGS "${WORK_DIR}/expected/status" want_status)
# Wine's language is LC_ALL's, or where that is empty LANG's; in any but
# Lithuanian its code page is not Baltic, and a successful run adds a note.
if(WINE AND want_status STREQUAL "0" AND NOT "$ENV{LC_ALL}$ENV{LANG}" MATCHES "^lt_LT")
  file(READ "${CMAKE_CURRENT_LIST_DIR}/golden/codepage_note" note)
  if(CRLF)
    string(REPLACE "\n" "\r\n" note "${note}")
  endif()
  file(APPEND "${WORK_DIR}/expected/stderr" "${note}")
endif()

set(report "${run_dir}/Rezultatai.txt")

# Adds to failures how the file got differs from the file want.
find_program(DIFF diff)
function(compare what want got)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want}" "${got}"
                  RESULT_VARIABLE differ OUTPUT_QUIET ERROR_QUIET)
  if(NOT differ)
    return()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol "${want}" "${got}"
                  RESULT_VARIABLE differ OUTPUT_QUIET ERROR_QUIET)
  set(text "differs only in its line ends")
  if(differ)
    set(text "differs from ${want}")
  endif()
  if(differ AND DIFF)
    # Indented, CMake's message keeps the lines as they are.
    execute_process(COMMAND "${DIFF}" -u "${want}" "${got}" OUTPUT_VARIABLE diff)
    string(REPLACE "\n" "\n    " diff "\n${diff}")
  endif()
  set(failures "${failures}\n  ${what}: ${text}${diff}" PARENT_SCOPE)
endfunction()

if("$ENV{MASYVAS_UPDATE_GOLDEN}" AND NOT WINE)
  foreach(name IN LISTS names)
    set(got "${WORK_DIR}/${name}")
    if(name STREQUAL "status")
      file(WRITE "${EXPECTED_DIR}/status" "${status}\n")
    elseif(name STREQUAL "Rezultatai.txt")
      configure_file("${report}" "${EXPECTED_DIR}/Rezultatai.txt" COPYONLY)
    else()
      file(READ "${got}" text)
      string(REPLACE "${run_dir}" "@RUN_DIR@" text "${text}")
      file(WRITE "${EXPECTED_DIR}/${name}" "${text}")
    endif()
  endforeach()
  message(STATUS "golden case ${CASE_DIR}: expected files updated")
  return()
endif()

set(failures "")
if(NOT status STREQUAL want_status)
  string(APPEND failures "\n  exit status: expected ${want_status}, got ${status}")
endif()
# The interpreter's "pause" prints its prompt, in the system's language, after
# the program's own output: that output must come first and whole, and some
# prompt must follow it. (Compared as hex: a CMake string would fold CR LF.)
file(READ "${WORK_DIR}/expected/stdout" want HEX)
file(READ "${WORK_DIR}/stdout" got HEX)
string(LENGTH "${want}" length)
string(SUBSTRING "${got}" 0 ${length} got_start)
if(NOT PAUSE OR NOT got_start STREQUAL want)
  compare(stdout "${WORK_DIR}/expected/stdout" "${WORK_DIR}/stdout")
elseif(got STREQUAL want)
  string(APPEND failures "\n  stdout: no prompt from the pause after the output")
endif()
compare(stderr "${WORK_DIR}/expected/stderr" "${WORK_DIR}/stderr")
if(EXISTS "${WORK_DIR}/expected/Rezultatai.txt")
  if(NOT EXISTS "${report}" OR IS_DIRECTORY "${report}")
    string(APPEND failures "\n  Rezultatai.txt: not written")
  else()
    compare(Rezultatai.txt "${WORK_DIR}/expected/Rezultatai.txt" "${report}")
  endif()
elseif(EXISTS "${report}" AND NOT IS_DIRECTORY "${report}")
  string(APPEND failures "\n  Rezultatai.txt: written, but the case expects none")
endif()

if(failures)
  message(FATAL_ERROR "golden case ${CASE_DIR} failed (it guards: ${WHAT}; "
                      "output in ${WORK_DIR}):${failures}")
endif()
