# Tests of the native window and its resources, run under Wine (a hidden window suffices).
add_executable(fenster_tests
  ${CMAKE_CURRENT_LIST_DIR}/fenster_test.cpp ${CMAKE_CURRENT_LIST_DIR}/bilder_test.cpp
  ${SCHULFERIEN_RC})
target_include_directories(fenster_tests PRIVATE ${CMAKE_SOURCE_DIR}/ui/resources)
target_link_libraries(fenster_tests PRIVATE schulferien_win32 version gtest gtest_main)
add_test(NAME fenster_win32 COMMAND fenster_tests)
