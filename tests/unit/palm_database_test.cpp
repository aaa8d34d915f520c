#include "palm/palm_database.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "palm/palm_writer.h"

namespace {

std::vector<std::uint8_t> Build(std::string name, std::vector<std::size_t> recordSizes) {
  PalmDatabaseContents c{std::move(name), {'c', 'l', '0', '3'}, {'V', 'e', 'x', 'o'}, 0xBC68B318, 0xBC72619C, {}};
  for (std::size_t i = 0; i < recordSizes.size(); ++i) c.records.emplace_back(recordSizes[i], 0x40 + i);
  std::vector<std::uint8_t> bytes;
  return BuildPalmDatabase(c, &bytes) ? bytes : std::vector<std::uint8_t>{};
}

PalmCheck Check(const std::vector<std::uint8_t>& bytes, std::size_t size) {
  std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[size]);
  std::memcpy(exact.get(), bytes.data(), size);
  return CheckPalmDatabase(exact.get(), size);
}

void SetBe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

TEST(PalmDatabase, WriterAndReaderAgree) {
  const std::vector<std::uint8_t> bytes = Build("Vexo Level 03 Colour", {5, 0, 4097});
  PalmDatabaseHeader h;
  ASSERT_TRUE(ReadPalmHeader(bytes.data(), bytes.size(), &h));
  EXPECT_STREQ(h.name, "Vexo Level 03 Colour");
  EXPECT_EQ(std::string(h.type, 4) + std::string(h.creator, 4), "cl03Vexo");
  EXPECT_EQ(h.creationDate, 0xBC68B318u);
  EXPECT_EQ(h.modificationDate, 0xBC72619Cu);
  EXPECT_EQ(h.modificationNumber | h.appInfoOffset | h.sortInfoOffset | h.uniqueIdSeed | h.nextRecordList, 0u);
  ASSERT_EQ(h.recordCount, 3);
  const std::uint32_t offsets[] = {78 + 24 + 2, 78 + 24 + 2 + 5, 78 + 24 + 2 + 5};
  for (std::size_t i = 0; i < 3; ++i) {
    PalmRecordEntry entry;
    ASSERT_TRUE(ReadPalmRecordEntry(bytes.data(), bytes.size(), i, &entry));
    EXPECT_EQ(entry.dataOffset, offsets[i]);
    EXPECT_EQ(entry.uniqueId, i + 1);
  }
  std::vector<std::uint8_t> data(5, 0x40);
  data.resize(5 + 4097, 0x42);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + offsets[0], bytes.end()), data);
  PalmRecordEntry beyond;
  EXPECT_FALSE(ReadPalmRecordEntry(bytes.data(), 78 + 2 * 8 + 7, 2, &beyond));
}

TEST(PalmDatabase, WriterRefusesWhatDoesNotFit) {
  EXPECT_EQ(Check(Build(std::string(32, 'n'), {1}), 78 + 8 + 2 + 1), PalmCheck::Valid);
  EXPECT_TRUE(Build(std::string(33, 'n'), {1}).empty());
  EXPECT_TRUE(Build("", {1}).empty());
  EXPECT_TRUE(Build(std::string("a\0b", 3), {1}).empty());
  EXPECT_TRUE(Build("many", std::vector<std::size_t>(0x10000, 0)).empty());
}

// A truncated database is refused for the first thing that no longer fits.
TEST(PalmDatabase, EveryTruncation) {
  const std::vector<std::uint8_t> bytes = Build("Vexo", {30, 20});
  for (std::size_t size = 0; size <= bytes.size(); ++size) {
    const PalmCheck expected = size < 78                  ? PalmCheck::TooShort
                               : size < 78 + 16           ? PalmCheck::RecordListPastEnd
                               : size < bytes.size() - 20 ? PalmCheck::RecordOutsideFile
                                                          : PalmCheck::Valid;
    EXPECT_EQ(Check(bytes, size), expected) << size;
  }
}

TEST(PalmDatabase, CheckFaults) {
  const std::vector<std::uint8_t> good = Build("Vexo", {30, 20, 10});
  const std::uint32_t listEnd = 78 + 3 * 8, size = static_cast<std::uint32_t>(good.size());
  const struct {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    PalmCheck expected;
  } cases[] = {
      {"empty name", 0, 0x00657850, PalmCheck::EmptyName},
      {"record list past the end", 74, 0x00001003, PalmCheck::RecordListPastEnd},
      {"record inside the record list", 78, listEnd - 1, PalmCheck::RecordOutsideFile},
      {"record past the end", 94, size + 1, PalmCheck::RecordOutsideFile},
      {"descending records", 86, listEnd + 1, PalmCheck::RecordsOutOfOrder},
      {"empty last record at the very end", 94, size, PalmCheck::Valid},
      {"empty first record", 86, listEnd + 2, PalmCheck::Valid},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bytes = good;
    SetBe32(bytes, c.at, c.value);
    EXPECT_EQ(Check(bytes, bytes.size()), c.expected) << c.what;
  }
}

// Zero-only fields and the creator decide; every other byte may hold anything.
TEST(GameDatabaseHeader, EachByteOfTheFirst72) {
  const std::vector<std::uint8_t> good = Build("Vexo Data Mono", {100});
  auto mustBeZero = [](std::size_t at) { return (at >= 48 && at < 60) || (at >= 68 && at < 72); };
  for (std::size_t at = 0; at < kGameHeaderSize; ++at) {
    for (std::uint8_t value : {0x00, 0xFF}) {
      std::vector<std::uint8_t> bytes(good.begin(), good.begin() + kGameHeaderSize);
      bytes[at] = value;
      const bool isCreator = at >= 64 && at < 68;
      const bool expected = !(at == 0 && value == 0) && !(mustBeZero(at) && value != 0) &&
                            !(isCreator && value != good[at]);
      EXPECT_EQ(IsGameDatabaseHeader(bytes.data(), bytes.size()), expected) << at << " = " << int{value};
    }
  }
  for (std::size_t date : {36, 40}) {
    std::vector<std::uint8_t> bytes = good;
    SetBe32(bytes, date, 0);
    EXPECT_FALSE(IsGameDatabaseHeader(bytes.data(), bytes.size())) << date;
  }
  std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[kGameHeaderSize - 1]);
  std::memcpy(exact.get(), good.data(), kGameHeaderSize - 1);
  EXPECT_FALSE(IsGameDatabaseHeader(exact.get(), kGameHeaderSize - 1));
}

}  // namespace
