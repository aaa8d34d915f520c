// A Palm OS database file (.pdb, .prc). Every number is big-endian.
//
//    0  name: 32 bytes, zero-terminated unless all 32 are used
//   32  attributes (2)               34  version (2)
//   36  creation date (4)            40  modification date (4)     44  backup date (4)
//   48  modification number (4)      52  app info offset (4)       56  sort info offset (4)
//   60  type (4 characters)          64  creator (4 characters)
//   68  unique id seed (4)           72  next record list (4)      76  record count (2)
//   78  record list: one 8-byte entry per record
//         0 data offset (4)   4 attributes (1)   5 unique id (3)
//       then the records' data, each record running to the next one's offset
//       (the last to the end of the file)
//
// Dates count seconds since 1904-01-01.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kPalmNameSize = 32;
constexpr std::size_t kPalmTypeOffset = 60;
constexpr std::size_t kPalmCreatorOffset = 64;
constexpr std::size_t kPalmHeaderSize = 78;
constexpr std::size_t kPalmRecordEntrySize = 8;
// The bytes IsGameDatabaseHeader looks at: everything up to the unique id seed.
constexpr std::size_t kGameHeaderSize = 72;

constexpr char kGameCreator[4] = {'V', 'e', 'x', 'o'};
// The same four bytes read as one little-endian word, the form archive selections take.
constexpr std::uint32_t kGameCreatorWord =
    static_cast<std::uint8_t>(kGameCreator[0]) | static_cast<std::uint8_t>(kGameCreator[1]) << 8 |
    static_cast<std::uint8_t>(kGameCreator[2]) << 16 | static_cast<std::uint32_t>(kGameCreator[3]) << 24;

struct PalmDatabaseHeader {
  char name[kPalmNameSize];
  std::uint16_t attributes;
  std::uint16_t version;
  std::uint32_t creationDate;
  std::uint32_t modificationDate;
  std::uint32_t backupDate;
  std::uint32_t modificationNumber;
  std::uint32_t appInfoOffset;
  std::uint32_t sortInfoOffset;
  char type[4];
  char creator[4];
  std::uint32_t uniqueIdSeed;
  std::uint32_t nextRecordList;
  std::uint16_t recordCount;
};

struct PalmRecordEntry {
  std::uint32_t dataOffset;
  std::uint8_t attributes;
  std::uint32_t uniqueId;
};

// False, "not a Palm database", when fewer than kPalmHeaderSize bytes are there.
bool ReadPalmHeader(const std::uint8_t* bytes, std::size_t size, PalmDatabaseHeader* header);

// False when entry `index` of the record list does not lie within the bytes.
bool ReadPalmRecordEntry(const std::uint8_t* bytes, std::size_t size, std::size_t index, PalmRecordEntry* entry);

enum class PalmCheck { Valid, TooShort, RecordListPastEnd, EmptyName, RecordOutsideFile, RecordsOutOfOrder };

// Whether the bytes make a database fit to be packed: a whole header and record
// list, a name, and record offsets past the record list, within the file and
// never decreasing.
PalmCheck CheckPalmDatabase(const std::uint8_t* bytes, std::size_t size);
const char* PalmCheckText(PalmCheck check);

// The test the installer applies to a file found in the Install folder to tell
// one of this game's databases still waiting for a HotSync: its dates set, no
// modification number, app info, sort info or seed, and the game's creator.
bool IsGameDatabaseHeader(const std::uint8_t* first72, std::size_t available);
