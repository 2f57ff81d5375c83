# The Windows program, its window tests and its end-to-end tests under Wine.

set(SCHULFERIEN_RC ${CMAKE_SOURCE_DIR}/ui/resources/schulferien.rc)
file(GLOB SCHULFERIEN_RC_DEPENDS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/ui/resources/*.ico ${CMAKE_SOURCE_DIR}/ui/resources/*.gif
  ${CMAKE_SOURCE_DIR}/ui/resources/*.manifest ${CMAKE_SOURCE_DIR}/ui/resources/*.h)
set_source_files_properties(${SCHULFERIEN_RC} PROPERTIES
  OBJECT_DEPENDS "${SCHULFERIEN_RC_DEPENDS}")

# Schulferien.exe, and the same binary as Schulferien_deaktivieren.exe: the name sets the mode.
add_executable(Schulferien WIN32 platform/win32/winmain.cpp ${SCHULFERIEN_RC})
target_include_directories(Schulferien PRIVATE ${CMAKE_SOURCE_DIR}/ui/resources)
target_link_libraries(Schulferien PRIVATE schulferien_win32)
target_link_options(Schulferien PRIVATE -municode -s)
add_custom_command(TARGET Schulferien POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Schulferien>
          $<TARGET_FILE_DIR:Schulferien>/Schulferien_deaktivieren.exe
  COMMENT "Schulferien_deaktivieren.exe")

include(${CMAKE_CURRENT_LIST_DIR}/../tests/window/window_tests.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/e2e.cmake OPTIONAL)
