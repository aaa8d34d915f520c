// Shared by the fuzzers and the corpus regression runner.
#pragma once

#include <cstdio>
#include <cstdlib>

// assert() would vanish under NDEBUG in the regression build; a broken promise
// must stop every build.
#define FUZZ_CHECK(condition)                                                                 \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                           \
    }                                                                                         \
  } while (0)
