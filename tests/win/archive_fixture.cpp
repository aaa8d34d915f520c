#include "tests/win/archive_fixture.h"

#include <cstring>

#include "archive/archive_format.h"

std::vector<std::uint8_t> BuildArchive(const std::vector<FixtureEntry>& entries) {
  const std::uint32_t count = static_cast<std::uint32_t>(entries.size());
  const std::uint32_t dataStart = DataAreaStart(count);
  std::vector<std::uint8_t> file(dataStart, 0);
  file[0] = static_cast<std::uint8_t>(count);
  file[1] = static_cast<std::uint8_t>(count >> 8);
  for (std::uint32_t i = 0; i < count; ++i) {
    const FixtureEntry& in = entries[i];
    ArchiveEntry entry = {};
    entry.marker = kEntryMarker;
    entry.dataOffset = static_cast<std::uint32_t>(file.size());
    entry.dataSize = static_cast<std::uint32_t>(in.data.size());
    std::memcpy(entry.name, in.name.data(), in.name.size() < kEntryNameSize ? in.name.size() : kEntryNameSize);
    std::memcpy(entry.creator, in.creator.data(), 4);
    std::memcpy(entry.type, in.type.data(), 4);
    std::vector<std::uint8_t> transformed(in.data.begin(), in.data.end());
    ArchiveXor(transformed.data(), transformed.size());
    entry.checksum = ArchiveChecksum(transformed.data(), transformed.size()) + (in.badChecksum ? 1 : 0);
    EncodeEntry(entry, file.data() + 4 + kArchiveEntrySize * i);
    file.insert(file.end(), in.data.begin(), in.data.end());
  }
  ArchiveXor(file.data() + 4, kArchiveEntrySize * (count + 1));
  if (file.size() < dataStart + 76u) file.resize(dataStart + 76u, 0);
  return file;
}
