// Builds Palm databases for the sample generator and the tests: header, record
// list, the customary 2-byte gap, then the records' data. Modification number,
// app info, sort info and unique id seed are always 0, as in a database fresh
// from the publisher.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PalmDatabaseContents {
  std::string name;  // 1 to 32 bytes, no zero byte
  char type[4];
  char creator[4];
  std::uint32_t creationDate;
  std::uint32_t modificationDate;
  std::vector<std::vector<std::uint8_t>> records;
};

// False when the name does not fit, there are more than 65535 records or the
// file would not fit 32-bit offsets.
bool BuildPalmDatabase(const PalmDatabaseContents& contents, std::vector<std::uint8_t>* out);
