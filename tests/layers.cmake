# Checks the program's layers: includes point one way, each layer taking
# only from itself and the layers below it, and every platform include and
# #ifdef (_WIN32, <windows.h>, <unistd.h>, <termios.h>, <fcntl.h>, <sys/...>)
# stands in os/. Called by CTest as
#   cmake -DSOURCE_DIR=<the source tree> -P layers.cmake
# It reads the .h and .cc files of every top folder of the tree but tests/
# and bench/, which are not the program, build folders (build*, or holding a
# CMakeCache.txt) and hidden ones; unit tests (*_test.cc) may include
# anything. A top folder with code that is no layer fails: it needs its place
# below.
cmake_minimum_required(VERSION 3.16)
if(NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "layers.cmake needs SOURCE_DIR, the source tree")
endif()

# Each layer, and the layers it may include from besides itself.
set(layers app words report matrix os text)
set(below_app words report matrix os text)
set(below_words matrix os text)
set(below_report matrix text)
set(below_matrix os text)
set(below_os text)
set(below_text "")
set(not_program tests bench)
set(platform "_WIN32|<windows\\.h>|<unistd\\.h>|<termios\\.h>|<fcntl\\.h>|<sys/")

set(faults "")
set(checked 0)
file(GLOB tops LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(top IN LISTS tops)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${top}" OR top MATCHES "^(\\.|build)" OR
     top IN_LIST not_program OR EXISTS "${SOURCE_DIR}/${top}/CMakeCache.txt")
    continue()
  endif()
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${top}/*.h" "${SOURCE_DIR}/${top}/*.cc")
  if(NOT files)
    continue()
  elseif(NOT top IN_LIST layers)
    list(APPEND faults "${top}/ holds code but is no layer: give it its place in tests/layers.cmake")
    continue()
  endif()
  set(allowed ${top} ${below_${top}})
  list(JOIN allowed "/, " allowed)
  foreach(file IN LISTS files)
    if(file MATCHES "_test\\.cc$")
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${SOURCE_DIR}/${file}" includes ENCODING UTF-8
         REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      if(line MATCHES "\"(\\.\\./)*([^/\"]+)/" AND NOT CMAKE_MATCH_2 STREQUAL top
         AND NOT CMAKE_MATCH_2 IN_LIST below_${top})
        list(APPEND faults "${file}: ${line}: ${top}/ includes only from ${allowed}/")
      endif()
    endforeach()
    if(NOT top STREQUAL "os")
      file(STRINGS "${SOURCE_DIR}/${file}" hits ENCODING UTF-8 REGEX "${platform}")
      foreach(line IN LISTS hits)
        list(APPEND faults "${file}: ${line}: platform code belongs in os/")
      endforeach()
    endif()
  endforeach()
endforeach()

foreach(layer IN LISTS layers)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${layer}")
    list(APPEND faults "${SOURCE_DIR} has no ${layer}/: is it the source tree?")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" faults)
  message(FATAL_ERROR "The layers' check failed:\n${faults}")
endif()
message(STATUS "layers: ${checked} files, includes point one way, platform "
               "code only in os/")
