# The Windows program.

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
