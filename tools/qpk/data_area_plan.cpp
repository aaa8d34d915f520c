#include "tools/qpk/data_area_plan.h"

#include "archive/archive_format.h"

PlanResult PlanDataArea(const std::vector<std::uint64_t>& sizes, DataAreaPlan* plan, std::size_t* culprit) {
  if (sizes.empty()) return PlanResult::NoEntries;
  if (sizes.size() > kMaxArchiveEntries) return PlanResult::TooManyEntries;
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 32;
  const std::uint32_t dataStart = DataAreaStart(static_cast<std::uint32_t>(sizes.size()));
  plan->offsets.clear();
  std::uint64_t end = dataStart;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    plan->offsets.push_back(static_cast<std::uint32_t>(end));
    end += sizes[i];
    if (end >= kLimit) {
      *culprit = i;
      return PlanResult::TooLarge;
    }
  }
  // The reader insists on kBytesAfterEndRecord bytes after the directory, more
  // than a handful of tiny entries would hold.
  const std::uint64_t minimum = std::uint64_t{dataStart} + kBytesAfterEndRecord;
  plan->padding = end < minimum ? static_cast<std::uint32_t>(minimum - end) : 0;
  plan->archiveSize = static_cast<std::uint32_t>(end + plan->padding);
  return PlanResult::Planned;
}
