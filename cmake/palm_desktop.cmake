# The stand-in Palm Desktop for the tests: palmusers writes a user list in both
# trees; the Windows trees also build Palm.exe, a program that only exists to be
# associated with .pdb files; the native tree tests the user list.

add_library(palm_user_list_writer STATIC palm/user_list_writer.cpp)
target_link_libraries(palm_user_list_writer PUBLIC vexo_core)

add_executable(palmusers tools/palmusers.cpp)
target_link_libraries(palmusers PRIVATE palm_user_list_writer)
set_target_properties(palmusers PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(WIN32)
  target_link_options(palmusers PRIVATE -static -static-libgcc -static-libstdc++)

  add_executable(palm_desktop_stub WIN32 tools/palm_desktop_stub.cpp)
  set_target_properties(palm_desktop_stub PROPERTIES OUTPUT_NAME Palm RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_options(palm_desktop_stub PRIVATE -static -static-libgcc -static-libstdc++)
elseif(VEXO_BUILD_TESTS)
  find_package(GTest REQUIRED)
  add_executable(user_list_tests tests/unit/user_list_test.cpp)
  target_link_libraries(user_list_tests PRIVATE palm_user_list_writer GTest::gtest_main)
  gtest_discover_tests(user_list_tests TEST_PREFIX "native." PROPERTIES LABELS native)
endif()
