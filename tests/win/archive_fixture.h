// Builds component archives for tests, valid or damaged on purpose.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FixtureEntry {
  std::string name;  // up to 32 bytes
  std::string creator = "Vexo";
  std::string type = "cl01";
  std::string data;
  bool badChecksum = false;
};

std::vector<std::uint8_t> BuildArchive(const std::vector<FixtureEntry>& entries);
