// An argument heap for the command-line parser's native tests and fuzzer: exact
// copies on malloc, so a read or write past an argument is caught, and a count of
// the arguments still held, so a leak shows.
#pragma once

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "shell/command_line.h"

namespace counting_heap {

inline int live;

inline char* Allocate(const char* bytes, std::uint32_t length) {
  char* copy = static_cast<char*>(std::malloc(std::size_t{length} + 1));
  if (copy == nullptr) return nullptr;
  std::memcpy(copy, bytes, length);
  copy[length] = 0;
  ++live;
  return copy;
}

inline void Release(char* argument) {
  --live;
  std::free(argument);
}

inline void UpperCase(char* text) {
  for (; *text; ++text) *text = static_cast<char>(std::toupper(static_cast<unsigned char>(*text)));
}

inline const ArgumentHeap kHeap = {Allocate, Release, UpperCase};

}  // namespace counting_heap
