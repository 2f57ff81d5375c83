# The contract tests of the file services and of the main window: the same tests against the
# in-memory fake (native) and against Win32Plattform on a real folder and the Win32 window
# (Windows build, run under Wine).
set(CONTRACT_DIR ${PROJECT_SOURCE_DIR}/tests/contract)

if(WIN32)
  add_executable(contract_tests_win
    ${CONTRACT_DIR}/contract_test.cpp
    ${CONTRACT_DIR}/win32_umgebung.cpp
    ${CONTRACT_DIR}/win32_test.cpp
    ${CONTRACT_DIR}/fenster_vertrag_test.cpp
    ${CONTRACT_DIR}/win32_fensterumgebung.cpp
    ${PROJECT_SOURCE_DIR}/ui/resources/schulferien.rc)  # the window's pictures
  target_include_directories(contract_tests_win PRIVATE
    ${PROJECT_SOURCE_DIR}/ui/resources ${SCHULFERIEN_GENERATED_DIR})
  target_link_libraries(contract_tests_win PRIVATE
    schulferien_win32 GTest::gtest GTest::gtest_main)
  set(FREIGABE)
  if(CMAKE_CROSSCOMPILING)
    # Under Wine a share \\sfk-server\freigabe: a folder of the build linked into the Wine
    # prefix as dosdevices/unc/sfk-server/freigabe (without it the share's tests skip).
    add_test(NAME win32_freigabe_einrichten COMMAND sh -c [[
      p=$WINEPREFIX; [ -n "$p" ] || p=$HOME/.wine
      mkdir -p "$1" "$p/dosdevices/unc/sfk-server" && ln -sfn "$1" "$p/dosdevices/unc/sfk-server/freigabe"
    ]] _ ${CMAKE_CURRENT_BINARY_DIR}/freigabe)
    set_tests_properties(win32_freigabe_einrichten PROPERTIES FIXTURES_SETUP freigabe)
    set(FREIGABE PROPERTIES FIXTURES_REQUIRED freigabe)
    # The tests of the system's code page once more on a Central European system: Wine takes
    # the ANSI code page from the locale, Windows-1250 for Polish.
    add_test(NAME win32_codeseite_1250
      COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:contract_tests_win>
        --gtest_filter=*Codeseite*)
    set_tests_properties(win32_codeseite_1250 PROPERTIES ENVIRONMENT LC_ALL=pl_PL.UTF-8
      FAIL_REGULAR_EXPRESSION "SKIPPED")  # a skip here: the code page was not 1250
  endif()
  # Every test its own entry, listed when the tests run (under Wine when cross-compiling).
  gtest_discover_tests(contract_tests_win DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       NO_PRETTY_VALUES TEST_PREFIX win32. ${FREIGABE})
else()
  add_executable(contract_tests
    ${CONTRACT_DIR}/contract_test.cpp
    ${CONTRACT_DIR}/fake_umgebung.cpp
    ${CONTRACT_DIR}/fenster_vertrag_test.cpp
    ${CONTRACT_DIR}/fake_fensterumgebung.cpp)
  target_link_libraries(contract_tests PRIVATE schulferien_fake GTest::gtest GTest::gtest_main)
  gtest_discover_tests(contract_tests DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
endif()
