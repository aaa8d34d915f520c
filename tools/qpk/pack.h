// `qpk pack`: builds a component archive from Palm databases, stored as they are.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_format.h"

struct PackInput {
  std::string source;  // named in messages
  std::vector<std::uint8_t> bytes;
};

// The archive is `head` (entry count, transformed directory, end record), then
// every input's bytes in order, then `padding` zero bytes.
struct PackedArchive {
  std::vector<std::uint8_t> head;
  std::uint32_t padding;
  std::vector<ArchiveEntry> directory;  // as `head` holds it before the transform
};

// False, with a message naming the input at fault, when an input is not a Palm
// database or the inputs do not make an archive.
bool PackArchive(const std::vector<PackInput>& inputs, PackedArchive* packed, std::string* error);

// The whole archive in memory.
std::vector<std::uint8_t> ArchiveImage(const PackedArchive& packed, const std::vector<PackInput>& inputs);
