#include "base/number_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Decimal(std::int32_t value, std::uint32_t options) {
  char text[kDecimalTextSize];
  std::size_t length = FormatDecimal(value, options, text, sizeof text);
  EXPECT_EQ(length, std::string(text).size());
  return text;
}

std::string Hex(std::uint32_t value) {
  char text[kHexTextSize];
  FormatHex(value, text, sizeof text);
  return text;
}

TEST(FormatDecimal, Plain) {
  EXPECT_EQ(Decimal(0, 0), "0");
  EXPECT_EQ(Decimal(7, 0), "7");
  EXPECT_EQ(Decimal(-5, 0), "-5");
  EXPECT_EQ(Decimal(1234, 0), "1234");
  EXPECT_EQ(Decimal(INT32_MAX, 0), "2147483647");
  EXPECT_EQ(Decimal(INT32_MIN, 0), "-2147483648");
}

TEST(FormatDecimal, Grouping) {
  EXPECT_EQ(Decimal(1234567, kDecimalGrouping), "1,234,567");
  EXPECT_EQ(Decimal(999, kDecimalGrouping), "999");
  EXPECT_EQ(Decimal(1000, kDecimalGrouping), "1,000");
  EXPECT_EQ(Decimal(0, kDecimalGrouping), "0");
  EXPECT_EQ(Decimal(-1234567, kDecimalGrouping), "-1,234,567");
  EXPECT_EQ(Decimal(INT32_MIN, kDecimalGrouping), "-2,147,483,648");
}

TEST(FormatDecimal, UnsignedCountsPastTwoGigabytes) {
  char text[kDecimalTextSize];
  EXPECT_EQ(FormatUnsignedDecimal(2147483648u, kDecimalGrouping, text, sizeof text), 13u);
  EXPECT_STREQ(text, "2,147,483,648");
  FormatUnsignedDecimal(0xFFFFFFFFu, 0, text, sizeof text);
  EXPECT_STREQ(text, "4294967295");
  FormatUnsignedDecimal(0, kDecimalGrouping, text, sizeof text);
  EXPECT_STREQ(text, "0");
}

TEST(FormatDecimal, ZeroFillWritesTwentyDigits) {
  EXPECT_EQ(Decimal(7, kDecimalZeroFill), std::string(19, '0') + "7");
  EXPECT_EQ(Decimal(7, kDecimalZeroFill).substr(16), "0007");
  EXPECT_EQ(Decimal(-5, kDecimalZeroFill), "-" + std::string(19, '0') + "5");
  EXPECT_EQ(Decimal(1, kDecimalZeroFill | kDecimalGrouping), "00,000,000,000,000,000,001")
      << "commas fall between the leading zeros too";
}

TEST(FormatDecimal, RefusesASmallDestination) {
  char small[kDecimalTextSize - 1] = {'x'};
  EXPECT_EQ(FormatDecimal(1, 0, small, sizeof small), 0u);
  EXPECT_EQ(small[0], 'x');
}

TEST(FormatHex, DigitsWithoutLeadingZeros) {
  EXPECT_EQ(Hex(0), "0");
  EXPECT_EQ(Hex(0xA), "A");
  EXPECT_EQ(Hex(0x20000116), "20000116");
  EXPECT_EQ(Hex(0xFFFFFFFF), "FFFFFFFF");
  EXPECT_EQ(Hex(0x10000), "10000");
}

}  // namespace
