# Checks that the message reference holds every line that a golden case
# shows on the console, so that the reference cannot drift from the program.
# Called by CTest as
#   cmake -DGOLDEN_DIR=<tests/golden> -DREFERENCE=<docs/messages.md> -P reference.cmake
# The lines are those of each case's expected/stderr and expected/stdout, and
# of the files straight in GOLDEN_DIR, which the runner adds to a case's
# expected output (codepage_note); empty lines are skipped. The reference
# writes every folder as one capital letter: D for the folder the program ran
# in, P for the program's own folder. So, in a golden line, @RUN_DIR@ and the
# path parts right after it (@RUN_DIR@/Temp1_masyvas.zip, @RUN_DIR@\programa)
# stand for D or P; every other character must stand in the reference as it
# is, the whole line on one line of the reference.
# A line missing from the reference is printed once, after the first file
# that shows it, as the reference would hold it, with D for every folder.
cmake_minimum_required(VERSION 3.16)
if(NOT IS_DIRECTORY "${GOLDEN_DIR}" OR NOT EXISTS "${REFERENCE}")
  message(FATAL_ERROR "reference.cmake needs GOLDEN_DIR, the golden cases' "
                      "folder, and REFERENCE, the message reference")
endif()

file(READ "${REFERENCE}" reference)
file(GLOB texts LIST_DIRECTORIES false "${GOLDEN_DIR}/*")
file(GLOB outputs "${GOLDEN_DIR}/*/expected/stderr" "${GOLDEN_DIR}/*/expected/stdout")
list(APPEND texts ${outputs})
list(SORT texts)

# A path part after the folder: a separator, then a name that does not end
# in the punctuation that may follow a path in a sentence.
set(part "[/\\\\][^ /\\\\]*[^ /\\\\.,:;)\"]")
set(missing "")
set(checked 0)
foreach(text IN LISTS texts)
  file(READ "${text}" content)
  file(RELATIVE_PATH name "${GOLDEN_DIR}" "${text}")
  # Line by line, by hand: a list would split a line at its semicolons.
  while(NOT content STREQUAL "")
    string(FIND "${content}" "\n" end)
    if(end EQUAL -1)
      set(line "${content}")
      set(content "")
    else()
      string(SUBSTRING "${content}" 0 ${end} line)
      math(EXPR end "${end} + 1")
      string(SUBSTRING "${content}" ${end} -1 content)
    endif()
    string(REGEX REPLACE "\r$" "" line "${line}")
    if(line STREQUAL "")
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    string(REGEX REPLACE "@RUN_DIR@(${part})*" "@FOLDER@" line "${line}")
    # The line as a pattern: every character that a regular expression
    # gives a meaning escaped, then the folder as either letter.
    string(REGEX REPLACE "([][\\\\^$.|?*+(){}])" "\\\\\\1" pattern "${line}")
    string(REPLACE "@FOLDER@" "[DP]" pattern "${pattern}")
    string(REPLACE "@FOLDER@" "D" line "${line}")
    string(FIND "${missing}" ": ${line}\n" seen)
    if(seen EQUAL -1 AND NOT reference MATCHES "${pattern}")
      string(APPEND missing "  ${name}: ${line}\n")
    endif()
  endwhile()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No golden case in ${GOLDEN_DIR} shows a line to look for.")
endif()
if(missing)
  file(RELATIVE_PATH shown "${GOLDEN_DIR}/../.." "${REFERENCE}")
  message(FATAL_ERROR "${shown} lacks these lines that golden cases show "
                      "(write each whole, on one line, a folder as D, or as "
                      "P where it is the program's own):\n${missing}")
endif()
message(STATUS "reference: all ${checked} lines that the golden cases show "
               "stand in ${REFERENCE}")
