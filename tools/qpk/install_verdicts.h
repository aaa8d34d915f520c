// What the installer will do with each entry of an archive, told to the
// publisher before the archive ships. The rules are the installer's own
// (installer/install_rules.h); this file only words their outcome.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_format.h"

enum class Verdict {
  Installs,
  NoRow,          // no ComponentTable row takes its type and name
  OtherCreator,   // never verified at start, so never written
  HeaderNotGame,  // its file is never recognised in the Install folder
  HeaderDiffers,  // its file is recognised, stands for no entry of its own and is deleted
  SameFile,       // an earlier entry installs as the same file, which this one replaces
  SameName,       // an earlier entry for the same handheld has the same database name
};

struct EntryVerdict {
  Verdict verdict;
  std::size_t row;      // all but NoRow
  std::uint32_t other;  // SameFile, SameName: the earlier entry
};

// `stored[i]` holds entry i's dataSize bytes as stored in the archive.
std::vector<EntryVerdict> JudgeEntries(const std::vector<ArchiveEntry>& directory,
                                       const std::vector<const std::uint8_t*>& stored);

// "row 5, Vexo0005.pdb, level 1, box 0x6A, colour", or why the entry never reaches the handheld.
std::string VerdictText(const ArchiveEntry& entry, const EntryVerdict& verdict);

// One line per problem: each entry not installed as it should be, named by
// `names[i]`, then each kind of handheld that gets no application or no common
// database. `written[i]` tells whether the installer can write entry i at all
// (its checksum is good).
std::vector<std::string> InstallWarnings(const std::vector<ArchiveEntry>& directory,
                                         const std::vector<const std::uint8_t*>& stored,
                                         const std::vector<std::string>& names, const std::vector<bool>& written);

// Each kind of handheld in `deviceMask` that gets no application or no common
// database from the entries for which `written[i]` holds.
std::vector<std::string> CannotStartWarnings(const std::vector<EntryVerdict>& verdicts, const std::vector<bool>& written,
                                             std::uint16_t deviceMask);
