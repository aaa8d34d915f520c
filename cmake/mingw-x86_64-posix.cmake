# The x64 toolchain with MinGW's posix thread model, for the GoogleTest tree only.
set(VEXO_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-x86_64.cmake)
