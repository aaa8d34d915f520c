# The Windows trees. Each builds the program's Win32 code (vexo_win) and its
# resources; what else a tree holds is its role, named here once from the options
# the Makefile and scripts/make-release give it:
#   x64      build/win64: VexoLoad.exe and qpk.exe, their static checks
#            (windows_checks.cmake), and the driver, stand-ins, fixtures and
#            scenarios that run them under Wine (windows_scenarios.cmake)
#   i686     build/win32 (VEXO_X64_BUILD names the x64 tree): the same programs,
#            checked statically and against the x64 program's resources
#   gtest    build/win64-gtest (VEXO_WIN_GTEST): the GoogleTest of the Win32 layer
#   release  build/release/{i686,x86_64} (VEXO_RELEASE): the shipped programs only
set(VEXO_X64_BUILD "" CACHE PATH "Folder of the x64 build whose resources the i686 program must share")
if(VEXO_WIN_GTEST)
  set(VEXO_TREE_ROLE gtest)
elseif(VEXO_RELEASE)
  set(VEXO_TREE_ROLE release)
elseif(VEXO_X64_BUILD)
  set(VEXO_TREE_ROLE i686)
else()
  set(VEXO_TREE_ROLE x64)
endif()

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
  platform/process_state.cpp
  shell/command_line_win.cpp
  shell/dll_search_win.cpp
  shell/instance_win.cpp
  shell/startup_win.cpp
  ui/abort_retry_win.cpp
  ui/backdrop_win.cpp
  ui/brush_cache.cpp
  ui/control_colour_win.cpp
  ui/dialog_procs_win.cpp
  ui/error_report_win.cpp
  ui/window_builder_win.cpp
  ui/window_record.cpp
  ui/window_rules_win.cpp
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

if(VEXO_TREE_ROLE STREQUAL "gtest")
  include(cmake/windows_gtest.cmake)
  return()
endif()

add_executable(VexoLoad WIN32 shell/entry_win.cpp platform/stack_guard_win.cpp $<TARGET_OBJECTS:vexo_resources>)
target_compile_definitions(VexoLoad PRIVATE ${VEXO_OLDEST_WINDOWS})
target_link_libraries(VexoLoad PRIVATE vexo_win)
target_link_options(VexoLoad PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(VexoLoad PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Export the stdcall dialog procedures by their plain names, not DlgProc@16.
  target_link_options(VexoLoad PRIVATE -Wl,--kill-at)
endif()
include(cmake/qpk.cmake)
target_link_options(qpk PRIVATE -static -static-libgcc -static-libstdc++)
target_sources(qpk PRIVATE resources/qpk.rc)
set_source_files_properties(resources/qpk.rc PROPERTIES OBJECT_DEPENDS "${VEXO_VERSION_RESOURCE}")


if(VEXO_TREE_ROLE STREQUAL "release")
  return()
endif()
include(cmake/windows_checks.cmake)
include(cmake/windows_scenarios.cmake)
include(cmake/release_checks.cmake)
