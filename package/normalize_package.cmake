# Run by CPack after it has made the package: rewrites each archive so that
# its bytes do not depend on the builder's user, group or file system.
find_program(MASYVAS_PYTHON NAMES python3 python REQUIRED)
foreach(archive IN LISTS CPACK_PACKAGE_FILES)
  execute_process(
    COMMAND "${MASYVAS_PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/normalize_zip.py" "${archive}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Could not normalise ${archive}.")
  endif()
endforeach()
