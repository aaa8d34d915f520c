// Where each stored database goes in a new archive's data area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct DataAreaPlan {
  std::vector<std::uint32_t> offsets;
  std::uint32_t padding;  // zero bytes after the last entry
  std::uint32_t archiveSize;
};

enum class PlanResult { Planned, NoEntries, TooManyEntries, TooLarge };

// Lays the entries of the given sizes end to end from the data area's start.
// TooLarge names, in *culprit, the entry with which the archive would reach 4 GiB.
PlanResult PlanDataArea(const std::vector<std::uint64_t>& sizes, DataAreaPlan* plan, std::size_t* culprit);
