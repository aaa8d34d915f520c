# The Windows build: VexoLoad.exe, qpk.exe, the stand-ins, the end-to-end driver
# and its scenarios; with VEXO_WIN_GTEST, only the GoogleTest of the Win32 layer.

set(VEXO_HOST_TOOLS "" CACHE PATH "Folder of the native build tools (msgtable, make_icons)")
if(NOT EXISTS "${VEXO_HOST_TOOLS}/msgtable")
  message(FATAL_ERROR "VEXO_HOST_TOOLS must name the native build's folder holding msgtable and make_icons")
endif()

set(VEXO_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${VEXO_GENERATED})
add_custom_command(OUTPUT ${VEXO_GENERATED}/msgtable.bin
  COMMAND ${VEXO_HOST_TOOLS}/msgtable ${VEXO_GENERATED}/msgtable.bin
  DEPENDS ${VEXO_HOST_TOOLS}/msgtable)
add_custom_command(OUTPUT ${VEXO_GENERATED}/shellicon.ico ${VEXO_GENERATED}/shellicon2.ico
  COMMAND ${VEXO_HOST_TOOLS}/make_icons ${VEXO_GENERATED}/shellicon.ico ${VEXO_GENERATED}/shellicon2.ico
  DEPENDS ${VEXO_HOST_TOOLS}/make_icons)
# The picture a publisher chose (VEXO_BACKDROP), under the name the resource script uses.
add_custom_command(OUTPUT ${VEXO_GENERATED}/backdrop.pcx
  COMMAND ${CMAKE_COMMAND} -DPICTURE=${VEXO_BACKDROP} -P ${CMAKE_SOURCE_DIR}/cmake/check_backdrop.cmake
  COMMAND ${CMAKE_COMMAND} -E copy ${VEXO_BACKDROP} ${VEXO_GENERATED}/backdrop.pcx
  DEPENDS ${VEXO_BACKDROP} ${CMAKE_SOURCE_DIR}/cmake/check_backdrop.cmake)
set(VEXO_VERSION_RESOURCE ${CMAKE_SOURCE_DIR}/resources/version_info.rc ${VEXO_GENERATED}/vexo_version.h)
set(VEXO_RESOURCE_INPUTS ${VEXO_GENERATED}/msgtable.bin ${VEXO_GENERATED}/shellicon.ico
  ${VEXO_GENERATED}/shellicon2.ico ${VEXO_GENERATED}/backdrop.pcx)
add_custom_target(vexo_resource_inputs DEPENDS ${VEXO_RESOURCE_INPUTS})
set_source_files_properties(resources/vexoload.rc PROPERTIES
  OBJECT_DEPENDS "${VEXO_RESOURCE_INPUTS};${CMAKE_SOURCE_DIR}/resources/vexoload.manifest;${VEXO_VERSION_RESOURCE}")

# Everything that calls Win32, apart from the entry point, so tests can link it.
# An object library, so the exported dialog procedures are always linked in.
add_library(vexo_win OBJECT
  archive/extract_win.cpp
  installer/choice_marks_win.cpp
  installer/install_command_win.cpp
  installer/main_window_win.cpp
  installer/palm_setup_win.cpp
  installer/selection_win.cpp
  installer/settings_win.cpp
  palm/palm_user_win.cpp
  platform/ansi_names_win.cpp
  platform/file_identity_win.cpp
  platform/file_last_error.cpp
  platform/file_layer_win.cpp
  platform/registry_win.cpp
  shell/abort_retry_win.cpp
  shell/command_line_win.cpp
  shell/dll_search_win.cpp
  shell/error_report_win.cpp
  shell/instance_win.cpp
  shell/process_state.cpp
  shell/startup_win.cpp
  ui/backdrop_win.cpp
  ui/brush_cache.cpp
  ui/control_colour_win.cpp
  ui/dialog_procs_win.cpp
  ui/window_builder_win.cpp
  ui/window_record.cpp
)
target_link_libraries(vexo_win PUBLIC vexo_core vexo_pcx user32 gdi32 advapi32 shell32 oleaut32)
# The program's own code sees only what the oldest Windows of this build declares,
# so a newer function fails to compile before the import check would refuse it.
# Tests and tools keep the headers' default.
set(VEXO_OLDEST_WINDOWS _WIN32_WINNT=0x0${VEXO_WINDOWS_VERSION_MAJOR}0${VEXO_WINDOWS_VERSION_MINOR}
  WINVER=0x0${VEXO_WINDOWS_VERSION_MAJOR}0${VEXO_WINDOWS_VERSION_MINOR})
target_compile_definitions(vexo_win PRIVATE ${VEXO_OLDEST_WINDOWS})

add_library(vexo_resources OBJECT resources/vexoload.rc)
target_include_directories(vexo_resources PRIVATE ${CMAKE_SOURCE_DIR} ${VEXO_GENERATED})
add_dependencies(vexo_resources vexo_resource_inputs)

if(VEXO_WIN_GTEST)
  include(cmake/windows_gtest.cmake)
  return()
endif()

add_executable(VexoLoad WIN32 shell/entry_win.cpp $<TARGET_OBJECTS:vexo_resources>)
target_compile_definitions(VexoLoad PRIVATE ${VEXO_OLDEST_WINDOWS})
target_link_libraries(VexoLoad PRIVATE vexo_win)
target_link_options(VexoLoad PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(VexoLoad PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Export the stdcall dialog procedures by their plain names, not DlgProc@16.
  target_link_options(VexoLoad PRIVATE -Wl,--kill-at)
endif()
add_test(NAME exports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-exports ${CMAKE_OBJDUMP}
  ${CMAKE_BINARY_DIR}/VexoLoad.exe DlgProc ModalDlgProc PropertySheetProc IS_RETRY)
set_tests_properties(exports PROPERTIES LABELS win)
# The compiled dialog templates, read natively out of this tree's program.
add_test(NAME dialog_templates COMMAND ${VEXO_HOST_TOOLS}/built_dialog_tests)
set_tests_properties(dialog_templates PROPERTIES LABELS win
  ENVIRONMENT "VEXO_EXE=${CMAKE_BINARY_DIR}/VexoLoad.exe")

# What the shipped programs ask of Windows: only functions that Windows XP SP3
# (32-bit) or XP x64 exports, that Windows as the PE header's subsystem version,
# and a manifest that keeps them unelevated.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VEXO_EXPORT_LISTS .txt)
else()
  set(VEXO_EXPORT_LISTS .x64.txt)
endif()
add_test(NAME imports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports ${CMAKE_OBJDUMP}
  ${CMAKE_SOURCE_DIR}/tests/imports/winxp ${VEXO_EXPORT_LISTS} $<TARGET_FILE:VexoLoad> $<TARGET_FILE:qpk>)
add_test(NAME subsystem_version COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-subsystem-version ${CMAKE_OBJDUMP}
  ${VEXO_WINDOWS_VERSION_MAJOR}.${VEXO_WINDOWS_VERSION_MINOR} $<TARGET_FILE:VexoLoad> $<TARGET_FILE:qpk>)
add_test(NAME manifest COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-manifest $<TARGET_FILE:VexoLoad>)
# A program with a post-XP import and a DLL of the wrong set, which the check must refuse.
add_executable(post_xp_probe tests/imports/post_xp_probe.cpp)
target_link_libraries(post_xp_probe PRIVATE shlwapi)
target_link_options(post_xp_probe PRIVATE -static -static-libgcc -static-libstdc++)
add_test(NAME imports_refuse_probe COMMAND ${CMAKE_SOURCE_DIR}/tests/imports/check_refuses_probe.sh
  ${CMAKE_SOURCE_DIR}/scripts/check-imports ${CMAKE_OBJDUMP} ${CMAKE_SOURCE_DIR}/tests/imports/winxp
  ${VEXO_EXPORT_LISTS} $<TARGET_FILE:post_xp_probe>)
set_tests_properties(imports subsystem_version manifest imports_refuse_probe PROPERTIES LABELS win)

# The 32-bit tree compares its program with the 64-bit one (VEXO_X64_BUILD).
set(VEXO_X64_BUILD "" CACHE PATH "Folder of the x64 build whose resources the program must share")
if(VEXO_X64_BUILD)
  add_test(NAME same_resources COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-same-resources
    $<TARGET_FILE:VexoLoad> ${VEXO_X64_BUILD}/VexoLoad.exe)
  set_tests_properties(same_resources PROPERTIES LABELS win)
endif()

file(GLOB VEXO_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/driver/*.cpp)
add_executable(driver ${VEXO_DRIVER_SOURCES})
target_link_libraries(driver PRIVATE vexo_core user32 gdi32 advapi32 shell32)
target_link_options(driver PRIVATE -static -static-libgcc -static-libstdc++)

include(cmake/qpk.cmake)
target_link_options(qpk PRIVATE -static -static-libgcc -static-libstdc++)
target_sources(qpk PRIVATE resources/qpk.rc)
set_source_files_properties(resources/qpk.rc PROPERTIES OBJECT_DEPENDS "${VEXO_VERSION_RESOURCE}")

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

if(NOT VEXO_RELEASE)
  include(cmake/release_checks.cmake)
endif()
