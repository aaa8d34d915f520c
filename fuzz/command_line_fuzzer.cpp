#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/message_lookup.h"
#include "fuzz/fuzz_check.h"
#include "shell/command_line.h"
#include "tests/support/counting_heap.h"

namespace {

int& g_live = counting_heap::live;

using counting_heap::kHeap;

// Filled with `fill` so that a target the parser leaves unterminated shows.
template <std::size_t Size>
std::unique_ptr<char[]> Target(char fill) {
  std::unique_ptr<char[]> target(new char[Size]);
  std::memset(target.get(), fill, Size);
  return target;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<char[]> line(new char[size + 1]);
  std::memcpy(line.get(), data, size);
  line[size] = 0;

  std::uint32_t install = 7, about = 7;
  std::int32_t number = 7;
  const auto string = Target<kStringTargetSize>(0x5A);
  const auto list = Target<kStringListSize>(0x5A);
  // A line without a program name leaves the slot as it was.
  const auto program = Target<kSwitchNameSize>(0);
  const SwitchRow switches[] = {{"INSTALL", 0, &install, 0},
                                {"ABOUT", 0, &about, 0},
                                {"NUM", kSwitchNumeric, &number, 42},
                                {"STR", kSwitchString, string.get(), 0},
                                {"ADD", kSwitchString | kSwitchList, list.get(), 0},
                                {nullptr, 0, nullptr, 0}};
  const ParameterSlot slots[] = {{program.get(), kSwitchNameSize}, {nullptr, 0}};

  g_live = 0;
  const char* failure = nullptr;
  const CommandLineOutcome outcome = ParseCommandLineText(line.get(), switches, slots, kHeap, &failure);
  FUZZ_CHECK(g_live == 0);
  FUZZ_CHECK((outcome == CommandLineOutcome::Refused) == (failure != nullptr));
  if (outcome == CommandLineOutcome::HelpRequested) return 0;
  if (outcome == CommandLineOutcome::Refused) {
    FUZZ_CHECK(std::memchr(failure, 0, kMessageBufferSize) != nullptr);
    return 0;
  }
  FUZZ_CHECK(install <= 1 && about <= 1);
  FUZZ_CHECK(std::memchr(string.get(), 0, kStringTargetSize) != nullptr);
  FUZZ_CHECK(std::memchr(list.get(), 0, kStringListSize) != nullptr);
  FUZZ_CHECK(std::memchr(program.get(), 0, kSwitchNameSize) != nullptr);
  return 0;
}
