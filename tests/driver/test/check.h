// A minimal checker for the driver's own portable tests, which build without
// GoogleTest: counts results and ends with the "N passed, N failed" line.
#pragma once

#include <cstdio>

namespace check {

inline int passed = 0;
inline int failed = 0;

inline void Check(bool ok, const char* what) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAILED: %s\n", what);
  }
}

inline int Summary() {
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace check
