// What the installer will do with each entry of an archive, told before the
// archive ships: the component it installs as, or why it never will.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_format.h"

enum class Outlook {
  Installs,
  NoRow,          // no ComponentTable row takes its type and name
  OtherCreator,   // the installer verifies and writes only the game's creator
  HeaderNotGame,  // its file is never recognised in the Install folder
  HeaderDiffers,  // its file is recognised, matches no entry and is deleted
  SameFile,       // an earlier entry installs as the same file, which this one replaces
  SameName,       // an earlier entry for the same handheld has the same database name
};

struct EntryOutlook {
  Outlook outlook;
  std::size_t row;      // Installs, SameFile
  std::uint32_t other;  // SameFile, SameName: the earlier entry
};

// `stored[i]` holds entry i's dataSize bytes as stored in the archive.
std::vector<EntryOutlook> ForeseeInstall(const std::vector<ArchiveEntry>& directory,
                                         const std::vector<const std::uint8_t*>& stored);

// One line for `qpk list` and `qpk pack`: "row 5, Vexo0005.pdb, box 0x6A, colour",
// or why the entry never reaches the handheld.
std::string OutlookText(const ArchiveEntry& entry, const EntryOutlook& outlook);
