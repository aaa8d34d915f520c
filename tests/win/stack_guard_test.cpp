#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

extern "C" void* __stack_chk_guard;
extern "C" [[noreturn]] void __stack_chk_fail();

namespace {

// Copies past its own 8-byte array; the pointer hides the array's size from the
// optimiser, which would otherwise cut the loop at 8.
__attribute__((noinline)) int SmashOwnStack(const char* text) {
  char frame[8];
  char* volatile into = frame;
  for (std::size_t i = 0; text[i] != 0; ++i) into[i] = text[i];
  return frame[0];
}

// The guard is random before main, and a frame whose guard was overwritten ends
// the process with the code Windows gives a stack buffer overrun.
TEST(StackGuard, SeededAtStartAndASmashedFrameEndsTheProcess) {
  EXPECT_NE(reinterpret_cast<std::uintptr_t>(__stack_chk_guard),
            static_cast<std::uintptr_t>(0x2B992DDFA23249D6ull));
  EXPECT_NE(__stack_chk_guard, nullptr);
  EXPECT_EXIT(__stack_chk_fail(), ::testing::ExitedWithCode(static_cast<int>(0xC0000409u)), "");
  EXPECT_EXIT(SmashOwnStack("longer than the frame it is copied into, and on past the guard"),
              ::testing::ExitedWithCode(static_cast<int>(0xC0000409u)), "");
}

}  // namespace
