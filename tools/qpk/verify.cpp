#include <ostream>

#include "tools/qpk/commands.h"
#include "tools/qpk/loaded_archive.h"

int RunVerify(const std::string& archive, std::ostream& out, std::ostream& err) {
  LoadedArchive loaded;
  std::string error;
  if (!LoadArchive(archive, &loaded, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  std::uint32_t bad = 0;
  for (std::uint32_t i = 0; i < loaded.count; ++i) {
    if (EntryChecksumGood(loaded, i)) continue;
    err << "qpk: " << archive << ": entry " << i << " \"" << EntryNameText(loaded.directory[i]) << "\": bad checksum\n";
    ++bad;
  }
  if (bad != 0) return 1;
  out << archive << ": " << loaded.count << " entries, every checksum good\n";
  return 0;
}
