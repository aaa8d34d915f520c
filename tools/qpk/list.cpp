#include <cstdio>
#include <ostream>

#include "tools/qpk/commands.h"
#include "tools/qpk/install_verdicts.h"
#include "tools/qpk/loaded_archive.h"

int RunList(const std::string& archive, bool strict, std::ostream& out, std::ostream& err) {
  LoadedArchive loaded;
  std::string error;
  if (!LoadArchive(archive, &loaded, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  const std::vector<EntryVerdict> verdicts = JudgeEntries(loaded.directory, StoredData(loaded));
  for (std::uint32_t i = 0; i < loaded.count; ++i) {
    const ArchiveEntry& entry = loaded.directory[i];
    char line[128];
    std::snprintf(line, sizeof line, "%4u  %-32s  %s  %s  %10u  %-4s  ", static_cast<unsigned>(i),
                  EntryNameText(entry).c_str(), CodeText(entry.creator).c_str(), CodeText(entry.type).c_str(),
                  static_cast<unsigned>(entry.dataSize), EntryChecksumGood(loaded, i) ? "good" : "bad");
    out << line << VerdictText(entry, verdicts[i]) << "\n";
  }
  std::vector<std::string> warnings;
  for (std::uint32_t i : BadChecksums(loaded)) {
    warnings.push_back(EntryLabel(loaded, i) + ": bad checksum: the installer never writes it");
  }
  const std::vector<std::string> install = ArchiveWarnings(loaded);
  warnings.insert(warnings.end(), install.begin(), install.end());
  if (!ReportWarnings(warnings, strict, err)) return 1;
  out << Counted(loaded.count, "entry", "entries") << ", " << Counted(warnings.size(), "warning", "warnings") << "\n";
  return 0;
}
