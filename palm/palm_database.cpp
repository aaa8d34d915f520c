#include "palm/palm_database.h"

#include <cstring>

#include "base/byte_order.h"

bool ReadPalmHeader(const std::uint8_t* bytes, std::size_t size, PalmDatabaseHeader* header) {
  if (size < kPalmHeaderSize) return false;
  std::memcpy(header->name, bytes, kPalmNameSize);
  header->attributes = GetBe16(bytes + 32);
  header->version = GetBe16(bytes + 34);
  header->creationDate = GetBe32(bytes + 36);
  header->modificationDate = GetBe32(bytes + 40);
  header->backupDate = GetBe32(bytes + 44);
  header->modificationNumber = GetBe32(bytes + 48);
  header->appInfoOffset = GetBe32(bytes + 52);
  header->sortInfoOffset = GetBe32(bytes + 56);
  std::memcpy(header->type, bytes + kPalmTypeOffset, 4);
  std::memcpy(header->creator, bytes + kPalmCreatorOffset, 4);
  header->uniqueIdSeed = GetBe32(bytes + 68);
  header->nextRecordList = GetBe32(bytes + 72);
  header->recordCount = GetBe16(bytes + 76);
  return true;
}

bool ReadPalmRecordEntry(const std::uint8_t* bytes, std::size_t size, std::size_t index, PalmRecordEntry* entry) {
  if (size < kPalmHeaderSize || index >= (size - kPalmHeaderSize) / kPalmRecordEntrySize) return false;
  const std::uint8_t* at = bytes + kPalmHeaderSize + kPalmRecordEntrySize * index;
  entry->dataOffset = GetBe32(at);
  entry->attributes = at[4];
  entry->uniqueId = (static_cast<std::uint32_t>(at[5]) << 16) | (static_cast<std::uint32_t>(at[6]) << 8) | at[7];
  return true;
}

PalmCheck CheckPalmDatabase(const std::uint8_t* bytes, std::size_t size) {
  PalmDatabaseHeader header;
  if (!ReadPalmHeader(bytes, size, &header)) return PalmCheck::TooShort;
  const std::size_t listEnd = kPalmHeaderSize + kPalmRecordEntrySize * header.recordCount;
  if (listEnd > size) return PalmCheck::RecordListPastEnd;
  if (header.name[0] == 0) return PalmCheck::EmptyName;
  std::uint32_t previous = 0;
  for (std::size_t i = 0; i < header.recordCount; ++i) {
    const std::uint32_t offset = GetBe32(bytes + kPalmHeaderSize + kPalmRecordEntrySize * i);
    if (offset < listEnd || offset > size) return PalmCheck::RecordOutsideFile;
    if (offset < previous) return PalmCheck::RecordsOutOfOrder;
    previous = offset;
  }
  return PalmCheck::Valid;
}

const char* PalmCheckText(PalmCheck check) {
  switch (check) {
    case PalmCheck::Valid:
      return "a valid Palm database";
    case PalmCheck::TooShort:
      return "not a Palm database: shorter than its 78-byte header";
    case PalmCheck::RecordListPastEnd:
      return "not a Palm database: its record list runs past the end of the file";
    case PalmCheck::EmptyName:
      return "not a Palm database: its name is empty";
    case PalmCheck::RecordOutsideFile:
      return "not a Palm database: a record lies outside the file";
    case PalmCheck::RecordsOutOfOrder:
      return "not a Palm database: its records are not in ascending order";
  }
  return "not a Palm database";
}

bool IsGameDatabaseHeader(const std::uint8_t* first72, std::size_t available) {
  if (available < kGameHeaderSize) return false;
  return first72[0] != 0 && GetBe32(first72 + 36) != 0 && GetBe32(first72 + 40) != 0 && GetBe32(first72 + 48) == 0 &&
         GetBe32(first72 + 52) == 0 && GetBe32(first72 + 56) == 0 &&
         std::memcmp(first72 + kPalmCreatorOffset, kGameCreator, 4) == 0 && GetBe32(first72 + 68) == 0;
}
