#include "base/message_lookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/byte_order.h"
#include "base/message_table.h"
#include "base/message_texts.h"

namespace {

TEST(MessageTable, ResourceLayout) {
  const std::vector<std::uint8_t> table = BuildMessageTable(kMessageTableTexts);
  ASSERT_EQ(table.size(), 887u);
  EXPECT_EQ(GetLe32(table.data()), 22u);
  EXPECT_EQ(GetLe32(table.data() + 8), 180u) << "first text right after the 22 pairs";
  for (std::size_t i = 0; i < 21; ++i) {
    const std::uint8_t* pair = table.data() + 4 + 8 * i;
    EXPECT_EQ(GetLe32(pair), kMessageTableTexts[i].id);
    EXPECT_STREQ(reinterpret_cast<const char*>(table.data() + GetLe32(pair + 4)), kMessageTableTexts[i].text);
  }
  EXPECT_EQ(GetLe32(table.data() + 4 + 8 * 21), 0u);
  EXPECT_EQ(GetLe32(table.data() + 8 + 8 * 21), 0u);
  EXPECT_EQ(kMessageTableTexts[7].id, 0x20000106u) << "the pairs keep their unsorted order";
}

struct Lookup : ::testing::Test {
  std::vector<std::uint8_t> table = BuildMessageTable(kMessageTableTexts);
  char buffer[kMessageBufferSize];

  std::string Text(MessageSources sources, ErrorCode code) {
    LookupMessageInto(sources, code, buffer, sizeof buffer);
    return buffer;
  }
  MessageSources Loaded(SystemTextSource system = nullptr) { return {{table.data(), table.size()}, system}; }
};

bool AccessDeniedOnly(ErrorCode code, char* buffer, std::size_t size) {
  if (code != 5) return false;
  std::strncpy(buffer, "Access denied.\r\n", size);
  return true;
}

bool EveryCode(ErrorCode, char* buffer, std::size_t size) {
  std::strncpy(buffer, "system", size);
  return true;
}

TEST_F(Lookup, TableTexts) {
  EXPECT_EQ(Text(Loaded(), 0x20000101), "Attempted to read beyond the end of the file");
  EXPECT_EQ(Text(Loaded(), 0x20000115), "Error # has occured!");
  EXPECT_EQ(Text(Loaded(), 0x2000010E), "Error writing registry value");
}

TEST_F(Lookup, OwnCodeInNeitherTableShowsHexadecimal) {
  EXPECT_EQ(Text(Loaded(EveryCode), 0x20000116), "Error 20000116 has occured!")
      << "own codes never ask the system";
  EXPECT_EQ(Text({}, 0x20000101), "Error 20000101 has occured!") << "before the table is loaded";
}

TEST_F(Lookup, SystemCodes) {
  EXPECT_EQ(Text(Loaded(AccessDeniedOnly), 5), "Access denied.\r\n");
  EXPECT_EQ(Text(Loaded(AccessDeniedOnly), 1234), "Error 1234 has occured!");
  EXPECT_EQ(Text(Loaded(AccessDeniedOnly), 0xFFFF), "Error 65535 has occured!");
  EXPECT_EQ(Text(Loaded(AccessDeniedOnly), 0x10000), "Error 10000 has occured!");
  EXPECT_EQ(Text(Loaded(), 5), "Error 5 has occured!");
}

TEST_F(Lookup, BuiltInMessagesAreFoundWithoutTheTable) {
  ASSERT_NE(FindBuiltInMessage(0x20000120), nullptr);
  EXPECT_STREQ(FindBuiltInMessage(0x20000120), "Resource message data missing.");
  EXPECT_STREQ(FindBuiltInMessage(0x20000129), "Application has been 'cancelled'.");
  EXPECT_EQ(FindBuiltInMessage(0x20000101), nullptr);
  EXPECT_EQ(Text(Loaded(), 0x20000120), "Error 20000120 has occured!") << "the table step does not hold them";
}

TEST_F(Lookup, DamagedTableNeverReadsPastItsEnd) {
  // Every truncation: a text that loses its terminator, or a pair list that loses
  // its end pair, makes the lookup fall back instead of reading on.
  for (std::size_t size = 0; size < table.size(); ++size) {
    std::vector<std::uint8_t> cut(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(size));
    std::string text = Text({{cut.data(), cut.size()}, nullptr}, 0x20000115);
    if (size >= 887) continue;
    EXPECT_TRUE(text == "Error # has occured!" || text == "Error 20000115 has occured!") << size;
  }
  std::vector<std::uint8_t> bad = table;
  SetLe32(bad.data() + 8, 5000);  // first text offset beyond the image
  EXPECT_EQ(Text({{bad.data(), bad.size()}, nullptr}, 0x20000101), "Error 20000101 has occured!");
}

TEST_F(Lookup, LongSystemTextIsCutToTheBuffer) {
  auto longText = [](ErrorCode, char* out, std::size_t size) {
    std::memset(out, 'x', size - 1);
    out[size - 1] = 0;
    return true;
  };
  EXPECT_EQ(Text(Loaded(longText), 3).size(), kMessageBufferSize - 1);
}

}  // namespace
