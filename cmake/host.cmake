# The native build: build tools, publisher tools and the portable core's tests.

add_executable(msgtable tools/msgtable.cpp)
target_link_libraries(msgtable PRIVATE vexo_core)

add_executable(make_icons tools/make_icons.cpp)
target_include_directories(make_icons PRIVATE ${CMAKE_SOURCE_DIR})

if(VEXO_BUILD_TESTS)
  find_package(GTest REQUIRED)
  add_executable(vexo_unit_tests
    tests/unit/command_line_test.cpp
    tests/unit/control_descriptor_test.cpp
    tests/unit/file_names_test.cpp
    tests/unit/message_lookup_test.cpp
    tests/unit/number_format_test.cpp
    tests/unit/text_builder_test.cpp
  )
  target_link_libraries(vexo_unit_tests PRIVATE vexo_core GTest::gtest_main)
  gtest_discover_tests(vexo_unit_tests TEST_PREFIX "native." PROPERTIES LABELS native)

  # The end-to-end driver's script lexer is portable; its own test runs natively.
  add_executable(script_lexer_test tests/driver/test/script_lexer_test.cpp tests/driver/script_lexer.cpp
    tests/driver/text_format.cpp)
  add_test(NAME native.script_lexer COMMAND script_lexer_test)
  set_tests_properties(native.script_lexer PROPERTIES LABELS native)
endif()
