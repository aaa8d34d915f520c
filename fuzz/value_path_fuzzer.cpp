#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz/fuzz_check.h"
#include "platform/value_path.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<char[]> path(new char[size + 1]);
  std::memcpy(path.get(), data, size);
  path[size] = 0;
  const std::size_t length = std::strlen(path.get());

  std::size_t position = 0;
  for (;;) {
    const std::size_t start = position;
    char component[kComponentSize];
    std::memset(component, 0x5A, sizeof component);
    const bool taken = TakePathComponent(path.get(), &position, component);
    FUZZ_CHECK(position >= start && position <= length);
    if (!taken) break;
    FUZZ_CHECK(position > start);
    const void* end = std::memchr(component, 0, kComponentSize);
    FUZZ_CHECK(end != nullptr);
    const std::size_t componentLength = static_cast<const char*>(end) - component;
    FUZZ_CHECK(componentLength <= kComponentSize - 1);
    FUZZ_CHECK(position == start + componentLength + 1 && path[position - 1] == '\\');
    FUZZ_CHECK(std::memcmp(component, path.get() + start, componentLength) == 0);
    FUZZ_CHECK(std::memchr(component, '\\', componentLength) == nullptr);
  }
  return 0;
}
