# Debian's MinGW-w64 with the win32 thread model: its runtime calls nothing that
# Windows XP lacks (the posix model's libwinpthread imports GetTickCount64).
# Everything links statically, so no MinGW DLL is needed beside a program.
if(NOT VEXO_THREAD_MODEL)
  set(VEXO_THREAD_MODEL win32)
endif()
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-${VEXO_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-${VEXO_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
# In every program's PE header: the oldest Windows each build starts on, and
# hardening: terminal-server aware (a terminal server runs it without its
# compatibility shims), no executable data (NX), a random load address (ASLR,
# with 64-bit addresses on x64). The stack protector's runtime, libssp, links
# statically and takes its guard from CryptGenRandom, which XP has; the
# installer brings its own guard (platform/stack_guard_win.cpp).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
  set(VEXO_HIGH_ENTROPY ",--high-entropy-va")
endif()
set(CMAKE_C_FLAGS_INIT "-fstack-protector-strong")
set(CMAKE_CXX_FLAGS_INIT "-fstack-protector-strong")
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-Wl,--major-subsystem-version,${VEXO_WINDOWS_VERSION_MAJOR},--minor-subsystem-version,${VEXO_WINDOWS_VERSION_MINOR},--tsaware,--nxcompat,--dynamicbase${VEXO_HIGH_ENTROPY}")
