#include "ui/control_descriptor.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlDescriptor, ColourValues) {
  EXPECT_EQ(ColourReference(0), 0xFFFFFFu);
  EXPECT_EQ(ColourReference(1), 0xC0C0C0u);
  EXPECT_EQ(ColourReference(2), 0xA0A0A0u);
  EXPECT_EQ(ColourReference(3), 0x808080u);
  EXPECT_EQ(ColourReference(4), 0x000000u);
  EXPECT_EQ(ColourReference(0x80000080), 0x000080u) << "red in the low byte";
  EXPECT_EQ(ColourReference(0x80F8F8F8), 0xF8F8F8u);
  EXPECT_TRUE(IsExplicitColour(0x80000000));
  EXPECT_FALSE(IsExplicitColour(kDefaultColour));
  EXPECT_FALSE(IsExplicitColour(kTransparentColour));
  EXPECT_FALSE(IsGreyLevel(5));
}

TEST(ControlDescriptor, FontHeightIsTheCharacterHeightInPixels) {
  EXPECT_EQ(DescriptorFontHeight(0x82, 96), -13);
  EXPECT_EQ(DescriptorFontHeight(0xC2, 120), -16);
  EXPECT_EQ(DescriptorFontHeight(0x8F, 72), -23) << "size 15 is 23 points";
  EXPECT_EQ(DescriptorFontHeight(0xE0, 90), -10) << "8 * 90 / 72 truncates";
}

}  // namespace
