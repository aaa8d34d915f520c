#include "installer/component_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The row FindComponentRow gives, or -1.
int Row(const char* type, const char* name, std::size_t nameSize = 32) {
  std::size_t index = 99;
  const ComponentRow* row = FindComponentRow(type, name, nameSize, &index);
  if (row == nullptr) return -1;
  EXPECT_EQ(row, &ComponentTable[index]);
  return static_cast<int>(index);
}

TEST(FindComponentRow, SuffixesTypesAndWildcards) {
  EXPECT_EQ(Row("lang", "Vexo Language SP"), 4);
  EXPECT_EQ(Row("lang", "SP"), 4) << "the whole name may be the suffix";
  EXPECT_EQ(Row("cl03", "anything at all"), 7);
  EXPECT_EQ(Row("ml09", "x"), 24);
  EXPECT_EQ(Row("appl", "Vexo Zantor"), 15);
  EXPECT_EQ(Row("appl", "Vexo b/w"), 26);
  EXPECT_EQ(Row("cdat", ""), 14) << "an empty suffix takes any name, the empty one too";
}

TEST(FindComponentRow, Misses) {
  EXPECT_EQ(Row("lang", "SP Vexo Language"), -1) << "a name that only begins with SP";
  EXPECT_EQ(Row("lang", "P"), -1) << "a name shorter than the suffix";
  EXPECT_EQ(Row("appl", "Vexo B/W"), -1) << "suffixes compare with case";
  EXPECT_EQ(Row("appl", "Vexo Zantor "), -1);
  EXPECT_EQ(Row("Lang", "Vexo Language UK"), -1);
  EXPECT_EQ(Row("cl10", "Vexo Level 10 Colour"), -1);
}

// A name of 32 characters has no terminator: what follows it is not part of it.
TEST(FindComponentRow, ThirtyTwoCharactersWithoutATerminator) {
  char bytes[40];
  std::memset(bytes, 'A', 32);
  std::memcpy(bytes + 32, "SP\0\0UK\0", 8);
  EXPECT_EQ(Row("lang", bytes), -1) << "the SP after the 32 bytes is not its suffix";
  std::memcpy(bytes + 30, "UK", 2);
  EXPECT_EQ(Row("lang", bytes), 0);
  EXPECT_EQ(Row("lang", bytes, 31), -1) << "only nameSize bytes are looked at";
}

}  // namespace
