# The version as a release names it: project(VERSION) and, in a git checkout, the commit the
# build comes from, so that a shipped file leads back to its source. The commit is written as
# its first seven hexadecimal digits: the same text in every clone and on every day, so two
# builds of one commit still give the same bytes. Outside a git checkout (a source archive)
# the version stands alone.
#   SCHULFERIEN_COMMIT          1a2b3c4, or empty
#   SCHULFERIEN_PRODUKTVERSION  1.0.0+g1a2b3c4, or 1.0.0: the ProductVersion of the program
#   SCHULFERIEN_PAKETVERSION    1.0.0 (Commit 1a2b3c4), or 1.0.0: the line in LIESMICH.txt
set(SCHULFERIEN_COMMIT "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel HEAD --symbolic-full-name HEAD
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    RESULT_VARIABLE schulferien_git_ergebnis OUTPUT_VARIABLE schulferien_git_ausgabe
    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE "\n" ";" schulferien_git_ausgabe "${schulferien_git_ausgabe}")
  list(LENGTH schulferien_git_ausgabe schulferien_git_zeilen)
  if(schulferien_git_ergebnis EQUAL 0 AND schulferien_git_zeilen EQUAL 3)
    list(GET schulferien_git_ausgabe 0 schulferien_git_wurzel)
    list(GET schulferien_git_ausgabe 1 schulferien_git_kommit)
    list(GET schulferien_git_ausgabe 2 schulferien_git_zweig)
    file(REAL_PATH "${schulferien_git_wurzel}" schulferien_git_wurzel)
    file(REAL_PATH "${PROJECT_SOURCE_DIR}" schulferien_quelle)
    # Only the checkout of this project counts, not one that merely holds its folder.
    if(schulferien_git_wurzel STREQUAL schulferien_quelle)
      string(SUBSTRING "${schulferien_git_kommit}" 0 7 SCHULFERIEN_COMMIT)
      # Configured again when HEAD moves: a commit, a checkout or a reset.
      execute_process(
        COMMAND ${GIT_EXECUTABLE} rev-parse --git-path HEAD --git-path logs/HEAD
                --git-path packed-refs --git-path ${schulferien_git_zweig}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE schulferien_git_dateien ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
      string(REPLACE "\n" ";" schulferien_git_dateien "${schulferien_git_dateien}")
      foreach(datei IN LISTS schulferien_git_dateien)
        file(REAL_PATH "${datei}" datei BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
        if(EXISTS "${datei}" AND NOT IS_DIRECTORY "${datei}")
          set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
                       CMAKE_CONFIGURE_DEPENDS "${datei}")
        endif()
      endforeach()
    endif()
  endif()
endif()

if(SCHULFERIEN_COMMIT)
  set(SCHULFERIEN_PRODUKTVERSION "${PROJECT_VERSION}+g${SCHULFERIEN_COMMIT}")
  set(SCHULFERIEN_PAKETVERSION "${PROJECT_VERSION} (Commit ${SCHULFERIEN_COMMIT})")
else()
  set(SCHULFERIEN_PRODUKTVERSION "${PROJECT_VERSION}")
  set(SCHULFERIEN_PAKETVERSION "${PROJECT_VERSION}")
endif()
message(STATUS "Version ${SCHULFERIEN_PRODUKTVERSION}")
