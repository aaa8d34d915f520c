#include "archive/archive_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "archive/archive_key.h"

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
  return bytes;
}

void XorByByte(std::uint8_t* region, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) region[i] ^= ArchiveKey[i % kArchiveKeySize];
}

std::uint32_t SumByByte(const std::uint8_t* region, std::size_t size) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < size; ++i) sum += static_cast<std::uint32_t>(region[i]) << (8 * (i % 4));
  return sum;
}

// Word loops against the byte rules at every alignment, for short lengths and
// around the key's 1024-byte wrap.
TEST(ArchiveTransform, WordLoopsMatchTheByteRules) {
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n <= 64; ++n) lengths.push_back(n);
  for (std::size_t n = 1019; n <= 1030; ++n) lengths.push_back(n);
  lengths.push_back(3 * 1024 + 3);
  for (std::size_t length : lengths) {
    for (std::size_t align = 0; align < 4; ++align) {
      const std::vector<std::uint8_t> original = Pattern(length + align);
      std::vector<std::uint8_t> expected = original;
      XorByByte(expected.data() + align, length);

      std::vector<std::uint8_t> a = original;
      ArchiveXor(a.data() + align, length);
      EXPECT_EQ(a, expected) << length << " at " << align;
      EXPECT_EQ(ArchiveChecksum(original.data() + align, length), SumByByte(original.data() + align, length));

      std::vector<std::uint8_t> b = original;
      EXPECT_EQ(ArchiveXorChecksum(b.data() + align, length), SumByByte(expected.data() + align, length));
      EXPECT_EQ(b, expected);
      EXPECT_EQ(ArchiveXoredChecksum(original.data() + align, length), SumByByte(expected.data() + align, length))
          << "read-only " << length << " at " << align;

      ArchiveXor(a.data() + align, length);
      EXPECT_EQ(a, original);
    }
  }
}

TEST(ArchiveTransform, ChecksumOfShortRegions) {
  const std::uint8_t abc[] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(ArchiveChecksum(abc, 0), 0u);
  EXPECT_EQ(ArchiveChecksum(abc, 1), 0x61u);
  EXPECT_EQ(ArchiveChecksum(abc, 2), 0x6261u);
  EXPECT_EQ(ArchiveChecksum(abc, 3), 0x00636261u);
  const std::uint8_t wraps[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0};
  EXPECT_EQ(ArchiveChecksum(wraps, 8), 1u);
}

ArchiveEntry Entry(const char* name, const char* creator, const char* type) {
  ArchiveEntry entry{};
  std::memcpy(entry.name, name, std::min(std::strlen(name), kEntryNameSize));
  std::memcpy(entry.creator, creator, 4);
  std::memcpy(entry.type, type, 4);
  return entry;
}

ArchiveSelection Selection(std::uint32_t creatorMask, const char* creator, std::uint32_t typeMask, const char* type,
                           const char* prefix) {
  ArchiveSelection s{};
  s.creatorMask = creatorMask;
  s.creatorValue = CodeWord(creator) & creatorMask;
  s.typeMask = typeMask;
  s.typeValue = CodeWord(type) & typeMask;
  std::strncpy(s.namePrefix, prefix, kEntryNameSize);
  return s;
}

TEST(ArchiveSelection, MasksAndNamePrefix) {
  const std::string name32(32, 'q');
  const ArchiveEntry entry = Entry("vexo Level 01", "Vexo", "cl01");
  const ArchiveEntry full = Entry(name32.c_str(), "Vexo", "cl01");
  struct Case {
    const ArchiveEntry& entry;
    ArchiveSelection selection;
    bool selected;
  } cases[] = {
      {entry, Selection(~0u, "Vexo", ~0u, "cl01", ""), true},
      {entry, Selection(~0u, "Vexx", ~0u, "cl01", ""), false},
      {entry, Selection(0x0000FFFF, "Vezz", ~0u, "cl01", ""), true},
      {entry, Selection(~0u, "Vexo", ~0u, "ml01", ""), false},
      {entry, Selection(~0u, "Vexo", 0, "zzzz", ""), true},
      {entry, Selection(~0u, "Vexo", 0, "zzzz", "ve"), true},
      {entry, Selection(~0u, "Vexo", 0, "zzzz", "VE"), false},
      {full, Selection(~0u, "Vexo", 0, "zzzz", name32.c_str()), true},
      {full, Selection(~0u, "Vexo", 0, "zzzz", (name32.substr(0, 31) + "r").c_str()), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsSelected(c.entry, c.selection), c.selected) << c.selection.namePrefix;
}

std::string FileName(const std::string& name) {
  char field[kEntryNameSize] = {};
  std::memcpy(field, name.data(), std::min(name.size(), kEntryNameSize));
  char out[kEntryFileNameSize];
  EntryFileName(field, out);
  return out;
}

TEST(EntryFileName, ReplacesWhatWindowsForbids) {
  EXPECT_EQ(FileName("a:b/c"), "a_b_c.pdb");
  EXPECT_EQ(FileName("*?|><\\/:"), "________.pdb");
  const std::string full(32, 'x');
  EXPECT_EQ(FileName(full).size(), 36u);
  for (int c = 1; c < 0x20; ++c) EXPECT_EQ(FileName(std::string(1, static_cast<char>(c)) + "z"), "_z.pdb") << c;
  EXPECT_EQ(FileName("\x80\xE9\xFF"), "\x80\xE9\xFF.pdb");
}

}  // namespace
