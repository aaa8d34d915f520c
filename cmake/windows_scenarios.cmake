# What runs the programs under Wine (x64 and i686 trees build it; the x64 tree,
# with VEXO_BUILD_TESTS, runs it): the end-to-end driver, the stand-ins and the
# hostile files, the scenarios' fixtures, the start-up benchmark, and the
# scenario, screen, benchmark-smoke and driver tests.

file(GLOB VEXO_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/driver/*.cpp)
add_executable(driver ${VEXO_DRIVER_SOURCES})
target_link_libraries(driver PRIVATE vexo_core user32 gdi32 advapi32 shell32)
target_link_options(driver PRIVATE -static -static-libgcc -static-libstdc++)

# Stand-ins the scenarios and the demo put beside the program.
add_executable(setup_stub WIN32 tools/setup_stub.cpp)
set_target_properties(setup_stub PROPERTIES OUTPUT_NAME Setup RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
target_link_options(setup_stub PRIVATE -static -static-libgcc -static-libstdc++)

# What other people leave in a Downloads folder, for the scenarios that guard
# against it: a DLL under system DLLs' names and a hung window with the
# installer's title.
add_library(planted_dll SHARED tests/hostile/planted_dll.cpp)
set_target_properties(planted_dll PROPERTIES PREFIX "" OUTPUT_NAME planted
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
target_link_options(planted_dll PRIVATE -static -static-libgcc -static-libstdc++)
add_executable(hung_window WIN32 tests/hostile/hung_window.cpp)
set_target_properties(hung_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
target_link_options(hung_window PRIVATE -static -static-libgcc -static-libstdc++)

# A program that opens each new file in a folder as an antivirus does.
add_executable(busy_scanner tests/hostile/busy_scanner.cpp)
set_target_properties(busy_scanner PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
target_link_options(busy_scanner PRIVATE -municode -static -static-libgcc -static-libstdc++)

# The scenarios' fixtures: the sample archive and a Palm Desktop user list made by
# the native tools.
set(VEXO_FIXTURES ${CMAKE_BINARY_DIR}/fixtures)
add_custom_command(OUTPUT ${VEXO_FIXTURES}/Vexo.qpk ${VEXO_FIXTURES}/Users.dat
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VEXO_FIXTURES}
  COMMAND ${CMAKE_COMMAND} -E copy ${VEXO_HOST_TOOLS}/samples/Vexo.qpk ${VEXO_FIXTURES}/Vexo.qpk
  COMMAND ${VEXO_HOST_TOOLS}/palmusers ${VEXO_FIXTURES}/Users.dat --sync-preference
    "1234:Jo Player:PlayerJ" "77:Second Player:PlayerS"
  DEPENDS ${VEXO_HOST_TOOLS}/samples/Vexo.qpk ${VEXO_HOST_TOOLS}/palmusers)
# The same archive with one byte of its first entry's data changed: that entry
# fails its checksum.
add_custom_command(OUTPUT ${VEXO_FIXTURES}/Vexo-badsum.qpk
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/flip-byte ${VEXO_FIXTURES}/Vexo.qpk ${VEXO_FIXTURES}/Vexo-badsum.qpk 2000
  DEPENDS ${VEXO_FIXTURES}/Vexo.qpk)
# A queued component with the right size and header and one data byte changed:
# Install leaves it as it is.
add_custom_command(OUTPUT ${VEXO_FIXTURES}/Level03-changed.pdb
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/flip-byte "${VEXO_HOST_TOOLS}/samples/Vexo Level 03 Colour.pdb"
    ${VEXO_FIXTURES}/Level03-changed.pdb 1000
  DEPENDS ${VEXO_HOST_TOOLS}/samples/Vexo.qpk)
# What the native qpk exports for the two choices the export scenario makes in the installer.
add_custom_command(OUTPUT ${VEXO_FIXTURES}/export-colour/Vexo0000.pdb ${VEXO_FIXTURES}/export-mono/Vexo0000.pdb
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VEXO_FIXTURES}/export-colour ${VEXO_FIXTURES}/export-mono
  COMMAND ${VEXO_HOST_TOOLS}/qpk export ${VEXO_FIXTURES}/Vexo.qpk ${VEXO_FIXTURES}/export-colour --colour
    --levels 1,3,5 --languages UK,FR
  COMMAND ${VEXO_HOST_TOOLS}/qpk export ${VEXO_FIXTURES}/Vexo.qpk ${VEXO_FIXTURES}/export-mono --mono
    --levels 2,9 --languages UK,SP
  DEPENDS ${VEXO_FIXTURES}/Vexo.qpk ${VEXO_HOST_TOOLS}/qpk)
add_custom_target(vexo_fixtures ALL
  DEPENDS ${VEXO_FIXTURES}/Vexo.qpk ${VEXO_FIXTURES}/Users.dat ${VEXO_FIXTURES}/Vexo-badsum.qpk
    ${VEXO_FIXTURES}/Level03-changed.pdb ${VEXO_FIXTURES}/export-colour/Vexo0000.pdb)

# The start-up verification timed under Wine beside one plain read (bench/run-bench).
add_executable(extract_bench bench/extract_bench.cpp $<TARGET_OBJECTS:vexo_resources>)
target_include_directories(extract_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(extract_bench PRIVATE vexo_win)
target_link_options(extract_bench PRIVATE -static -static-libgcc -static-libstdc++)

if(VEXO_BUILD_TESTS)
  # End-to-end scenarios: the driver runs each script against the real program,
  # in a folder of its own; EXE names the copy of BUILT_EXE that each script puts
  # there, beside the archive, as a player has it.
  function(vexo_wine_path out path)
    string(REPLACE "/" "\\" windows "${path}")
    set(${out} "Z:${windows}" PARENT_SCOPE)
  endfunction()
  vexo_wine_path(VEXO_BUILT_EXE_WINE ${CMAKE_BINARY_DIR}/VexoLoad.exe)
  vexo_wine_path(VEXO_BIN_WINE ${CMAKE_BINARY_DIR})
  vexo_wine_path(VEXO_FIXTURES_WINE ${VEXO_FIXTURES})
  vexo_wine_path(VEXO_SAMPLES_WINE ${VEXO_HOST_TOOLS}/samples)
  vexo_wine_path(VEXO_SCENARIOS_WINE ${CMAKE_SOURCE_DIR}/tests/scenarios)
  vexo_wine_path(VEXO_HOSTILE_WINE ${CMAKE_SOURCE_DIR}/tests/hostile/hostile-files)
  file(GLOB VEXO_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/scenarios/*.scn)
  foreach(script ${VEXO_SCENARIOS})
    get_filename_component(name ${script} NAME_WE)
    set(work ${CMAKE_BINARY_DIR}/scenarios/${name})
    file(MAKE_DIRECTORY ${work})
    vexo_wine_path(work_wine ${work})
    vexo_wine_path(script_wine ${script})
    set(runs ${name})
    # One script, run once more under another code page.
    if(name STREQUAL "code_page_names")
      list(APPEND runs ${name}_utf8)
    endif()
    foreach(run ${runs})
      add_test(NAME scenario.${run}
        COMMAND driver ${script_wine} "EXE=${work_wine}\\VexoLoad.exe" "BUILT_EXE=${VEXO_BUILT_EXE_WINE}"
          "WORK=${work_wine}" "BIN=${VEXO_BIN_WINE}" "FIXTURES=${VEXO_FIXTURES_WINE}"
          "SCENARIOS=${VEXO_SCENARIOS_WINE}" "SAMPLES=${VEXO_SAMPLES_WINE}" "HOSTILE=${VEXO_HOSTILE_WINE}"
          "UNIX_WORK=${work}"
        WORKING_DIRECTORY ${work})
      set_tests_properties(scenario.${run} PROPERTIES LABELS scenario TIMEOUT 120 RUN_SERIAL TRUE
        SKIP_RETURN_CODE 77)
    endforeach()
  endforeach()

  # Planted DLLs with native copies preferred, as Windows' search order would.
  set_tests_properties(scenario.planted_dlls PROPERTIES
    ENVIRONMENT "VEXO_DLL_OVERRIDES=uxtheme=n,b")
  # Names in Japanese: under Wine's Japanese locale (code page 932), and once
  # more under one whose ANSI code page is UTF-8 (65001).
  set_tests_properties(scenario.code_page_names PROPERTIES ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8")
  set_tests_properties(scenario.code_page_names_utf8 PROPERTIES ENVIRONMENT "LANG=hi_IN.UTF-8;LC_ALL=hi_IN.UTF-8")

  # Fitting on other screen sizes: each on an Xvfb screen of its own size, with a
  # Wine prefix of its own (scripts/on-screen), beside the one display of the run.
  foreach(screen 800x600 1280x1024)
    set(work ${CMAKE_BINARY_DIR}/scenarios/screen-${screen})
    file(MAKE_DIRECTORY ${work})
    vexo_wine_path(work_wine ${work})
    vexo_wine_path(script_wine ${CMAKE_SOURCE_DIR}/tests/scenarios/screens/${screen}.scn)
    add_test(NAME screen.${screen}
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/on-screen ${screen}x24 wine ${CMAKE_BINARY_DIR}/driver.exe ${script_wine}
        "EXE=${work_wine}\\VexoLoad.exe" "BUILT_EXE=${VEXO_BUILT_EXE_WINE}" "WORK=${work_wine}" "BIN=${VEXO_BIN_WINE}" "FIXTURES=${VEXO_FIXTURES_WINE}"
        "SCENARIOS=${VEXO_SCENARIOS_WINE}" "SAMPLES=${VEXO_SAMPLES_WINE}"
      WORKING_DIRECTORY ${work})
    set_tests_properties(screen.${screen} PROPERTIES LABELS scenario TIMEOUT 300 RUN_SERIAL TRUE)
  endforeach()

  # The benchmark scripts once each on a small archive, so a change to the window
  # that breaks them shows here; on the run's display, in a Wine prefix of their own.
  add_test(NAME bench_smoke COMMAND sh -c "BENCH_SMOKE=1 BENCH_DISPLAY=\"$DISPLAY\" exec bench/run-bench"
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
  set_tests_properties(bench_smoke PROPERTIES LABELS scenario TIMEOUT 900 RUN_SERIAL TRUE)

  # The driver's own file and registry commands, in a scratch folder of their own.
  set(work ${CMAKE_BINARY_DIR}/driver_selftest)
  file(MAKE_DIRECTORY ${work})
  vexo_wine_path(work_wine ${work})
  vexo_wine_path(script_wine ${CMAKE_SOURCE_DIR}/tests/driver/test/files_registry.scn)
  add_test(NAME driver.files_registry COMMAND driver ${script_wine} "WORK=${work_wine}" WORKING_DIRECTORY ${work})
  set_tests_properties(driver.files_registry PROPERTIES LABELS scenario TIMEOUT 60 RUN_SERIAL TRUE)
endif()
