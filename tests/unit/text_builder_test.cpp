#include "base/text_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextBuilder, AppendsAndCutsAtTheBufferEnd) {
  char buffer[8];
  TextBuilder b(buffer, sizeof buffer);
  b.Append("abc").Append("defgh");
  EXPECT_STREQ(buffer, "abcdefg");
  EXPECT_TRUE(b.Clipped());
  b.Append("z");
  EXPECT_STREQ(buffer, "abcdefg");
}

TEST(TextBuilder, AppendLeavingKeepsRoomAndMarksTheCut) {
  char buffer[16];
  TextBuilder b(buffer, sizeof buffer);
  b.Append("<").AppendLeaving("0123456789abcdef", 2).Append(">.");
  EXPECT_STREQ(buffer, "<012345678...>.");
  char fits[16];
  TextBuilder f(fits, sizeof fits);
  f.Append("<").AppendLeaving("0123", 2).Append(">.");
  EXPECT_STREQ(fits, "<0123>.");
  EXPECT_FALSE(f.Clipped());
}

TEST(CopyText, RefusesWhatDoesNotFit) {
  char buffer[4] = {'q', 'q', 'q', 'q'};
  EXPECT_FALSE(CopyText(buffer, sizeof buffer, "abcd"));
  EXPECT_EQ(buffer[0], 0);
  EXPECT_TRUE(CopyText(buffer, sizeof buffer, "abc"));
  EXPECT_STREQ(buffer, "abc");
}

}  // namespace
