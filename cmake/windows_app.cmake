# The Windows program, its window tests and its end-to-end tests under Wine.

# The resource script finds its pictures and manifest in ui/resources and the generated
# version header and manifest in the build folder.
set(SCHULFERIEN_RC ${PROJECT_SOURCE_DIR}/ui/resources/schulferien.rc)
set(SCHULFERIEN_RESOURCE_INCLUDES
    ${PROJECT_SOURCE_DIR}/ui/resources ${SCHULFERIEN_GENERATED_DIR})
file(GLOB SCHULFERIEN_RC_DEPENDS CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/ui/resources/*.ico ${PROJECT_SOURCE_DIR}/ui/resources/*.gif
  ${PROJECT_SOURCE_DIR}/ui/resources/*.h)
list(APPEND SCHULFERIEN_RC_DEPENDS
  ${SCHULFERIEN_GENERATED_DIR}/version.h ${SCHULFERIEN_GENERATED_DIR}/schulferien.manifest)
set_source_files_properties(${SCHULFERIEN_RC} PROPERTIES
  OBJECT_DEPENDS "${SCHULFERIEN_RC_DEPENDS}")

# Schulferien.exe, and the same binary as Schulferien_deaktivieren.exe: the name sets the mode.
add_executable(Schulferien WIN32 app/winmain.cpp ${SCHULFERIEN_RC})
target_include_directories(Schulferien PRIVATE ${SCHULFERIEN_RESOURCE_INCLUDES})
target_link_libraries(Schulferien PRIVATE schulferien_win32)
target_link_options(Schulferien PRIVATE -municode -s)
add_custom_command(TARGET Schulferien POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Schulferien>
          $<TARGET_FILE_DIR:Schulferien>/Schulferien_deaktivieren.exe
  COMMENT "Schulferien_deaktivieren.exe")

if(SCHULFERIEN_TESTS)
  # The program and its guide name the commit they are built from.
  add_test(NAME produktversion
           COMMAND python3 ${PROJECT_SOURCE_DIR}/scripts/check_version.py $<TARGET_FILE:Schulferien>
                   ${SCHULFERIEN_GENERATED_DIR}/LIESMICH.txt)
  # The program starts on Windows 7 SP1: no import and no subsystem version newer than that.
  # The check must find what a program made for later Windows imports.
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_FOUND AND CMAKE_OBJDUMP)
    set(SCHULFERIEN_IMPORTE_PRUEFEN
        ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/check_imports.py ${CMAKE_OBJDUMP})
    add_test(NAME windows7_importe
      COMMAND ${SCHULFERIEN_IMPORTE_PRUEFEN} $<TARGET_FILE:Schulferien>)
    add_executable(neuere_importe ${PROJECT_SOURCE_DIR}/tests/window/neuere_importe.c)
    target_compile_definitions(neuere_importe PRIVATE _WIN32_WINNT=0x0A00)
    target_link_libraries(neuere_importe PRIVATE user32)
    target_link_options(neuere_importe PRIVATE -Wl,--subsystem,console:6.2)
    add_test(NAME windows7_importe_erkannt
      COMMAND ${SCHULFERIEN_IMPORTE_PRUEFEN} $<TARGET_FILE:neuere_importe>)
    set_tests_properties(windows7_importe_erkannt PROPERTIES PASS_REGULAR_EXPRESSION
      "Subsystem version 6\\.2.*GetSystemTimePreciseAsFileTime.*GetDpiForWindow")
  endif()
  include(${PROJECT_SOURCE_DIR}/tests/window/window_tests.cmake)
  include(${PROJECT_SOURCE_DIR}/tests/e2e/e2e.cmake)
endif()
