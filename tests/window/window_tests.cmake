# Tests of the native window and its resources, run under Wine (a hidden window suffices).
add_executable(fenster_tests
  ${CMAKE_CURRENT_LIST_DIR}/fenster_test.cpp ${CMAKE_CURRENT_LIST_DIR}/bilder_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schliessen_test.cpp ${SCHULFERIEN_RC})
target_include_directories(fenster_tests PRIVATE ${SCHULFERIEN_RESOURCE_INCLUDES})
target_link_libraries(fenster_tests PRIVATE
  schulferien_win32 version GTest::gtest GTest::gtest_main)
# Every test its own entry, listed when the tests run (under Wine when cross-compiling).
gtest_discover_tests(fenster_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     NO_PRETTY_VALUES TEST_PREFIX fenster.)

# The window laid out without the DPI functions of Windows 10. It sets the Wine prefix's DPI
# for the processes it starts, so it runs alone.
add_executable(dpi_ersatz_tests ${CMAKE_CURRENT_LIST_DIR}/dpi_ersatz_test.cpp ${SCHULFERIEN_RC})
target_include_directories(dpi_ersatz_tests PRIVATE ${SCHULFERIEN_RESOURCE_INCLUDES})
target_link_libraries(dpi_ersatz_tests PRIVATE schulferien_win32 GTest::gtest GTest::gtest_main)
gtest_discover_tests(dpi_ersatz_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     NO_PRETTY_VALUES TEST_PREFIX fenster. PROPERTIES RUN_SERIAL TRUE)
