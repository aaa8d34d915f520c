// What the installer does with an archive entry and with a file it finds in the
// Install folder: the one statement of these rules, read by the scan, the size
// shown, Install, and the publisher's tool qpk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "archive/archive_format.h"
#include "installer/component_table.h"
#include "palm/palm_database.h"
#include "palm/palm_user.h"
#include "resources/resource_ids.h"

// The boxes the program ticks itself: no picture leads to them, and a handheld
// cannot start the game without their components.
enum : std::uint8_t {
  kCommonDataBox = IDC_COMMON_DATABASE,
  kColourApplicationBox = IDC_COLOUR_APPLICATION,
  kMonoApplicationBox = IDC_MONO_APPLICATION,
};
// The language a new setup ticks, and qpk export's when none is given.
constexpr std::uint8_t kDefaultLanguageBox = IDC_LANGUAGE_UK;
constexpr bool IsNeededToStart(const ComponentRow& row) {
  return row.checkBox == kCommonDataBox || row.checkBox == kColourApplicationBox ||
         row.checkBox == kMonoApplicationBox;
}

// The entries the start-up verification passes over, and so the only ones
// Install may write: those of the game's creator. An entry of another creator
// that matches a row is refused when Install comes to write it.
constexpr ArchiveSelection kVerifiedAtStart = {kGameCreatorWord, 0xFFFFFFFF, 0, 0, ""};
bool IsVerifiedAtStart(const ArchiveEntry& entry);

// The row an entry installs as on this handheld (kColourMask or kMonoMask), with
// its index; nullptr when it has none or the row is for the other kind.
const ComponentRow* InstallRow(const ArchiveEntry& entry, std::uint16_t deviceMask, std::size_t* index);

// The entry's creator, the row index in four digits, ".pdb": "Vexo0007.pdb".
void ComponentFileName(const ArchiveEntry& entry, std::size_t row, char (&name)[kComponentFileNameSize]);
// Whether a name is one ComponentFileName gives for the game's creator: "Vexo", four digits, ".pdb".
bool IsComponentFileName(const char* name);

// Whether a file in the Install folder is a component's new file that a run
// killed before the move left behind ("~03Vexo0007.pdb"): never a component,
// whatever it holds, and removed.
bool IsWriteLeftover(const char* name);

// Whether a file found in the Install folder is one of this game's databases
// waiting there: `first` holds the `available` bytes read from its start.
// Anything else the scan never touches.
bool IsGameFile(std::uint32_t fileSize, const std::uint8_t* first, std::size_t available);
// The smallest file worth reading for that test.
bool MayBeGameFile(std::uint32_t fileSize);

// The entry a game file stands for, as the scan finds it from the file's header
// (the first entry of the same type and all 32 name bytes), when that entry
// installs on this handheld; -1 when none does, and the scan deletes the file.
int FoundFileEntry(const std::uint8_t* header, const ArchiveEntry* directory, std::uint32_t count,
                   std::uint16_t deviceMask, const ComponentRow** row);
