# The static checks of a Windows tree's programs (x64 and i686 trees): exports,
# dialog templates, imports, PE header, manifest, and in the i686 tree the same
# resources as the x64 program.

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

# The i686 tree compares its program with the x64 tree's (VEXO_X64_BUILD).
if(VEXO_TREE_ROLE STREQUAL "i686")
  add_test(NAME same_resources COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-same-resources
    $<TARGET_FILE:VexoLoad> ${VEXO_X64_BUILD}/VexoLoad.exe)
  set_tests_properties(same_resources PROPERTIES LABELS win)
endif()
