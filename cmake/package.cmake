# The release package for administrators (cmake --build ... --target package):
# Schulferien-<version>-win64.zip with both program files, the German guide LIESMICH.txt and
# SHA256SUMS, the SHA-256 sums of those three files, as sha256sum -c reads them.
# The guide with its version line filled in (cmake/version.cmake), CRLF as Notepad wants it.
set(SCHULFERIEN_LIESMICH ${SCHULFERIEN_GENERATED_DIR}/LIESMICH.txt)
configure_file(${PROJECT_SOURCE_DIR}/packaging/LIESMICH.txt ${SCHULFERIEN_LIESMICH}
               @ONLY NEWLINE_STYLE CRLF)
set(SCHULFERIEN_SUMMEN ${PROJECT_BINARY_DIR}/SHA256SUMS)
set(SCHULFERIEN_SUMMEN_SKRIPT ${PROJECT_BINARY_DIR}/sha256sums.cmake)

file(CONFIGURE OUTPUT ${SCHULFERIEN_SUMMEN_SKRIPT} @ONLY CONTENT [=[
# Made by cmake/package.cmake: writes SHA256SUMS for the files of the package in ORDNER.
set(zeilen "")
foreach(name Schulferien.exe Schulferien_deaktivieren.exe LIESMICH.txt)
  file(SHA256 "${ORDNER}/${name}" summe)
  string(APPEND zeilen "${summe}  ${name}\n")
endforeach()
file(WRITE "${ORDNER}/SHA256SUMS" "${zeilen}")
]=])

add_custom_command(OUTPUT ${SCHULFERIEN_SUMMEN}
  COMMAND ${CMAKE_COMMAND} -E copy
          ${SCHULFERIEN_LIESMICH} $<TARGET_FILE_DIR:Schulferien>/LIESMICH.txt
  COMMAND ${CMAKE_COMMAND} -DORDNER=$<TARGET_FILE_DIR:Schulferien> -P ${SCHULFERIEN_SUMMEN_SKRIPT}
  DEPENDS Schulferien ${SCHULFERIEN_LIESMICH} ${SCHULFERIEN_SUMMEN_SKRIPT}
  COMMENT "SHA256SUMS"
  VERBATIM)
add_custom_target(schulferien_summen ALL DEPENDS ${SCHULFERIEN_SUMMEN})

install(TARGETS Schulferien RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE_DIR:Schulferien>/Schulferien_deaktivieren.exe
              $<TARGET_FILE_DIR:Schulferien>/LIESMICH.txt ${SCHULFERIEN_SUMMEN}
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Schulferien)
set(CPACK_PACKAGE_VENDOR "Schulferien kennzeichnen")
set(CPACK_PACKAGE_FILE_NAME Schulferien-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
