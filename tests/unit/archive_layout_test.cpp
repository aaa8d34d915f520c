#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "archive/archive_format.h"
#include "base/byte_order.h"

namespace {

// An archive described before the transform, so each test can break one thing.
struct Layout {
  std::uint32_t count;
  std::vector<ArchiveEntry> entries;
  std::array<std::uint8_t, kArchiveEntrySize> endRecord{};
  std::vector<std::uint8_t> data;

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    PutLe32(out, count);
    out.resize(4 + kArchiveEntrySize * (entries.size() + 1));
    for (std::size_t i = 0; i < entries.size(); ++i) EncodeEntry(entries[i], out.data() + 4 + kArchiveEntrySize * i);
    std::memcpy(out.data() + 4 + kArchiveEntrySize * entries.size(), endRecord.data(), kArchiveEntrySize);
    ArchiveXor(out.data() + 4, out.size() - 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
  }
};

// Entries of the given sizes end to end, filling the data area exactly.
Layout Packed(const std::vector<std::uint32_t>& sizes) {
  Layout layout{static_cast<std::uint32_t>(sizes.size()), {}, {}, {}};
  std::uint32_t offset = DataAreaStart(layout.count);
  for (std::uint32_t size : sizes) {
    layout.entries.push_back({kEntryMarker, offset, size, 0x12345678, "Vexo Level 01 Colour", {'V', 'e', 'x', 'o'},
                              {'c', 'l', '0', '1'}});
    offset += size;
  }
  layout.data.resize(offset - DataAreaStart(layout.count), 0xA5);
  return layout;
}

// Reads from a heap block of exactly `size` bytes, so a read past it is caught
// under AddressSanitizer.
LayoutResult Read(const std::vector<std::uint8_t>& bytes, std::size_t size) {
  std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[size]);
  std::memcpy(exact.get(), bytes.data(), size);
  static ArchiveEntry directory[kMaxArchiveEntries + 1];
  std::uint32_t count;
  return ReadArchiveDirectory(exact.get(), static_cast<std::uint32_t>(size), directory, &count);
}

LayoutResult Read(const Layout& layout) {
  const std::vector<std::uint8_t> bytes = layout.Bytes();
  return Read(bytes, bytes.size());
}

TEST(ArchiveLayout, AcceptsTheEdges) {
  const Layout emptyAtEnd = Packed({80, 0});
  Layout fullName = Packed({80});
  std::memset(fullName.entries[0].name, 'n', kEntryNameSize);
  EXPECT_EQ(Packed({76}).Bytes().size(), kMinArchiveSize);
  EXPECT_EQ(emptyAtEnd.entries[1].dataOffset, emptyAtEnd.Bytes().size());
  for (const Layout& layout : {Packed({76}), Packed(std::vector<std::uint32_t>(kMaxArchiveEntries, 1)), emptyAtEnd,
                               fullName}) {
    EXPECT_EQ(Read(layout), LayoutResult::Valid) << layout.count;
  }
}

TEST(ArchiveLayout, RefusesEveryFault) {
  const std::uint32_t d = DataAreaStart(1);
  const struct {
    const char* fault;
    std::vector<std::uint32_t> sizes;
    std::function<void(Layout&)> damage;
  } faults[] = {
      {"no entries", {200}, [](Layout& l) { l.count = 0; }},
      {"1001 entries", {60000}, [](Layout& l) { l.count = kMaxArchiveEntries + 1; }},
      {"one byte short of D + 76", {40, 35}, [](Layout&) {}},
      {"marker", {80}, [](Layout& l) { l.entries[0].marker = 0x93FD; }},
      {"offset D - 1", {80}, [d](Layout& l) { l.entries[0].dataOffset = d - 1; }},
      {"offset past the end", {80}, [d](Layout& l) { l.entries[0] = {kEntryMarker, d + 81, 0, 0, "x", {}, {}}; }},
      {"size past the end", {80}, [](Layout& l) { l.entries[0].dataSize = 81; }},
      {"offset + size wraps", {80}, [d](Layout& l) { l.entries[0].dataSize = 0xFFFFFFFFu - d + 2; }},
      {"empty name", {80}, [](Layout& l) { l.entries[0].name[0] = 0; }},
  };
  for (const auto& f : faults) {
    Layout layout = Packed(f.sizes);
    f.damage(layout);
    EXPECT_EQ(Read(layout), LayoutResult::NotAnArchive) << f.fault;
  }
  EXPECT_EQ(Read(Packed({76}).Bytes(), kMinArchiveSize - 1), LayoutResult::NotAnArchive);
}

// Verification transforms each entry in place: an entry whose data begins 40
// bytes into an earlier one would undo part of it after it was verified.
TEST(ArchiveLayout, DataSharedByTwoEntriesIsRefused) {
  const struct {
    const char* what;
    std::function<void(Layout&)> arrange;
    std::uint32_t first, second;  // 0, 0: no bytes are shared
  } cases[] = {
      {"third inside the first", [](Layout& l) { l.entries[2].dataOffset = l.entries[0].dataOffset + 40; }, 0, 2},
      {"the same bytes twice", [](Layout& l) { l.entries[1] = l.entries[0]; }, 0, 1},
      {"one byte into the next", [](Layout& l) { l.entries[0].dataSize += 1; }, 0, 1},
      {"from the first's last byte", [](Layout& l) { l.entries[2].dataOffset = l.entries[1].dataOffset - 1; }, 0, 2},
      {"end to end", [](Layout&) {}, 0, 0},
      {"empty entry inside another", [](Layout& l) {
         l.entries[1].dataOffset = l.entries[0].dataOffset + 3;
         l.entries[1].dataSize = 0;
       }, 0, 0},
      {"empty entries at one place", [](Layout& l) {
         l.entries[1] = l.entries[2] = l.entries[0];
         l.entries[1].dataSize = l.entries[2].dataSize = 0;
       }, 0, 0},
  };
  for (const auto& c : cases) {
    Layout layout = Packed({100, 50, 30});
    c.arrange(layout);
    const std::vector<std::uint8_t> bytes = layout.Bytes();
    ArchiveEntry directory[kMaxArchiveEntries + 1];
    std::uint32_t count = 0, first = 9, second = 9;
    const LayoutResult result = ReadArchiveDirectory(bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                                                     directory, &count);
    if (c.first == c.second) {
      EXPECT_EQ(result, LayoutResult::Valid) << c.what;
      continue;
    }
    EXPECT_NE(result, LayoutResult::Valid) << c.what;
    EXPECT_EQ(result, LayoutResult::SharedBytes) << c.what;
    ASSERT_EQ(count, 3u);
    ASSERT_TRUE(FindSharedBytes(directory, count, &first, &second)) << c.what;
    EXPECT_EQ(first, c.first) << c.what;
    EXPECT_EQ(second, c.second) << c.what;
  }
}

TEST(ArchiveLayout, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  const std::vector<std::uint8_t> bytes = Packed({90, 7, 33}).Bytes();
  for (std::size_t size = 0; size < bytes.size(); ++size) EXPECT_EQ(Read(bytes, size), LayoutResult::NotAnArchive);
  EXPECT_EQ(Read(bytes, bytes.size()), LayoutResult::Valid);
}

// A flipped byte breaks the layout in the count, a marker or the end record (each
// of its bytes); in a checksum, a name (flipping never makes a byte zero) or the
// data it does not.
TEST(ArchiveLayout, SingleByteCorruptions) {
  const std::vector<std::uint8_t> bytes = Packed({90, 7, 33}).Bytes();
  const std::size_t endRecord = 4 + kArchiveEntrySize * 3;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    std::vector<std::uint8_t> damaged = bytes;
    damaged[at] ^= 0xFF;
    const bool inData = at >= DataAreaStart(3);
    const std::size_t field = (at - 4) % kArchiveEntrySize;
    if (!inData && (at < 4 || at >= endRecord || field < 4)) {
      EXPECT_EQ(Read(damaged, damaged.size()), LayoutResult::NotAnArchive) << at;
    } else if (inData || field >= 12) {
      EXPECT_EQ(Read(damaged, damaged.size()), LayoutResult::Valid) << at;
    }
  }
}

}  // namespace
