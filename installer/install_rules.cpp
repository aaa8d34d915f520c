#include "installer/install_rules.h"

#include <cstring>

#include "palm/palm_database.h"
#include "shell/number_format.h"

namespace {

// The scan reads the first 72 header bytes, and only of files of at least this size.
constexpr std::uint32_t kMinGameFileSize = 76;

}  // namespace

bool IsVerifiedAtStart(const ArchiveEntry& entry) { return std::memcmp(entry.creator, kGameCreator, 4) == 0; }

const ComponentRow* InstallRow(const ArchiveEntry& entry, std::uint16_t deviceMask, std::size_t* index) {
  const ComponentRow* row = FindComponentRow(entry.type, entry.name, kEntryNameSize, index);
  return row != nullptr && IsForDevice(*row, deviceMask) ? row : nullptr;
}

void ComponentFileName(const ArchiveEntry& entry, std::size_t row, char (&name)[kComponentFileNameSize]) {
  char digits[kDecimalTextSize];
  FormatDecimal(static_cast<std::int32_t>(row), kDecimalZeroFill, digits, sizeof digits);
  std::memcpy(name, entry.creator, 4);
  std::memcpy(name + 4, digits + 16, 4);
  std::memcpy(name + 8, ".pdb", 5);
}

bool IsComponentFileName(const char* name) {
  if (std::strlen(name) != kComponentFileNameSize - 1 || std::memcmp(name, kGameCreator, 4) != 0) return false;
  for (int i = 4; i < 8; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return std::memcmp(name + 8, ".pdb", 5) == 0;
}

bool MayBeGameFile(std::uint32_t fileSize) { return fileSize >= kMinGameFileSize; }

bool IsGameFile(std::uint32_t fileSize, const std::uint8_t* first, std::size_t available) {
  return MayBeGameFile(fileSize) && IsGameDatabaseHeader(first, available);
}

int FoundFileEntry(const std::uint8_t* header, const ArchiveEntry* directory, std::uint32_t count,
                   std::uint16_t deviceMask, const ComponentRow** row) {
  for (std::uint32_t i = 0; i < count; ++i) {
    const ArchiveEntry& entry = directory[i];
    if (std::memcmp(entry.type, header + kPalmTypeOffset, 4) != 0 ||
        std::memcmp(entry.name, header, kEntryNameSize) != 0) {
      continue;
    }
    std::size_t index;
    *row = InstallRow(entry, deviceMask, &index);
    return *row != nullptr ? static_cast<int>(i) : -1;
  }
  return -1;
}
