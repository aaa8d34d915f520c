#include "archive/archive_format.h"

#include <algorithm>
#include <cstring>

#include "archive/archive_key.h"
#include "base/byte_order.h"

ArchiveEntry ArchiveDirectory[kMaxArchiveEntries + 1];

namespace {

constexpr std::size_t kKeyWords = kArchiveKeySize / 4;

// Native words: XOR is bytewise, so loading data and key the same way gives the
// byte rule's result on any byte order.
std::uint32_t LoadWord(const std::uint8_t* p) {
  std::uint32_t w;
  std::memcpy(&w, p, 4);
  return w;
}

void StoreWord(std::uint8_t* p, std::uint32_t w) { std::memcpy(p, &w, 4); }

// XORs word `i` of a key period in place with key word `i`.
void XorWord(std::uint8_t* period, std::size_t i) {
  StoreWord(period + 4 * i, LoadWord(period + 4 * i) ^ LoadWord(ArchiveKey + 4 * i));
}

// One whole key period each. The fixed count and the key read straight from its
// constant table (which no store can alias) let the compiler turn these loops
// into vector code; a loop over a run-time count with the key index wrapping
// stays scalar at half of memcpy's rate.
void XorPeriod(std::uint8_t* at) {
  for (std::size_t i = 0; i < kKeyWords; ++i) XorWord(at, i);
}

std::uint32_t SumPeriod(const std::uint8_t* at) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kKeyWords; ++i) sum += GetLe32(at + 4 * i);
  return sum;
}

std::uint32_t XorSumPeriod(std::uint8_t* at) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kKeyWords; ++i) {
    XorWord(at, i);
    sum += GetLe32(at + 4 * i);
  }
  return sum;
}

std::uint32_t XoredSumPeriod(const std::uint8_t* at) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kKeyWords; ++i) sum += GetLe32(at + 4 * i) ^ GetLe32(ArchiveKey + 4 * i);
  return sum;
}

// What follows the whole periods: under 1024 bytes, key index from 0.
void XorRest(std::uint8_t* at, std::size_t size) {
  const std::size_t words = size / 4;
  for (std::size_t i = 0; i < words; ++i) XorWord(at, i);
  for (std::size_t i = words * 4; i < size; ++i) at[i] ^= ArchiveKey[i];
}

std::uint32_t SumRest(const std::uint8_t* at, std::size_t size) {
  std::uint32_t sum = 0;
  const std::size_t words = size / 4;
  for (std::size_t i = 0; i < words; ++i) sum += GetLe32(at + 4 * i);
  for (std::size_t i = words * 4; i < size; ++i) sum += static_cast<std::uint32_t>(at[i]) << (8 * (i % 4));
  return sum;
}

// The directory and end record, restored out of the file.
std::uint8_t g_restored[kArchiveEntrySize * (kMaxArchiveEntries + 1)];

}  // namespace

void ArchiveXor(std::uint8_t* region, std::size_t size) {
  const std::size_t whole = size - size % kArchiveKeySize;
  for (std::size_t at = 0; at < whole; at += kArchiveKeySize) XorPeriod(region + at);
  XorRest(region + whole, size - whole);
}

std::uint32_t ArchiveChecksum(const std::uint8_t* region, std::size_t size) {
  const std::size_t whole = size - size % kArchiveKeySize;
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at < whole; at += kArchiveKeySize) sum += SumPeriod(region + at);
  return sum + SumRest(region + whole, size - whole);
}

std::uint32_t ArchiveXorChecksum(std::uint8_t* region, std::size_t size) {
  const std::size_t whole = size - size % kArchiveKeySize;
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at < whole; at += kArchiveKeySize) sum += XorSumPeriod(region + at);
  XorRest(region + whole, size - whole);
  return sum + SumRest(region + whole, size - whole);
}

std::uint32_t ArchiveXoredChecksum(const std::uint8_t* region, std::size_t size) {
  const std::size_t whole = size - size % kArchiveKeySize;
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at < whole; at += kArchiveKeySize) sum += XoredSumPeriod(region + at);
  const std::size_t rest = size - whole;
  for (std::size_t i = 0; i < rest; ++i) {
    sum += static_cast<std::uint32_t>(region[whole + i] ^ ArchiveKey[i]) << (8 * (i % 4));
  }
  return sum;
}

std::uint32_t CodeWord(const char code[4]) { return GetLe32(reinterpret_cast<const std::uint8_t*>(code)); }

void EncodeEntry(const ArchiveEntry& entry, std::uint8_t* record) {
  SetLe32(record, entry.marker);
  SetLe32(record + 4, entry.dataOffset);
  SetLe32(record + 8, entry.dataSize);
  SetLe32(record + 12, entry.checksum);
  std::memcpy(record + 16, entry.name, kEntryNameSize);
  std::memcpy(record + 48, entry.creator, 4);
  std::memcpy(record + 52, entry.type, 4);
}

ArchiveEntry DecodeEntry(const std::uint8_t* record) {
  ArchiveEntry entry;
  entry.marker = GetLe32(record);
  entry.dataOffset = GetLe32(record + 4);
  entry.dataSize = GetLe32(record + 8);
  entry.checksum = GetLe32(record + 12);
  std::memcpy(entry.name, record + 16, kEntryNameSize);
  std::memcpy(entry.creator, record + 48, 4);
  std::memcpy(entry.type, record + 52, 4);
  return entry;
}

LayoutResult ReadArchiveDirectory(const std::uint8_t* file, std::uint32_t size, ArchiveEntry* directory,
                                  std::uint32_t* count) {
  if (size < kMinArchiveSize) return LayoutResult::NotAnArchive;
  const std::uint32_t n = GetLe32(file);
  if (n == 0 || n > kMaxArchiveEntries) return LayoutResult::NotAnArchive;
  const std::uint32_t dataStart = DataAreaStart(n);
  if (size < dataStart || size - dataStart < kBytesAfterEndRecord) return LayoutResult::NotAnArchive;

  std::uint8_t* restored = g_restored;
  const std::size_t regionSize = kArchiveEntrySize * (n + 1);
  std::memcpy(restored, file + 4, regionSize);
  ArchiveXor(restored, regionSize);

  for (std::uint32_t i = 0; i <= n; ++i) directory[i] = DecodeEntry(restored + kArchiveEntrySize * i);
  for (std::uint32_t i = 0; i < n; ++i) {
    const ArchiveEntry& e = directory[i];
    if (e.marker != kEntryMarker || e.dataOffset < dataStart || e.dataOffset > size ||
        e.dataSize > size - e.dataOffset || e.name[0] == 0) {
      return LayoutResult::NotAnArchive;
    }
  }
  const std::uint8_t* end = restored + kArchiveEntrySize * n;
  for (std::size_t i = 0; i < kArchiveEntrySize; ++i) {
    if (end[i] != 0) return LayoutResult::NotAnArchive;
  }
  *count = n;
  std::uint32_t first, second;
  return FindSharedBytes(directory, n, &first, &second) ? LayoutResult::SharedBytes : LayoutResult::Valid;
}

std::uint64_t MissingArchiveBytes(const std::uint8_t* file, std::uint32_t size, bool* atLeast) {
  if (size < 4) return 0;
  const std::uint32_t n = GetLe32(file);
  if (n == 0 || n > kMaxArchiveEntries) return 0;
  const std::uint32_t dataStart = DataAreaStart(n);
  std::uint64_t needed = std::max(kMinArchiveSize, dataStart + kBytesAfterEndRecord);
  const std::uint32_t records = std::min<std::uint32_t>((size - 4) / kArchiveEntrySize, n + 1);
  std::memcpy(g_restored, file + 4, kArchiveEntrySize * records);
  ArchiveXor(g_restored, kArchiveEntrySize * records);
  for (std::uint32_t i = 0; i < records && i < n; ++i) {
    const ArchiveEntry e = DecodeEntry(g_restored + kArchiveEntrySize * i);
    if (e.marker != kEntryMarker || e.dataOffset < dataStart || e.name[0] == 0) return 0;
    needed = std::max<std::uint64_t>(needed, std::uint64_t{e.dataOffset} + e.dataSize);
  }
  if (records == n + 1) {
    const std::uint8_t* end = g_restored + kArchiveEntrySize * n;
    if (std::any_of(end, end + kArchiveEntrySize, [](std::uint8_t b) { return b != 0; })) return 0;
  }
  *atLeast = records < n + 1;
  return needed > size ? needed - size : 0;
}

bool FindSharedBytes(const ArchiveEntry* directory, std::uint32_t count, std::uint32_t* first,
                     std::uint32_t* second) {
  // Sorted by where their data begins, two entries that share a byte leave the
  // entry just after the earlier one sharing a byte with it too, so neighbours
  // are all that need comparing.
  static std::uint16_t order[kMaxArchiveEntries];
  std::uint32_t holding = 0;
  for (std::uint32_t i = 0; i < count && i < kMaxArchiveEntries; ++i) {
    if (directory[i].dataSize != 0) order[holding++] = static_cast<std::uint16_t>(i);
  }
  std::sort(order, order + holding, [directory](std::uint16_t a, std::uint16_t b) {
    return directory[a].dataOffset != directory[b].dataOffset ? directory[a].dataOffset < directory[b].dataOffset
                                                              : a < b;
  });
  for (std::uint32_t k = 1; k < holding; ++k) {
    const ArchiveEntry& before = directory[order[k - 1]];
    if (std::uint64_t{before.dataOffset} + before.dataSize > directory[order[k]].dataOffset) {
      *first = std::min(order[k - 1], order[k]);
      *second = std::max(order[k - 1], order[k]);
      return true;
    }
  }
  return false;
}

bool VerifyEntryData(const std::uint8_t* file, const ArchiveEntry& entry) {
  return ArchiveXoredChecksum(file + entry.dataOffset, entry.dataSize) == entry.checksum;
}

bool IsSelected(const ArchiveEntry& entry, const ArchiveSelection& selection) {
  if ((CodeWord(entry.creator) & selection.creatorMask) != selection.creatorValue) return false;
  if ((CodeWord(entry.type) & selection.typeMask) != selection.typeValue) return false;
  for (std::size_t i = 0; selection.namePrefix[i] != 0; ++i) {
    if (i >= kEntryNameSize || selection.namePrefix[i] != entry.name[i]) return false;
  }
  return true;
}

void EntryFileName(const char (&name)[kEntryNameSize], char (&out)[kEntryFileNameSize]) {
  static const char kForbidden[] = "*?|><\\/:";
  std::size_t length = 0;
  while (length < kEntryNameSize && name[length] != 0) {
    const unsigned char c = static_cast<unsigned char>(name[length]);
    out[length] = (c < 0x20 || std::strchr(kForbidden, c) != nullptr) ? '_' : name[length];
    ++length;
  }
  std::memcpy(out + length, ".pdb", 5);
}
