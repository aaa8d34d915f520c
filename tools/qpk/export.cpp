// `qpk export`: the files the installer would put into an empty Install folder
// for one choice, under the same names and with the same bytes, for players who
// copy them to an emulator or a memory card themselves.
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <system_error>
#include <type_traits>

#include "installer/install_rules.h"
#include "palm/palm_database.h"
#include "tools/qpk/commands.h"
#include "tools/qpk/component_names.h"
#include "tools/qpk/file_io.h"
#include "tools/qpk/install_verdicts.h"
#include "tools/qpk/loaded_archive.h"

namespace {

namespace fs = std::filesystem;

using TickedBoxes = std::array<bool, 256>;

// The languages the table offers, in its order: "UK, FR, GE, IT, SP".
std::string LanguageNames() {
  std::string names;
  for (std::size_t r = 0; r < kComponentRows; ++r) {
    const std::string language = LanguageText(ComponentTable[r]);
    if (!language.empty()) names += (names.empty() ? "" : ", ") + language;
  }
  return names;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Ticks the box of every row for this handheld whose name (`nameOf`) is in the
// comma-separated `list`, or of all of them for "all"; false, naming it, on a name no row has.
template <typename NameOf>
bool TickListed(const std::string& list, std::uint16_t mask, NameOf nameOf, TickedBoxes* ticked, std::string* error) {
  std::stringstream items(Upper(list));
  for (std::string item; std::getline(items, item, ',');) {
    bool known = false;
    for (std::size_t r = 0; r < kComponentRows; ++r) {
      const ComponentRow& row = ComponentTable[r];
      const std::string name = nameOf(row);
      if (name.empty() || !IsForDevice(row, mask) || (item != "ALL" && item != name)) continue;
      (*ticked)[row.checkBox] = known = true;
    }
    if (!known) {
      *error = "\"" + item + "\" is not one of the game's";
      return false;
    }
  }
  return true;
}

bool TickChoice(const ExportChoice& choice, TickedBoxes* ticked, std::string* error) {
  ticked->fill(false);
  for (std::size_t r = 0; r < kComponentRows; ++r) {
    if (IsNeededToStart(ComponentTable[r])) (*ticked)[ComponentTable[r].checkBox] = true;
  }
  std::string problem;
  if (!TickListed(choice.levels, choice.deviceMask, LevelText, ticked, &problem)) {
    *error = "--levels: " + problem + " (1 to " + std::to_string(kLevelBoxCount) + ", or all)";
    return false;
  }
  std::string languages;
  for (std::size_t r = 0; r < kComponentRows && !choice.languages; ++r) {
    if (ComponentTable[r].checkBox == kDefaultLanguageBox) languages = LanguageText(ComponentTable[r]);
  }
  if (!TickListed(choice.languages.value_or(languages), choice.deviceMask, LanguageText, ticked, &problem)) {
    *error = "--languages: " + problem + " (" + LanguageNames() + ", or all)";
    return false;
  }
  return true;
}

// The file name each written entry gets, in directory order: a later entry of
// the same name replaces the earlier one's file, as in the installer. An entry
// the start-up verification passed over is refused (`refused`), as Install
// refuses to write it.
std::map<std::string, std::uint32_t> PlanFiles(const LoadedArchive& archive, std::uint16_t mask,
                                               const TickedBoxes& ticked, std::vector<std::uint32_t>* refused) {
  std::map<std::string, std::uint32_t> files;
  for (std::uint32_t i = 0; i < archive.count; ++i) {
    const ArchiveEntry& entry = archive.directory[i];
    std::size_t index;
    const ComponentRow* row = InstallRow(entry, mask, &index);
    if (row == nullptr || !ticked[row->checkBox]) continue;
    if (!IsVerifiedAtStart(entry)) {
      refused->push_back(i);
      continue;
    }
    char name[kComponentFileNameSize];
    ComponentFileName(entry, index, name);
    files[name] = i;
  }
  return files;
}

// The name as narrow text when it is plain ASCII, as every component file's is;
// empty for any other, whose conversion could fail.
std::string AsciiName(const fs::path& name) {
  std::string text;
  for (const fs::path::value_type c : name.native()) {
    const auto code = static_cast<std::make_unsigned_t<fs::path::value_type>>(c);
    if (code == 0 || code >= 0x80) return {};
    text.push_back(static_cast<char>(code));
  }
  return text;
}

// Whether the file is one of this game's databases under a name the installer
// gives: the only files an export removes. A link is never one.
bool IsGameComponentFile(const fs::directory_entry& file) {
  std::error_code code;
  if (!IsComponentFileName(AsciiName(file.path().filename()).c_str()) ||
      !fs::is_regular_file(file.symlink_status(code))) {
    return false;
  }
  const std::uintmax_t size = file.file_size(code);
  if (code || size > 0xFFFFFFFFu || !MayBeGameFile(static_cast<std::uint32_t>(size))) return false;
  std::uint8_t header[kGameHeaderSize];
  std::ifstream in(file.path(), std::ios::binary);
  in.read(reinterpret_cast<char*>(header), sizeof header);
  return in.gcount() == sizeof header && IsGameFile(static_cast<std::uint32_t>(size), header, sizeof header);
}

// Removes the game's files an earlier export left, so that the folder holds
// exactly the new set; other files stay.
bool RemoveGameFiles(const std::string& folder, std::size_t* removed, std::string* error) {
  std::error_code code;
  std::vector<fs::path> found;
  for (const fs::directory_entry& file : fs::directory_iterator(folder, code)) {
    if (IsGameComponentFile(file)) found.push_back(file.path());
  }
  if (code) {
    *error = folder + ": cannot list: " + code.message();
    return false;
  }
  for (const fs::path& path : found) {
    if (!fs::remove(path, code)) {
      *error = path.string() + ": cannot remove: " + code.message();
      return false;
    }
  }
  *removed = found.size();
  return true;
}

bool MayWriteInto(const std::string& folder, bool force, std::string* error) {
  std::error_code code;
  if (!fs::exists(folder, code)) return true;
  if (!fs::is_directory(folder, code)) {
    *error = folder + ": exists and is not a folder; nothing written";
    return false;
  }
  if (!force && !fs::is_empty(folder, code)) {
    *error = folder + ": is not empty; nothing written (--force writes into it)";
    return false;
  }
  return true;
}

}  // namespace

int RunExport(const std::string& archive, const std::string& folder, const ExportChoice& choice, bool force,
              bool strict, std::ostream& out, std::ostream& err) {
  TickedBoxes ticked;
  std::string error;
  if (!TickChoice(choice, &ticked, &error)) {
    err << "qpk: " << error << "\n";
    return 2;
  }
  LoadedArchive loaded;
  if (!LoadArchive(archive, &loaded, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  bool bad = false;
  for (std::uint32_t i : BadChecksums(loaded)) {
    if (!IsVerifiedAtStart(loaded.directory[i])) continue;
    err << "qpk: " << archive << ": " << EntryLabel(loaded, i) << ": bad checksum\n";
    bad = true;
  }
  if (bad) {
    err << "qpk: " << archive << ": damaged; nothing written\n";
    return 1;
  }
  if (!MayWriteInto(folder, force, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  std::vector<std::uint32_t> refused;
  const std::map<std::string, std::uint32_t> files = PlanFiles(loaded, choice.deviceMask, ticked, &refused);
  std::vector<bool> written(loaded.count, false);
  for (const auto& [name, index] : files) written[index] = true;
  const std::vector<std::string> warnings =
      CannotStartWarnings(JudgeEntries(loaded.directory, StoredData(loaded)), written, choice.deviceMask);
  if (!ReportWarnings(warnings, strict, err)) {
    err << "qpk: " << folder << ": nothing written\n";
    return 1;
  }
  std::size_t removed = 0;
  std::error_code code;
  if (force && fs::is_directory(folder, code) && !RemoveGameFiles(folder, &removed, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  std::vector<NamedFile> named;
  for (const auto& [name, index] : files) {
    const ArchiveEntry& entry = loaded.directory[index];
    named.push_back({name, loaded.bytes.data() + entry.dataOffset, entry.dataSize});
  }
  if (!WriteFilesInto(folder, named, out, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  out << Counted(named.size(), "file", "files") << " for a "
      << (choice.deviceMask == kColourMask ? "colour" : "black-and-white") << " handheld in " << folder;
  if (removed != 0) out << " (" << Counted(removed, "file", "files") << " of the game removed first)";
  out << ", " << Counted(warnings.size(), "warning", "warnings") << "\n";
  for (std::uint32_t i : refused) {
    err << "qpk: " << archive << ": entry " << i << " \"" << EntryNameText(loaded.directory[i])
        << "\": of another creator; the installer refuses to write it, and so does export\n";
  }
  return refused.empty() ? 0 : 1;
}
