# A release build gives the same bytes wherever and whenever it is built: neither
# the checkout's nor the build tree's folder lands in the programs or their debug
# files, which name them /vexoload and /vexoload-build instead (the build tree's
# map comes last, so it wins inside the checkout), and no link time lands in a
# PE header.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=/vexoload
  -ffile-prefix-map=${CMAKE_BINARY_DIR}=/vexoload-build)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
else()
  # The shipped Linux qpk carries its C++ runtime, so another distribution's
  # libstdc++ does not matter.
  add_link_options(-static-libstdc++ -static-libgcc)
endif()
