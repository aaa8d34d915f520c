#include "platform/value_path.h"

#include <cstring>

static_assert(kComponentSearch <= kComponentSize, "a found component always fits with its terminator");

bool TakePathComponent(const char* path, std::size_t* position, char (&component)[kComponentSize]) {
  const char* start = path + *position;
  for (std::size_t i = 0; i < kComponentSearch && start[i] != 0; ++i) {
    if (start[i] != '\\') continue;
    std::memcpy(component, start, i);
    component[i] = 0;
    *position += i + 1;
    return true;
  }
  return false;
}
