# Installing and packaging. On Windows the program, the sample data file (with
# CR LF line ends) and the Lithuanian guide go loose into the install prefix,
# and `cmake --build <dir> --target package` wraps them in a versioned folder
# in masyvas-<version>-win64.zip. Elsewhere the program goes under bin/ and
# the sample and the guide under the documentation folder.
include(GNUInstallDirs)

if(WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/data/Masyvas.txt
                 ${PROJECT_BINARY_DIR}/package/Masyvas.txt @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS masyvas RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/package/Masyvas.txt
                ${PROJECT_SOURCE_DIR}/package/SKAITYKITE.txt
          DESTINATION .)
else()
  install(TARGETS masyvas RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/Masyvas.txt
                ${PROJECT_SOURCE_DIR}/package/SKAITYKITE.txt
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

if(MINGW)
  # The shipped program is the same bytes from every build: no link time,
  # and no debug sections (the static C++ library brings some). No folder in
  # what is compiled: masyvas_flags maps them away for every target.
  target_link_options(masyvas PRIVATE -Wl,--no-insert-timestamp -s)
endif()

if(CMAKE_VERSION VERSION_LESS 3.19)
  add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -E echo "Making the package needs CMake 3.19 or newer."
    COMMAND ${CMAKE_COMMAND} -E false)
  return()
endif()

# What differs from CPack's defaults: a zip only, named win64 for a 64-bit
# Windows build, made reproducible when it is packed.
set(CPACK_GENERATOR ZIP)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
endif()
# Read by CPack when it makes the package: the time that the normalising step
# gives every entry of the archive.
configure_file(${PROJECT_SOURCE_DIR}/package/cpack_project.cmake.in
               ${PROJECT_BINARY_DIR}/package/cpack_project.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/package/cpack_project.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/package/normalize_package.cmake)
include(CPack)
