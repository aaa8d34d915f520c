// What no other test checks: the installer verifies every entry in place, in
// one block where a transformed entry lies beside the next, while `qpk verify`
// checks a copy of each entry; the two must give every entry the same verdict,
// and an entry the installer verified must write exactly the bytes stored for
// it. Which archives load and what the installer does with an entry are decided
// once (archive/archive_format.h, installer/install_rules.h) and not compared here.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "archive/archive_format.h"
#include "fuzz/fuzz_check.h"
#include "installer/install_rules.h"
#include "tools/qpk/loaded_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The installer's side, as Extract runs it: the layout, then every entry of
  // the game's creator in directory order, transformed in place in one block.
  static const std::unique_ptr<ArchiveEntry[]> directory(new ArchiveEntry[kMaxArchiveEntries + 1]);
  std::vector<std::uint8_t> block(data, data + size);
  std::uint32_t count = 0;
  const bool installerLoads =
      ReadArchiveDirectory(block.data(), static_cast<std::uint32_t>(size), directory.get(), &count) ==
      LayoutResult::Valid;

  if (!installerLoads) return 0;
  LoadedArchive loaded;
  FUZZ_CHECK(ParseArchive(std::vector<std::uint8_t>(data, data + size), &loaded));

  const ArchiveSelection& startUp = kVerifiedAtStart;
  std::vector<bool> verified(count, false);
  for (std::uint32_t i = 0; i < count; ++i) {
    if (IsSelected(directory[i], startUp)) verified[i] = VerifyEntryData(block.data(), directory[i]);
  }

  std::vector<bool> qpkBad(count, false);
  for (std::uint32_t i : BadChecksums(loaded)) qpkBad[i] = true;
  for (std::uint32_t i = 0; i < count; ++i) {
    const ArchiveEntry& entry = directory[i];
    if (!IsSelected(entry, startUp)) {
      FUZZ_CHECK(std::memcmp(block.data() + entry.dataOffset, data + entry.dataOffset, entry.dataSize) == 0);
      continue;
    }
    FUZZ_CHECK(verified[i] == !qpkBad[i]);
    if (!verified[i]) continue;
    // What WriteEntryFile hands to the file: the verified bytes transformed back.
    std::vector<std::uint8_t> written(block.begin() + entry.dataOffset,
                                      block.begin() + entry.dataOffset + entry.dataSize);
    ArchiveXor(written.data(), written.size());
    FUZZ_CHECK(written.size() == entry.dataSize);
    FUZZ_CHECK(entry.dataSize == 0 || std::memcmp(written.data(), data + entry.dataOffset, entry.dataSize) == 0);
  }
  return 0;
}
