#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_check.h"
#include "palm/palm_database.h"

namespace {

std::uint32_t Big(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

void CheckHeader(const std::uint8_t* data, const PalmDatabaseHeader& header) {
  FUZZ_CHECK(std::memcmp(header.name, data, kPalmNameSize) == 0);
  FUZZ_CHECK(header.attributes == Big(data + 32, 2) && header.version == Big(data + 34, 2));
  FUZZ_CHECK(header.creationDate == Big(data + 36, 4) && header.modificationDate == Big(data + 40, 4));
  FUZZ_CHECK(header.backupDate == Big(data + 44, 4) && header.modificationNumber == Big(data + 48, 4));
  FUZZ_CHECK(header.appInfoOffset == Big(data + 52, 4) && header.sortInfoOffset == Big(data + 56, 4));
  FUZZ_CHECK(std::memcmp(header.type, data + kPalmTypeOffset, 4) == 0);
  FUZZ_CHECK(std::memcmp(header.creator, data + kPalmCreatorOffset, 4) == 0);
  FUZZ_CHECK(header.uniqueIdSeed == Big(data + 68, 4) && header.nextRecordList == Big(data + 72, 4));
  FUZZ_CHECK(header.recordCount == Big(data + 76, 2));
}

bool EntryInside(std::size_t index, std::size_t size) {
  return kPalmHeaderSize + (index + 1) * kPalmRecordEntrySize <= size;
}

bool FitToPack(const std::uint8_t* data, std::size_t size) {
  if (size < kPalmHeaderSize) return false;
  const std::size_t count = Big(data + 76, 2);
  const std::size_t listEnd = kPalmHeaderSize + count * kPalmRecordEntrySize;
  if (listEnd > size || data[0] == 0) return false;
  std::uint32_t previous = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t offset = Big(data + kPalmHeaderSize + i * kPalmRecordEntrySize, 4);
    if (offset < listEnd || offset > size || offset < previous) return false;
    previous = offset;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PalmDatabaseHeader header;
  const bool read = ReadPalmHeader(data, size, &header);
  FUZZ_CHECK(read == (size >= kPalmHeaderSize));
  if (read) CheckHeader(data, header);

  const std::size_t count = read ? header.recordCount : 4;
  for (std::size_t index = 0; index <= count + 1 && index < 2000; ++index) {
    PalmRecordEntry entry;
    const bool inside = ReadPalmRecordEntry(data, size, index, &entry);
    FUZZ_CHECK(inside == EntryInside(index, size));
    if (inside) {
      const std::uint8_t* bytes = data + kPalmHeaderSize + index * kPalmRecordEntrySize;
      FUZZ_CHECK(entry.dataOffset == Big(bytes, 4) && entry.attributes == bytes[4] &&
                 entry.uniqueId == Big(bytes + 5, 3));
    }
  }

  const PalmCheck check = CheckPalmDatabase(data, size);
  FUZZ_CHECK((check == PalmCheck::Valid) == FitToPack(data, size));
  const char* text = PalmCheckText(check);
  FUZZ_CHECK(text != nullptr && text[0] != 0);

  if (IsGameDatabaseHeader(data, size)) {
    FUZZ_CHECK(size >= kGameHeaderSize);
    FUZZ_CHECK(std::memcmp(data + kPalmCreatorOffset, kGameCreator, 4) == 0);
    FUZZ_CHECK(Big(data + 36, 4) != 0 && Big(data + 40, 4) != 0);
    FUZZ_CHECK(Big(data + 48, 4) == 0 && Big(data + 52, 4) == 0 && Big(data + 56, 4) == 0);
    FUZZ_CHECK(Big(data + 68, 4) == 0);
  }
  return 0;
}
