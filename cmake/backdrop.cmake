# The backdrop picture (RCDATA IDR_BACKDROP): its decoder for every build; in
# the native build also the tool that draws the shipped artwork, and the tests.
# Include after vexo_core is defined and before the Windows build uses VEXO_BACKDROP.

set(VEXO_BACKDROP "${CMAKE_SOURCE_DIR}/resources/backdrop.pcx" CACHE FILEPATH
  "The 1024 x 768, 256-colour PCX picture built into the program as the main window's backdrop")
include(${CMAKE_SOURCE_DIR}/cmake/check_backdrop.cmake)
vexo_check_backdrop("${VEXO_BACKDROP}")

add_library(vexo_pcx STATIC ui/pcx_image.cpp)
target_include_directories(vexo_pcx PUBLIC ${CMAKE_SOURCE_DIR})

if(NOT WIN32)
  add_library(vexo_backdrop_art STATIC
    tools/backdrop_art.cpp
    tools/backdrop_decor.cpp
    tools/indexed_canvas.cpp
    tools/language_flags.cpp
    tools/level_pictures.cpp
    tools/palette_builder.cpp
    tools/pcx_writer.cpp
    tools/pixel_font.cpp
  )
  target_link_libraries(vexo_backdrop_art PUBLIC vexo_core)

  add_executable(make_backdrop tools/make_backdrop.cpp)
  target_link_libraries(make_backdrop PRIVATE vexo_backdrop_art)

  # Not part of the default build: the committed picture is what the program carries.
  add_custom_target(backdrop
    COMMAND make_backdrop ${CMAKE_SOURCE_DIR}/resources/backdrop.pcx
    COMMENT "Drawing resources/backdrop.pcx")

  if(VEXO_BUILD_TESTS)
    find_package(GTest REQUIRED)
    include(GoogleTest)
    add_executable(pcx_image_tests
      tests/unit/backdrop_artwork_test.cpp
      tests/unit/pcx_image_test.cpp
      tests/unit/pcx_writer_test.cpp
      tests/support/picture_test_support.cpp
    )
    target_link_libraries(pcx_image_tests PRIVATE vexo_pcx vexo_backdrop_art GTest::gtest_main)
    target_compile_definitions(pcx_image_tests PRIVATE VEXO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    gtest_discover_tests(pcx_image_tests TEST_PREFIX "native." PROPERTIES LABELS native)
  endif()
endif()
