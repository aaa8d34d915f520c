#include "tools/qpk/install_verdicts.h"

#include <cstdio>
#include <cstring>

#include "installer/install_rules.h"
#include "tools/qpk/component_names.h"

namespace {

struct Handheld {
  std::uint16_t mask;
  const char* name;
};
constexpr Handheld kHandhelds[] = {{kColourMask, "colour"}, {kMonoMask, "black-and-white"}};

std::uint16_t AnyMaskOf(const ComponentRow& row) { return IsForDevice(row, kColourMask) ? kColourMask : kMonoMask; }

bool SameDatabaseName(const ArchiveEntry& a, const ArchiveEntry& b) {
  return std::strncmp(a.name, b.name, kEntryNameSize) == 0;
}

bool IsWritten(const EntryVerdict& verdict) {
  return verdict.verdict != Verdict::NoRow && verdict.verdict != Verdict::OtherCreator;
}

// The verdict for entry i, given the verdicts of the entries before it.
EntryVerdict Judge(const std::vector<ArchiveEntry>& directory, const std::vector<const std::uint8_t*>& stored,
                   const std::vector<EntryVerdict>& earlier) {
  const std::uint32_t i = static_cast<std::uint32_t>(earlier.size());
  const ArchiveEntry& entry = directory[i];
  std::size_t row = 0;
  const ComponentRow* mine = FindComponentRow(entry.type, entry.name, kEntryNameSize, &row);
  if (mine == nullptr) return {Verdict::NoRow, 0, 0};
  if (!IsVerifiedAtStart(entry)) return {Verdict::OtherCreator, row, 0};
  if (!IsGameFile(entry.dataSize, stored[i], entry.dataSize)) return {Verdict::HeaderNotGame, row, 0};
  // Searched from this entry on, the scan must find this entry for its file.
  const ComponentRow* found = nullptr;
  if (FoundFileEntry(stored[i], &directory[i], static_cast<std::uint32_t>(directory.size()) - i, AnyMaskOf(*mine),
                     &found) != 0) {
    return {Verdict::HeaderDiffers, row, 0};
  }
  for (std::uint32_t j = 0; j < i; ++j) {
    if (earlier[j].verdict != Verdict::Installs) continue;
    if (earlier[j].row == row) return {Verdict::SameFile, row, j};
    const ComponentRow& theirs = ComponentTable[earlier[j].row];
    if ((mine->deviceFlags & theirs.deviceFlags) != 0 && SameDatabaseName(entry, directory[j])) {
      return {Verdict::SameName, row, j};
    }
  }
  return {Verdict::Installs, row, 0};
}

const char* DeviceText(const ComponentRow& row) {
  if (row.deviceFlags == (kColourDevice | kMonoDevice)) return "colour and black-and-white";
  return row.deviceFlags == kColourDevice ? "colour" : "black-and-white";
}

std::string FileNameText(const ArchiveEntry& entry, std::size_t row) {
  char name[kComponentFileNameSize];
  ComponentFileName(entry, row, name);
  return name;
}

}  // namespace

std::vector<EntryVerdict> JudgeEntries(const std::vector<ArchiveEntry>& directory,
                                       const std::vector<const std::uint8_t*>& stored) {
  std::vector<EntryVerdict> verdicts;
  while (verdicts.size() < directory.size()) verdicts.push_back(Judge(directory, stored, verdicts));
  return verdicts;
}

std::string VerdictText(const ArchiveEntry& entry, const EntryVerdict& verdict) {
  char text[160];
  switch (verdict.verdict) {
    case Verdict::Installs: {
      const ComponentRow& row = ComponentTable[verdict.row];
      // These rows' boxes are never on screen: the player cannot untick them.
      char box[32] = "chosen by the installer";
      if (!IsNeededToStart(row)) std::snprintf(box, sizeof box, "box 0x%02X", row.checkBox);
      std::snprintf(text, sizeof text, "row %zu, %s, %s, %s, %s", verdict.row, FileNameText(entry, verdict.row).c_str(),
                    ComponentName(row).c_str(), box, DeviceText(row));
      return text;
    }
    case Verdict::NoRow:
      return "never installed: no component row takes its type and name";
    case Verdict::OtherCreator:
      return "never installed: its creator is not the game's (Vexo)";
    case Verdict::HeaderNotGame:
      return "its header is not one the installer takes for the game's database: its file is never seen as "
             "installed and never removed";
    case Verdict::HeaderDiffers:
      return "its header's name or type is not the directory's: its file is deleted at the next start";
    case Verdict::SameFile:
      std::snprintf(text, sizeof text, "installs as %s like entry %u, whose file it replaces",
                    FileNameText(entry, verdict.row).c_str(), verdict.other);
      return text;
    case Verdict::SameName:
      std::snprintf(text, sizeof text, "same database name as entry %u: the handheld keeps only one", verdict.other);
      return text;
  }
  return {};
}

std::vector<std::string> CannotStartWarnings(const std::vector<EntryVerdict>& verdicts, const std::vector<bool>& written,
                                             std::uint16_t deviceMask) {
  std::vector<std::string> warnings;
  for (const Handheld& handheld : kHandhelds) {
    if ((handheld.mask & deviceMask) == 0) continue;
    for (std::size_t r = 0; r < kComponentRows; ++r) {
      const ComponentRow& row = ComponentTable[r];
      if (!IsNeededToStart(row) || !IsForDevice(row, handheld.mask)) continue;
      bool present = false;
      for (std::size_t i = 0; i < verdicts.size(); ++i) {
        present = present || (written[i] && IsWritten(verdicts[i]) && verdicts[i].row == r);
      }
      if (present) continue;
      char text[200];
      std::snprintf(text, sizeof text, "%s handhelds get no %s (row %zu, box 0x%02X): the game cannot start there",
                    handheld.name, row.checkBox == kCommonDataBox ? "common database" : "application", r,
                    row.checkBox);
      warnings.push_back(text);
    }
  }
  return warnings;
}

std::vector<std::string> InstallWarnings(const std::vector<ArchiveEntry>& directory,
                                         const std::vector<const std::uint8_t*>& stored,
                                         const std::vector<std::string>& names, const std::vector<bool>& written) {
  const std::vector<EntryVerdict> verdicts = JudgeEntries(directory, stored);
  std::vector<std::string> warnings;
  for (std::size_t i = 0; i < directory.size(); ++i) {
    if (verdicts[i].verdict != Verdict::Installs) warnings.push_back(names[i] + ": " + VerdictText(directory[i], verdicts[i]));
  }
  const std::vector<std::string> unstartable = CannotStartWarnings(verdicts, written, kColourMask | kMonoMask);
  warnings.insert(warnings.end(), unstartable.begin(), unstartable.end());
  return warnings;
}
