# The GoogleTest of the Win32 layer. Built in a tree of its own with MinGW's posix
# thread model: GoogleTest needs std::mutex, which the win32 model that the
# shipped programs use does not have.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(vexo_win_tests
  tests/win/abort_retry_test.cpp
  tests/win/archive_fixture.cpp
  tests/win/backdrop_test.cpp
  tests/win/control_colour_test.cpp
  tests/win/dispatch_test.cpp
  tests/win/error_report_test.cpp
  tests/win/extract_test.cpp
  tests/win/file_layer_test.cpp
  tests/win/foreign_files_test.cpp
  tests/win/selection_test.cpp
  tests/win/stack_guard_test.cpp
  tests/win/instance_test.cpp
  tests/win/main_window_fixture.cpp
  tests/win/palm_setup_test.cpp
  tests/win/palm_user_test.cpp
  tests/win/prompt_answerer.cpp
  tests/win/registry_test.cpp
  tests/win/scratch_folder.cpp
  tests/win/window_builder_test.cpp
  tests/win/test_dialogs.rc
  platform/stack_guard_win.cpp
  $<TARGET_OBJECTS:vexo_resources>
)
target_include_directories(vexo_win_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(vexo_win_tests PRIVATE vexo_win palm_user_list_writer gtest_main)
target_link_options(vexo_win_tests PRIVATE -static -static-libgcc -static-libstdc++)
gtest_discover_tests(vexo_win_tests TEST_PREFIX "win." DISCOVERY_MODE PRE_TEST
  DISCOVERY_TIMEOUT 180 PROPERTIES LABELS win)
