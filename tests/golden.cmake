# Runs the program once in a fresh directory and compares what it leaves with
# a golden case. Called by CTest as
#   cmake -DPROGRAM=... -DCASE_DIR=... -DWORK_DIR=... [-DEMULATOR=...]
#         [-DCRLF=ON] [-DPAUSE=ON] [-DEXPECTED_DIR=...] [-DREAD_ONLY=files]
#         [-DBEFORE=script] [-DLOCALE=name] [-DTEMP_RUN_DIR=ON]
#         [-DWHAT=...] -P golden.cmake
#
# A case directory holds:
#   input/     files copied into the working directory before the run
#   expected/  status, stdout, stderr and (unless the results file must not
#              be a regular file afterwards) Rezultatai.txt, with LF line ends
#              and @RUN_DIR@ for the folder the program runs in; EXPECTED_DIR
#              names another case's expected/ instead
# READ_ONLY names input files made read-only (a POSIX host only; under Wine
# the files then have Windows' read-only attribute). BEFORE is
# a shell script run in the working directory right before the program, in
# its process (a POSIX host only). Without an emulator the program runs in
# the locale LOCALE (default C) with a temporary folder of its own, or with
# the folder it runs in as the temporary folder where TEMP_RUN_DIR is on.
# CRLF=ON expects CR LF line ends instead. PAUSE=ON, where the system's
# "pause" command waits for the key, expects standard output to be the
# expected text followed by the prompt of that command, in any wording.

cmake_minimum_required(VERSION 3.16)

foreach(var PROGRAM CASE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "golden.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT DEFINED EXPECTED_DIR)
  set(EXPECTED_DIR "${CASE_DIR}/expected")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/run" "${WORK_DIR}/expected")
set(run_dir "${WORK_DIR}/run")
if(READ_ONLY)
  # The files named are made read-only, and the run happens in a fresh
  # folder of its own that every user may enter, with its own copy of the
  # program. Root may write read-only files (and Wine lets root do so), so
  # as root the program runs as the unprivileged user nobody.
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
  if(uid STREQUAL "0" AND EMULATOR MATCHES "wine")
    # Wine needs a prefix of the user's own, in a folder that user can
    # reach wherever the build is (a build folder may be closed to others).
    execute_process(COMMAND mktemp -d OUTPUT_VARIABLE wine_home
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND chown 65534:65534 "${wine_home}")
    set(EMULATOR setpriv --reuid=65534 --regid=65534 --clear-groups
        env "HOME=${wine_home}" "WINEPREFIX=${wine_home}/prefix"
        ${EMULATOR})
    execute_process(COMMAND ${EMULATOR} wineboot --init
                    OUTPUT_QUIET ERROR_QUIET TIMEOUT 100)
  elseif(uid STREQUAL "0")
    set(EMULATOR setpriv --reuid=65534 --regid=65534 --clear-groups)
  endif()
endif()

if(BEFORE)
  set(EMULATOR sh -c "${BEFORE}\nexec \"$@\"" sh ${EMULATOR})
endif()
if(NOT EMULATOR MATCHES "wine")
  if(NOT LOCALE)
    set(LOCALE C)
  endif()
  set(tmp_dir "${WORK_DIR}/tmp")
  if(TEMP_RUN_DIR)
    set(tmp_dir "${run_dir}")
  endif()
  file(MAKE_DIRECTORY "${tmp_dir}")
  set(EMULATOR ${CMAKE_COMMAND} -E env "LC_ALL=${LOCALE}" "TMPDIR=${tmp_dir}"
      ${EMULATOR})
endif()
if(CMAKE_HOST_WIN32)
  set(no_input NUL)
else()
  set(no_input /dev/null)
endif()
# Standard output goes through a pipe where the host has cat, as it does when
# a user pipes the program: fully buffered there, the order of the message and
# the pause's prompt shows that the program flushed before pausing.
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

# The expected files as this run must leave them: @RUN_DIR@ replaced by the
# run's folder as the program names it (under Wine, as a Windows path), with
# the platform's line ends.
set(RUN_DIR "${run_dir}")
if(EMULATOR MATCHES "wine")
  string(REPLACE "/" "\\" RUN_DIR "Z:${run_dir}")
endif()
if(CRLF)
  set(newline CRLF)
else()
  set(newline LF)
endif()
file(GLOB expected_names RELATIVE "${EXPECTED_DIR}" "${EXPECTED_DIR}/*")
foreach(name IN LISTS expected_names)
  configure_file("${EXPECTED_DIR}/${name}" "${WORK_DIR}/expected/${name}"
                 @ONLY NEWLINE_STYLE ${newline})
endforeach()

# On a Windows whose code page for programs without Unicode is not Baltic
# (Wine in any locale but Lithuanian), a successful run adds a note on the
# report's encoding.
file(READ "${WORK_DIR}/expected/status" want_status)
string(STRIP "${want_status}" want_status)
set(lang "$ENV{LC_ALL}")
if(NOT lang)
  set(lang "$ENV{LANG}")
endif()
if(EMULATOR MATCHES "wine" AND want_status STREQUAL "0" AND NOT lang MATCHES "^lt_LT")
  file(READ "${CMAKE_CURRENT_LIST_DIR}/golden/codepage_note" note)
  if(CRLF)
    string(REPLACE "\n" "\r\n" note "${note}")
  endif()
  file(APPEND "${WORK_DIR}/expected/stderr" "${note}")
endif()

set(failures "")

# Compares two files byte for byte and, when they differ, records the first
# line that does.
function(compare what want_file got_file)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want_file}" "${got_file}"
                  RESULT_VARIABLE differ OUTPUT_QUIET ERROR_QUIET)
  if(differ EQUAL 0)
    return()
  endif()
  set(text "")
  foreach(file want got)
    file(READ "${${file}_file}" ${file})
    # One list element a line; a ";" in the text must not split it.
    string(REPLACE ";" "<semicolon>" ${file} "${${file}}")
    string(REPLACE "\n" ";" ${file} "${${file}}")
    list(LENGTH ${file} ${file}_lines)
  endforeach()
  set(line 0)
  while(line LESS want_lines AND line LESS got_lines)
    list(GET want ${line} a)
    list(GET got ${line} b)
    if(NOT a STREQUAL b)
      break()
    endif()
    math(EXPR line "${line} + 1")
  endwhile()
  set(a "(no such line)")
  set(b "(no such line)")
  if(line LESS want_lines)
    list(GET want ${line} a)
  endif()
  if(line LESS got_lines)
    list(GET got ${line} b)
  endif()
  math(EXPR shown "${line} + 1")
  if(line EQUAL want_lines AND line EQUAL got_lines)
    # The lines read the same as CMake strings, which fold CR LF.
    set(failures "${failures}\n  ${what}: differs in its line ends" PARENT_SCOPE)
  else()
    set(failures "${failures}\n  ${what}: differs at line ${shown}\n    expected: [${a}]\n    actual:   [${b}]" PARENT_SCOPE)
  endif()
endfunction()

if(NOT status STREQUAL want_status)
  string(APPEND failures "\n  exit status: expected ${want_status}, got ${status}")
endif()

if(PAUSE)
  # The interpreter's "pause" prints its prompt, in the system's language,
  # after the program's own output: that output must come first and whole,
  # and some prompt must follow it. (Bytes as hex: a CMake string would fold
  # CR LF.)
  file(READ "${WORK_DIR}/expected/stdout" want HEX)
  file(READ "${WORK_DIR}/stdout" got HEX)
  string(LENGTH "${want}" want_len)
  string(SUBSTRING "${got}" 0 ${want_len} got_start)
  if(NOT got_start STREQUAL want)
    compare(stdout "${WORK_DIR}/expected/stdout" "${WORK_DIR}/stdout")
  elseif(got STREQUAL want)
    string(APPEND failures "\n  stdout: no prompt from the pause after the output")
  endif()
else()
  compare(stdout "${WORK_DIR}/expected/stdout" "${WORK_DIR}/stdout")
endif()
compare(stderr "${WORK_DIR}/expected/stderr" "${WORK_DIR}/stderr")

set(report "${run_dir}/Rezultatai.txt")
if(EXISTS "${WORK_DIR}/expected/Rezultatai.txt")
  if(NOT EXISTS "${report}" OR IS_DIRECTORY "${report}")
    string(APPEND failures "\n  Rezultatai.txt: not written")
  else()
    compare(Rezultatai.txt "${WORK_DIR}/expected/Rezultatai.txt" "${report}")
  endif()
elseif(EXISTS "${report}" AND NOT IS_DIRECTORY "${report}")
  string(APPEND failures "\n  Rezultatai.txt: written, but the case expects none")
endif()

if(READ_ONLY)
  execute_process(COMMAND chmod -R u+w "${run_dir}")
  file(REMOVE_RECURSE "${run_dir}")
  if(wine_home)
    file(REMOVE_RECURSE "${wine_home}")
  endif()
endif()
if(failures)
  message(FATAL_ERROR "golden case ${CASE_DIR} failed (it guards: ${WHAT}; "
                      "output in ${WORK_DIR}):${failures}")
endif()
