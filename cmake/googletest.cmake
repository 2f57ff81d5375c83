# GoogleTest for the tests: an installed package when there is one (Debian's libgtest-dev for
# the native build, MSYS2's gtest on Windows), else built from a source folder, as in the
# cross build for Windows. Either way the tests link GTest::gtest and GTest::gtest_main.
set(SCHULFERIEN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest source folder, used when no installed GoogleTest is found")

find_package(GTest QUIET)
if(NOT GTest_FOUND)
  if(NOT EXISTS ${SCHULFERIEN_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR
      "GoogleTest not found: neither installed nor in SCHULFERIEN_GOOGLETEST_SOURCE "
      "(${SCHULFERIEN_GOOGLETEST_SOURCE}). Install it, set SCHULFERIEN_GOOGLETEST_SOURCE to "
      "its source folder, or build only the program with -DSCHULFERIEN_TESTS=OFF.")
  endif()
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${SCHULFERIEN_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest
                   EXCLUDE_FROM_ALL)
endif()
