// Reads fields one after another against a count of bytes still available.
// A field longer than the count fails the reader for good: from then on every
// read fails and yields zero, so a run of reads can be checked once at its end.
#pragma once

#include <cstdint>

#include "base/byte_order.h"

class CountedReader {
 public:
  CountedReader(const std::uint8_t* at, std::uint32_t count) : at_(at), count_(count) {}

  // The next n bytes, or nullptr when the count holds fewer.
  const std::uint8_t* Take(std::uint32_t n) {
    if (failed_ || n > count_) {
      failed_ = true;
      return nullptr;
    }
    const std::uint8_t* field = at_;
    at_ += n;
    count_ -= n;
    return field;
  }

  std::uint8_t Byte() {
    const std::uint8_t* p = Take(1);
    return p ? *p : 0;
  }

  std::uint16_t Le16() {
    const std::uint8_t* p = Take(2);
    return p ? GetLe16(p) : 0;
  }

  std::uint32_t Le32() {
    const std::uint8_t* p = Take(4);
    return p ? GetLe32(p) : 0;
  }

  bool Failed() const { return failed_; }

 private:
  const std::uint8_t* at_;
  std::uint32_t count_;
  bool failed_ = false;
};
