# Installing and packaging. On Windows the program, the sample data file (with
# CR LF line ends) and the Lithuanian guide go loose into the install prefix,
# and `cmake --build <dir> --target package` wraps them in a versioned folder
# in masyvas-<version>-win64.zip. Elsewhere the program goes under bin/ and
# the sample and the guide under the documentation folder.
include(GNUInstallDirs)

if(WIN32)
  configure_file(data/Masyvas.txt package/Masyvas.txt @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS masyvas RUNTIME DESTINATION .)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/Masyvas.txt
                package/SKAITYKITE.txt
          DESTINATION .)
else()
  install(TARGETS masyvas RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES data/Masyvas.txt package/SKAITYKITE.txt
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME masyvas)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
endif()
set(CPACK_PACKAGE_FILE_NAME
    ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
# Read when the package is made: fixes the archive's times and time zone.
configure_file(package/cpack_project.cmake.in package/cpack_project.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/package/cpack_project.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/package/normalize_package.cmake)
include(CPack)
