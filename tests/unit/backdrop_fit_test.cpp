#include "ui/backdrop_fit.h"

#include <gtest/gtest.h>

namespace {

TEST(BackdropFit, DesktopsAsLargeAsThePictureCentreTheWindow) {
  BackdropFit fit = FitPicture(1024, 768, 1024, 768);
  EXPECT_EQ(fit.left, 0);
  EXPECT_EQ(fit.width, 1024);
  EXPECT_EQ(fit.originX, 0);
  EXPECT_EQ(fit.originY, 0);
  fit = FitPicture(1280, 1024, 1024, 768);
  EXPECT_EQ(fit.left, 128);
  EXPECT_EQ(fit.top, 128);
  EXPECT_EQ(fit.width, 1024);
  EXPECT_EQ(fit.height, 768);
  EXPECT_EQ(fit.originX, 0);
}

TEST(BackdropFit, SmallerDesktopsCutTheWindowAndCentreThePicture) {
  BackdropFit fit = FitPicture(800, 600, 1024, 768);
  EXPECT_EQ(fit.left, 0);
  EXPECT_EQ(fit.top, 0);
  EXPECT_EQ(fit.width, 800);
  EXPECT_EQ(fit.height, 600);
  EXPECT_EQ(fit.originX, -112);
  EXPECT_EQ(fit.originY, -84);
  fit = FitPicture(1023, 767, 1024, 768);
  EXPECT_EQ(fit.originX, -1) << "the floor of -1 / 2";
  EXPECT_EQ(fit.originY, -1);
}

}  // namespace
