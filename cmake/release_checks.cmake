# The release folder that make release writes (scripts/make-release), checked as
# it ships: each Windows tree checks its own programs there with the checks its
# build gets, plus the hardening and the version; the x64 tree also builds the
# release a second time elsewhere, and signs one with a throwaway certificate.
set(VEXO_RELEASE_DIR ${CMAKE_SOURCE_DIR}/dist/VexoLoad-${PROJECT_VERSION})
set(VEXO_RELEASE_DEBUG_DIR ${CMAKE_SOURCE_DIR}/dist-debug/VexoLoad-${PROJECT_VERSION})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VEXO_RELEASE_SUFFIX "")
else()
  set(VEXO_RELEASE_SUFFIX -x64)
endif()
set(VEXO_RELEASE_INSTALLER ${VEXO_RELEASE_DIR}/VexoLoad${VEXO_RELEASE_SUFFIX}.exe)
set(VEXO_RELEASE_PROGRAMS ${VEXO_RELEASE_INSTALLER} ${VEXO_RELEASE_DIR}/qpk${VEXO_RELEASE_SUFFIX}.exe)

add_test(NAME release.present COMMAND sh -c "test -d \"$1\" || { echo \"no $1: make release writes it\"; exit 1; }"
  sh ${VEXO_RELEASE_DIR})
set_tests_properties(release.present PROPERTIES FIXTURES_SETUP vexo_release)
add_test(NAME release.imports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports ${CMAKE_OBJDUMP}
  ${CMAKE_SOURCE_DIR}/tests/imports/winxp ${VEXO_EXPORT_LISTS} ${VEXO_RELEASE_PROGRAMS})
add_test(NAME release.subsystem_version COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-subsystem-version ${CMAKE_OBJDUMP}
  ${VEXO_WINDOWS_VERSION_MAJOR}.${VEXO_WINDOWS_VERSION_MINOR} ${VEXO_RELEASE_PROGRAMS})
add_test(NAME release.manifest COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-manifest ${VEXO_RELEASE_INSTALLER})
add_test(NAME release.hardening COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-pe-hardening ${CMAKE_OBJDUMP}
  ${VEXO_RELEASE_DEBUG_DIR} ${VEXO_RELEASE_PROGRAMS})
add_test(NAME release.version COMMAND ${CMAKE_SOURCE_DIR}/tests/release/version_check.sh ${PROJECT_VERSION}
  ${VEXO_RELEASE_DIR}/qpk-linux-x86_64 ${VEXO_RELEASE_PROGRAMS})
set(VEXO_RELEASE_TESTS release.imports release.subsystem_version release.manifest release.hardening release.version)

if(VEXO_TREE_ROLE STREQUAL "i686")
  add_test(NAME release.same_resources COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-same-resources
    ${VEXO_RELEASE_INSTALLER} ${VEXO_RELEASE_DIR}/VexoLoad-x64.exe)
  list(APPEND VEXO_RELEASE_TESTS release.same_resources)
elseif(VEXO_BUILD_TESTS)
  add_test(NAME release.reproducible COMMAND ${CMAKE_SOURCE_DIR}/tests/release/reproducible_check.sh
    ${CMAKE_SOURCE_DIR} ${VEXO_RELEASE_DIR} ${VEXO_RELEASE_DEBUG_DIR} ${CMAKE_BINARY_DIR}/release_elsewhere)
  set_tests_properties(release.reproducible PROPERTIES TIMEOUT 1800)
  vexo_wine_path(work_wine ${CMAKE_BINARY_DIR}/release_signed/work)
  add_test(NAME release.signed COMMAND ${CMAKE_SOURCE_DIR}/tests/release/signed_check.sh
    ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/release_signed $<TARGET_FILE:driver>
    ${VEXO_SCENARIOS_WINE}\\install_colour.scn "EXE=${work_wine}\\VexoLoad.exe" "WORK=${work_wine}" "BIN=${VEXO_BIN_WINE}"
    "FIXTURES=${VEXO_FIXTURES_WINE}" "SCENARIOS=${VEXO_SCENARIOS_WINE}" "SAMPLES=${VEXO_SAMPLES_WINE}")
  set_tests_properties(release.signed PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
  list(APPEND VEXO_RELEASE_TESTS release.reproducible release.signed)
endif()
set_tests_properties(${VEXO_RELEASE_TESTS} PROPERTIES LABELS release FIXTURES_REQUIRED vexo_release)
set_tests_properties(release.present PROPERTIES LABELS release)
