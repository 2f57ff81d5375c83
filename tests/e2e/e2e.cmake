# The end-to-end tests: a driver (a Windows program) starts the real Schulferien.exe under
# Wine, drives its window through window messages and checks what it shows and writes.
set(E2E_DIR ${CMAKE_CURRENT_LIST_DIR})

add_executable(e2e_treiber
  ${E2E_DIR}/treiber.cpp ${E2E_DIR}/szenarien.cpp ${E2E_DIR}/pruefungen.cpp
  ${E2E_DIR}/steuerung.cpp ${E2E_DIR}/demohost.cpp)
target_compile_definitions(e2e_treiber PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
target_link_libraries(e2e_treiber PRIVATE schulferien_core user32 gdi32)
target_link_options(e2e_treiber PRIVATE -municode)
add_dependencies(e2e_treiber Schulferien)

# An empty window, the yardstick of the start-up benchmark.
# With the argument "wic" it decodes a status picture with WIC first, for comparison.
add_executable(leeres_fenster WIN32 ${E2E_DIR}/leeres_fenster.cpp ${E2E_DIR}/leeres_fenster.rc)
target_include_directories(leeres_fenster PRIVATE ${CMAKE_SOURCE_DIR}/ui/resources)
target_compile_definitions(leeres_fenster PRIVATE UNICODE _UNICODE)
target_link_options(leeres_fenster PRIVATE -municode -s)

# The scenarios, each at the date it is written for; those marked "praefix" change the Wine
# prefix and run in a throwaway copy of it. They run under Wine with a faked clock, so only in
# the cross build (the driver itself is built everywhere).
if(CMAKE_CROSSCOMPILING)
  set(E2E_SZENARIEN
    "erste_kennzeichnung|2025-03-14 10:00:00"
    "fruehere_datei|2025-03-14 10:00:00"
    "entfernen|2025-03-14 10:00:00"
    "kein_administrator|2025-03-14 10:00:00"
    "ueberholt_2027|2027-01-15 09:00:00"
    "schreibgeschuetzt|2025-03-14 10:00:00"
    "fehlerbericht|2025-03-14 10:00:00"
    "farbe_ausserhalb|2025-03-14 10:00:00"
    "beschaedigte_dateien|2025-03-14 10:00:00"
    "reste|2025-03-14 10:00:00"
    "kurz_gesperrt|2025-03-14 10:00:00"
    "dpi|2025-03-14 10:00:00|praefix"
    "komponente_fehlt|2025-03-14 10:00:00|praefix")
  foreach(eintrag IN LISTS E2E_SZENARIEN)
    string(REPLACE "|" ";" teile "${eintrag}")
    list(GET teile 0 name)
    list(GET teile 1 datum)
    set(praefix)
    if("praefix" IN_LIST teile)
      set(praefix --eigenes-praefix ${CMAKE_CURRENT_BINARY_DIR}/e2e-praefix-${name})
    endif()
    add_test(NAME e2e_${name}
      COMMAND bash ${E2E_DIR}/mit_datum.sh ${praefix} "${datum}"
        wine $<TARGET_FILE:e2e_treiber> szenario ${name})
    set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)
  endforeach()
endif()

# The yardstick of the start-up benchmark: the program's controls, font and manifest, nothing
# else.
add_executable(massstab_fenster WIN32 ${E2E_DIR}/massstab_fenster.cpp
  ${E2E_DIR}/massstab_fenster.rc ${CMAKE_SOURCE_DIR}/calendar/schulferien_daten.cpp)
target_include_directories(massstab_fenster PRIVATE ${CMAKE_SOURCE_DIR}
  ${SCHULFERIEN_RESOURCE_INCLUDES})
target_compile_definitions(massstab_fenster PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
target_link_options(massstab_fenster PRIVATE -municode -s)
