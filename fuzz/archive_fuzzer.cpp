#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "archive/archive_format.h"
#include "fuzz/fuzz_check.h"

namespace {

bool Forbidden(char c) {
  return static_cast<unsigned char>(c) < 0x20 || std::strchr("*?|><\\/:", c) != nullptr;
}

void CheckFileName(const ArchiveEntry& entry) {
  char out[kEntryFileNameSize];
  std::memset(out, 0x5A, sizeof out);
  EntryFileName(entry.name, out);
  const void* end = std::memchr(out, 0, sizeof out);
  FUZZ_CHECK(end != nullptr);
  const std::size_t length = static_cast<const char*>(end) - out;
  const std::size_t nameLength = strnlen(entry.name, kEntryNameSize);
  FUZZ_CHECK(length == nameLength + 4);
  FUZZ_CHECK(std::memcmp(out + nameLength, ".pdb", 4) == 0);
  for (std::size_t i = 0; i < nameLength; ++i) {
    FUZZ_CHECK(!Forbidden(out[i]));
    FUZZ_CHECK(Forbidden(entry.name[i]) ? out[i] == '_' : out[i] == entry.name[i]);
  }
}

bool ModelSelected(const ArchiveEntry& entry, const ArchiveSelection& selection) {
  if ((CodeWord(entry.creator) & selection.creatorMask) != selection.creatorValue) return false;
  if ((CodeWord(entry.type) & selection.typeMask) != selection.typeValue) return false;
  const std::size_t prefixLength = std::strlen(selection.namePrefix);
  return prefixLength <= kEntryNameSize && std::memcmp(selection.namePrefix, entry.name, prefixLength) == 0;
}

// `other` supplies arbitrary selection fields so that both verdicts come up.
void CheckSelection(const ArchiveEntry& entry, const ArchiveEntry& other) {
  ArchiveSelection own = {};
  own.creatorMask = other.checksum;
  own.creatorValue = CodeWord(entry.creator) & own.creatorMask;
  own.typeMask = other.dataSize;
  own.typeValue = CodeWord(entry.type) & own.typeMask;
  const std::size_t prefixLength = other.marker % (strnlen(entry.name, kEntryNameSize) + 1);
  std::memcpy(own.namePrefix, entry.name, prefixLength);
  FUZZ_CHECK(IsSelected(entry, own));

  ArchiveSelection foreign = {};
  foreign.creatorMask = other.checksum;
  foreign.creatorValue = CodeWord(other.creator) & foreign.creatorMask;
  foreign.typeMask = other.dataOffset;
  foreign.typeValue = CodeWord(other.type) & foreign.typeMask;
  std::memcpy(foreign.namePrefix, other.name, kEntryNameSize);
  FUZZ_CHECK(IsSelected(entry, foreign) == ModelSelected(entry, foreign));
}

bool Share(const ArchiveEntry& a, const ArchiveEntry& b) {
  if (a.dataSize == 0 || b.dataSize == 0) return false;
  return std::uint64_t{a.dataOffset} + a.dataSize > b.dataOffset &&
         std::uint64_t{b.dataOffset} + b.dataSize > a.dataOffset;
}

void CheckTransform(const std::uint8_t* data, std::size_t size) {
  const std::size_t length = size < 4096 ? size : 4096;
  if (length == 0) return;
  std::vector<std::uint8_t> once(data, data + length);
  std::vector<std::uint8_t> fused(data, data + length);
  ArchiveXor(once.data(), length);
  FUZZ_CHECK(ArchiveXorChecksum(fused.data(), length) == ArchiveChecksum(once.data(), length));
  FUZZ_CHECK(ArchiveXoredChecksum(data, length) == ArchiveChecksum(once.data(), length));
  FUZZ_CHECK(once == fused);
  ArchiveXor(once.data(), length);
  FUZZ_CHECK(std::memcmp(once.data(), data, length) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the promised room, on the heap, so a write past it is caught.
  static const std::unique_ptr<ArchiveEntry[]> directory(new ArchiveEntry[kMaxArchiveEntries + 1]);
  CheckTransform(data, size);

  for (std::size_t at = 0; at + 2 * kArchiveEntrySize <= size && at < 8 * kArchiveEntrySize; at += kArchiveEntrySize) {
    const ArchiveEntry entry = DecodeEntry(data + at);
    CheckFileName(entry);
    CheckSelection(entry, DecodeEntry(data + at + kArchiveEntrySize));
  }

  std::uint32_t count = 0;
  const LayoutResult layout = ReadArchiveDirectory(data, static_cast<std::uint32_t>(size), directory.get(), &count);
  // Only a file that fails can be cut short.
  bool atLeast = false;
  const std::uint64_t missing = MissingArchiveBytes(data, static_cast<std::uint32_t>(size), &atLeast);
  if (layout == LayoutResult::NotAnArchive) return 0;
  FUZZ_CHECK(missing == 0);
  FUZZ_CHECK(count >= 1 && count <= kMaxArchiveEntries);
  const std::uint32_t dataStart = DataAreaStart(count);
  FUZZ_CHECK(size >= kMinArchiveSize && size >= std::size_t{dataStart} + kBytesAfterEndRecord);
  for (std::uint32_t i = 0; i < count; ++i) {
    const ArchiveEntry& entry = directory[i];
    FUZZ_CHECK(entry.marker == kEntryMarker);
    FUZZ_CHECK(entry.dataOffset >= dataStart);
    FUZZ_CHECK(std::uint64_t{entry.dataOffset} + entry.dataSize <= size);
    FUZZ_CHECK(entry.name[0] != 0);
    CheckFileName(entry);
    CheckSelection(entry, directory[(i + 1) % count]);
  }
  // Shared bytes, pair by pair, for directories small enough to compare so.
  std::uint32_t first = 0, second = 0;
  const bool found = FindSharedBytes(directory.get(), count, &first, &second);
  FUZZ_CHECK(found == (layout == LayoutResult::SharedBytes));
  if (found) FUZZ_CHECK(first < second && second < count && Share(directory[first], directory[second]));
  if (count <= 64) {
    bool any = false;
    for (std::uint32_t i = 0; i < count; ++i) {
      for (std::uint32_t j = i + 1; j < count; ++j) any = any || Share(directory[i], directory[j]);
    }
    FUZZ_CHECK(any == found);
  }
  static const ArchiveEntry kZero = {};
  FUZZ_CHECK(std::memcmp(&directory[count], &kZero, sizeof kZero) == 0);
  return 0;
}
