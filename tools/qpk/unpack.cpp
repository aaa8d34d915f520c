#include <cctype>
#include <filesystem>
#include <map>
#include <ostream>
#include <system_error>

#include "tools/qpk/commands.h"
#include "tools/qpk/file_io.h"
#include "tools/qpk/loaded_archive.h"

namespace {

std::string FileNameOf(const ArchiveEntry& entry) {
  char name[kEntryFileNameSize];
  EntryFileName(entry.name, name);
  return name;
}

// Windows folders ignore case, so two names differing only in case would
// overwrite each other there.
std::string FoldedCase(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

bool NamesDistinct(const LoadedArchive& archive, std::ostream& err) {
  std::map<std::string, std::uint32_t> seen;
  for (std::uint32_t i = 0; i < archive.count; ++i) {
    const std::string name = FileNameOf(archive.directory[i]);
    const auto [at, added] = seen.emplace(FoldedCase(name), i);
    if (!added) {
      err << "qpk: entries " << at->second << " and " << i << " would both unpack to \"" << name << "\"\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int RunUnpack(const std::string& archive, const std::string& folder, bool force, std::ostream& out,
              std::ostream& err) {
  LoadedArchive loaded;
  std::string error;
  if (!LoadArchive(archive, &loaded, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  if (!NamesDistinct(loaded, err)) return 1;
  int status = 0;
  std::vector<NamedFile> files;
  for (std::uint32_t i = 0; i < loaded.count; ++i) {
    const ArchiveEntry& entry = loaded.directory[i];
    if (!EntryChecksumGood(loaded, i)) {
      err << "qpk: " << archive << ": entry " << i << " \"" << EntryNameText(entry)
          << "\": bad checksum, not unpacked\n";
      status = 1;
      continue;
    }
    files.push_back({FileNameOf(entry), loaded.bytes.data() + entry.dataOffset, entry.dataSize});
  }
  std::error_code code;
  for (const NamedFile& file : files) {
    const std::string path = (std::filesystem::path(folder) / file.name).string();
    if (!force && std::filesystem::exists(path, code)) {
      err << "qpk: " << path << ": exists; nothing written (--force replaces it)\n";
      return 1;
    }
  }
  if (!WriteFilesInto(folder, files, out, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  return status;
}
