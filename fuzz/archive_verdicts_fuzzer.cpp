// What no other test checks: the installer verifies every entry where it lies
// in one read-only image of the whole file, while `qpk verify` checks a
// transformed copy of each entry; the two must give every entry the same
// verdict. Which archives load and what the installer does with an entry are decided
// once (archive/archive_format.h, installer/install_rules.h) and not compared here.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "archive/archive_format.h"
#include "fuzz/fuzz_check.h"
#include "installer/install_rules.h"
#include "tools/qpk/loaded_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The installer's side, as Extract runs it: the layout, then every entry of
  // the game's creator in directory order, over one image of the file.
  static const std::unique_ptr<ArchiveEntry[]> directory(new ArchiveEntry[kMaxArchiveEntries + 1]);
  std::uint32_t count = 0;
  const bool installerLoads =
      ReadArchiveDirectory(data, static_cast<std::uint32_t>(size), directory.get(), &count) ==
      LayoutResult::Valid;

  if (!installerLoads) return 0;
  LoadedArchive loaded;
  FUZZ_CHECK(ParseArchive(std::vector<std::uint8_t>(data, data + size), &loaded));

  const ArchiveSelection& startUp = kVerifiedAtStart;
  std::vector<bool> verified(count, false);
  for (std::uint32_t i = 0; i < count; ++i) {
    if (IsSelected(directory[i], startUp)) verified[i] = VerifyEntryData(data, directory[i]);
  }

  std::vector<bool> qpkBad(count, false);
  for (std::uint32_t i : BadChecksums(loaded)) qpkBad[i] = true;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (IsSelected(directory[i], startUp)) FUZZ_CHECK(verified[i] == !qpkBad[i]);
  }
  return 0;
}
