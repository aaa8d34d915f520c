#include <ostream>

#include "tools/qpk/commands.h"
#include "tools/qpk/loaded_archive.h"

int RunVerify(const std::string& archive, bool strict, std::ostream& out, std::ostream& err) {
  LoadedArchive loaded;
  std::string error;
  if (!LoadArchive(archive, &loaded, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  const std::vector<std::uint32_t> bad = BadChecksums(loaded);
  for (std::uint32_t i : bad) {
    err << "qpk: " << archive << ": entry " << i << " \"" << EntryNameText(loaded.directory[i]) << "\": bad checksum\n";
  }
  const std::vector<std::string> warnings = ArchiveWarnings(loaded);
  if (!ReportWarnings(warnings, strict, err) || !bad.empty()) return 1;
  out << archive << ": " << Counted(loaded.count, "entry", "entries") << ", every checksum good, "
      << Counted(warnings.size(), "warning", "warnings") << "\n";
  return 0;
}
