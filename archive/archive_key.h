// The key the archive transform XORs with: the program, the publisher's qpk tool
// and the tests all use this one table.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kArchiveKeySize = 1024;

extern const std::uint8_t ArchiveKey[kArchiveKeySize];
