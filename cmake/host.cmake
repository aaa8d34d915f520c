# The native build: build tools, publisher tools and the portable core's tests.

add_executable(msgtable tools/msgtable.cpp)
target_link_libraries(msgtable PRIVATE vexo_core)

add_executable(make_icons tools/make_icons.cpp)
target_include_directories(make_icons PRIVATE ${CMAKE_SOURCE_DIR})

include(cmake/qpk.cmake)
include(cmake/fuzz.cmake)

add_library(vexo_samples STATIC tools/samples/sample_set.cpp)
target_link_libraries(vexo_samples PUBLIC vexo_core)
add_executable(make_samples tools/make_samples.cpp)
target_link_libraries(make_samples PRIVATE vexo_samples qpk_core)

# The sample databases and the archive packed from them, left by every build.
# C collation keeps the archive's entry order the same on every machine.
set(VEXO_SAMPLES ${CMAKE_BINARY_DIR}/samples)
add_custom_command(OUTPUT ${VEXO_SAMPLES}/Vexo.qpk
  COMMAND sh -c "rm -rf '${VEXO_SAMPLES}' && '$<TARGET_FILE:make_samples>' '${VEXO_SAMPLES}' && cd '${VEXO_SAMPLES}' && LC_ALL=C '$<TARGET_FILE:qpk>' pack Vexo.qpk *.pdb"
  DEPENDS make_samples qpk
  VERBATIM)
add_custom_target(samples ALL DEPENDS ${VEXO_SAMPLES}/Vexo.qpk)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(archive_bench bench/archive_bench.cpp)
  target_link_libraries(archive_bench PRIVATE vexo_core benchmark::benchmark)
  add_custom_target(bench COMMAND archive_bench USES_TERMINAL)
endif()

if(VEXO_BUILD_TESTS)
  find_package(GTest REQUIRED)
  add_executable(vexo_unit_tests
    tests/unit/archive_format_test.cpp
    tests/unit/archive_layout_test.cpp
    tests/unit/backdrop_fit_test.cpp
    tests/unit/command_line_test.cpp
    tests/unit/component_table_test.cpp
    tests/unit/control_descriptor_test.cpp
    tests/unit/file_names_test.cpp
    tests/unit/message_lookup_test.cpp
    tests/unit/number_format_test.cpp
    tests/unit/palm_database_test.cpp
    tests/unit/qpk_test.cpp
    tests/unit/samples_test.cpp
    tests/unit/text_builder_test.cpp
  )
  target_link_libraries(vexo_unit_tests PRIVATE vexo_core GTest::gtest_main)
  target_link_libraries(vexo_unit_tests PRIVATE qpk_core vexo_samples)
  gtest_discover_tests(vexo_unit_tests TEST_PREFIX "native." PROPERTIES LABELS native)

  # The end-to-end driver's script lexer is portable; its own test runs natively.
  add_executable(script_lexer_test tests/driver/test/script_lexer_test.cpp tests/driver/script_lexer.cpp
    tests/driver/text_format.cpp)
  add_test(NAME native.script_lexer COMMAND script_lexer_test)
  add_executable(driver_args_test tests/driver/test/driver_args_test.cpp tests/driver/hex_bytes.cpp
    tests/driver/key_path.cpp tests/driver/name_list.cpp)
  add_test(NAME native.driver_args COMMAND driver_args_test)
  set_tests_properties(native.driver_args PROPERTIES LABELS native)
  set_tests_properties(native.script_lexer PROPERTIES LABELS native)

  add_test(NAME native.tool_arguments COMMAND sh ${CMAKE_SOURCE_DIR}/tests/unit/tool_arguments_check.sh
    ${CMAKE_BINARY_DIR}/tool_arguments_scratch $<TARGET_FILE:qpk> $<TARGET_FILE:make_samples>
    $<TARGET_FILE:palmusers> $<TARGET_FILE:msgtable> $<TARGET_FILE:make_icons> $<TARGET_FILE:make_backdrop>)
  set_tests_properties(native.tool_arguments PROPERTIES LABELS native)

  # Reads the dialog templates out of a built VexoLoad.exe; each Windows tree
  # runs it on its own program (cmake/windows.cmake).
  add_executable(built_dialog_tests tests/unit/built_dialogs_test.cpp tests/support/dialog_template.cpp
    tests/support/pe_resources.cpp)
  target_link_libraries(built_dialog_tests PRIVATE vexo_core GTest::gtest_main)

  # Includes run downward between the program's folders (README, Layout).
  add_test(NAME native.include_layers COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-layers ${CMAKE_SOURCE_DIR})
  set_tests_properties(native.include_layers PROPERTIES LABELS native)

  add_test(NAME native.backdrop_option COMMAND sh ${CMAKE_SOURCE_DIR}/tests/unit/backdrop_option_check.sh
    ${CMAKE_SOURCE_DIR}/cmake/check_backdrop.cmake ${CMAKE_SOURCE_DIR}/resources/backdrop.pcx
    ${CMAKE_BINARY_DIR}/backdrop_option_scratch)
  set_tests_properties(native.backdrop_option PROPERTIES LABELS native)

  add_test(NAME native.qpk_samples COMMAND sh ${CMAKE_SOURCE_DIR}/tests/unit/qpk_samples_check.sh
    $<TARGET_FILE:qpk> ${VEXO_SAMPLES} ${CMAKE_BINARY_DIR}/unpacked_samples)
  set_tests_properties(native.qpk_samples PROPERTIES LABELS native)
endif()
