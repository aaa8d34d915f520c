#include "tools/qpk/install_outlook.h"

#include <cstdio>
#include <cstring>

#include "installer/component_table.h"
#include "palm/palm_database.h"

namespace {

// The installer's scan reads the first 72 bytes of files of at least 76.
constexpr std::uint32_t kSmallestRecognised = 76;

std::size_t NameLength(const ArchiveEntry& entry) { return strnlen(entry.name, kEntryNameSize); }

bool SameDatabaseName(const ArchiveEntry& a, const ArchiveEntry& b) {
  return NameLength(a) == NameLength(b) && std::memcmp(a.name, b.name, NameLength(a)) == 0;
}

// The verdict for one entry, leaving out the earlier entries.
EntryOutlook Alone(const ArchiveEntry& entry, const std::uint8_t* stored) {
  std::size_t row = 0;
  if (FindComponentRow(entry.type, entry.name, kEntryNameSize, &row) == nullptr) return {Outlook::NoRow, 0, 0};
  if (std::memcmp(entry.creator, kGameCreator, 4) != 0) return {Outlook::OtherCreator, row, 0};
  if (entry.dataSize < kSmallestRecognised || !IsGameDatabaseHeader(stored, entry.dataSize)) {
    return {Outlook::HeaderNotGame, row, 0};
  }
  if (std::memcmp(stored, entry.name, kEntryNameSize) != 0 ||
      std::memcmp(stored + kPalmTypeOffset, entry.type, 4) != 0) {
    return {Outlook::HeaderDiffers, row, 0};
  }
  return {Outlook::Installs, row, 0};
}

const char* DeviceText(const ComponentRow& row) {
  if (row.deviceFlags == (kColourDevice | kMonoDevice)) return "colour and black-and-white";
  return row.deviceFlags == kColourDevice ? "colour" : "black-and-white";
}

}  // namespace

std::vector<EntryOutlook> ForeseeInstall(const std::vector<ArchiveEntry>& directory,
                                         const std::vector<const std::uint8_t*>& stored) {
  std::vector<EntryOutlook> out;
  for (std::uint32_t i = 0; i < directory.size(); ++i) {
    EntryOutlook outlook = Alone(directory[i], stored[i]);
    for (std::uint32_t j = 0; j < i && outlook.outlook == Outlook::Installs; ++j) {
      if (out[j].outlook != Outlook::Installs) continue;
      const ComponentRow& mine = ComponentTable[outlook.row];
      const ComponentRow& theirs = ComponentTable[out[j].row];
      if (out[j].row == outlook.row) {
        outlook = {Outlook::SameFile, outlook.row, j};
      } else if ((mine.deviceFlags & theirs.deviceFlags) != 0 && SameDatabaseName(directory[i], directory[j])) {
        outlook = {Outlook::SameName, outlook.row, j};
      }
    }
    out.push_back(outlook);
  }
  return out;
}

std::string OutlookText(const ArchiveEntry& entry, const EntryOutlook& outlook) {
  char text[160];
  switch (outlook.outlook) {
    case Outlook::Installs: {
      const ComponentRow& row = ComponentTable[outlook.row];
      std::snprintf(text, sizeof text, "row %zu, %.4s%04zu.pdb, box 0x%02X, %s", outlook.row, entry.creator,
                    outlook.row, row.checkBox, DeviceText(row));
      return text;
    }
    case Outlook::NoRow:
      return "never installed: no component row takes its type and name";
    case Outlook::OtherCreator:
      return "never installed: its creator is not the game's (Vexo)";
    case Outlook::HeaderNotGame:
      return "its header is not one the installer takes for the game's database: its file is never seen as "
             "installed and never removed";
    case Outlook::HeaderDiffers:
      return "its header's name or type is not the directory's: its file is deleted at the next start";
    case Outlook::SameFile:
      std::snprintf(text, sizeof text, "installs as %.4s%04zu.pdb like entry %u, whose file it replaces",
                    entry.creator, outlook.row, outlook.other);
      return text;
    case Outlook::SameName:
      std::snprintf(text, sizeof text, "same database name as entry %u: the handheld keeps only one", outlook.other);
      return text;
  }
  return {};
}
