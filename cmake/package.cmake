# The release package for administrators (cmake --build ... --target package):
# Schulferien-<version>-win64.zip with both program files, the German guide LIESMICH.txt and
# SHA256SUMS, made by scripts/make_package.py the same way for the same commit. Given a
# certificate, both program files in it are signed.
set(SCHULFERIEN_SIGN_PFX "" CACHE FILEPATH
    "PKCS#12 file (.pfx) with the code-signing certificate and its key; empty: not signed")
set(SCHULFERIEN_SIGN_PASSWORD_FILE "" CACHE FILEPATH
    "File whose first line is the password of the .pfx; empty: the environment variable \
SCHULFERIEN_SIGN_PASSWORD when the package is made")
set(SCHULFERIEN_SIGN_TIMESTAMP_URL "" CACHE STRING
    "RFC 3161 time-stamp server for the signatures; empty: none")

# The guide with its version line filled in (cmake/version.cmake), CRLF as Notepad wants it.
set(SCHULFERIEN_LIESMICH ${SCHULFERIEN_GENERATED_DIR}/LIESMICH.txt)
configure_file(${PROJECT_SOURCE_DIR}/packaging/LIESMICH.txt ${SCHULFERIEN_LIESMICH}
               @ONLY NEWLINE_STYLE CRLF)

find_package(Python3 COMPONENTS Interpreter)
set(SCHULFERIEN_PAKET_BEFEHL
    ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/make_package.py
    ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION} ${SCHULFERIEN_LIESMICH})
if(SCHULFERIEN_SIGN_PFX)
  find_program(SCHULFERIEN_OSSLSIGNCODE osslsigncode REQUIRED)
  list(APPEND SCHULFERIEN_PAKET_BEFEHL
       --sign ${SCHULFERIEN_SIGN_PFX} --osslsigncode ${SCHULFERIEN_OSSLSIGNCODE})
  if(SCHULFERIEN_SIGN_PASSWORD_FILE)
    list(APPEND SCHULFERIEN_PAKET_BEFEHL --password-file ${SCHULFERIEN_SIGN_PASSWORD_FILE})
  endif()
  if(SCHULFERIEN_SIGN_TIMESTAMP_URL)
    list(APPEND SCHULFERIEN_PAKET_BEFEHL --timestamp ${SCHULFERIEN_SIGN_TIMESTAMP_URL})
  endif()
endif()
if(NOT Python3_FOUND)
  set(SCHULFERIEN_PAKET_BEFEHL ${CMAKE_COMMAND} -E echo "The package needs Python 3."
      COMMAND ${CMAKE_COMMAND} -E false)
endif()

# Made anew every time: the commit, and with it the package's time, may have changed. (A build
# folder that CPack once packed holds its configuration, which reserves the target's name.)
file(REMOVE ${PROJECT_BINARY_DIR}/CPackConfig.cmake ${PROJECT_BINARY_DIR}/CPackSourceConfig.cmake)
add_custom_target(package COMMAND ${SCHULFERIEN_PAKET_BEFEHL} VERBATIM)
add_dependencies(package Schulferien)
