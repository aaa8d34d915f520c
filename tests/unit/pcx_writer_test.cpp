#include "tools/pcx_writer.h"

#include <gtest/gtest.h>

#include "base/byte_order.h"
#include "tests/support/picture_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Palette TestPalette() {
  Palette p;
  for (int i = 0; i < kPaletteSize; ++i) {
    p[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                      static_cast<std::uint8_t>(i * 7)};
  }
  return p;
}

RgbImage Expected(int width, int height, const Bytes& pixels, const Palette& palette) {
  RgbImage image{width, height, {}};
  for (std::uint8_t i : pixels) image.rgb.insert(image.rgb.end(), {palette[i].r, palette[i].g, palette[i].b});
  return image;
}

// An odd width, a run longer than 63 of an index of 0xC0 and above, high and
// low indexes side by side, and every index.
TEST(PcxWriter, DecodersReadBackWhatItWrites) {
  constexpr int kWidth = 201;
  Bytes pixels(kWidth, 0xC8);
  for (int x = 0; x < kWidth; ++x) pixels.push_back(static_cast<std::uint8_t>(x % 2 ? 0xC0 : 0x3F));
  for (int x = 0; x < kWidth; ++x) pixels.push_back(static_cast<std::uint8_t>(x * 5));
  const Palette palette = TestPalette();
  const Bytes file = EncodePcx(kWidth, 3, pixels, palette);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{10, 5, 1, 8}));
  EXPECT_EQ(GetLe16(file.data() + 66), 202) << "an even number of bytes per line";
  EXPECT_EQ(file[file.size() - 769], 12);
  const RgbImage expected = Expected(kWidth, 3, pixels, palette);
  const GuardedDecode ours = DecodeGuarded(file);
  ASSERT_EQ(ours.result, PcxResult::Ok);
  EXPECT_EQ(BlockImage(ours.block), expected);
  if (!HaveTool("pcxtoppm")) GTEST_SKIP() << "netpbm's pcxtoppm is not installed";
  ScratchFolder folder;
  EXPECT_EQ(NetpbmDecode(folder, file), expected);
}

TEST(PcxWriter, RunsEndWithTheLine) {
  const Bytes file = EncodePcx(10, 2, Bytes(20, 5), TestPalette());
  EXPECT_EQ(Bytes(file.begin() + 128, file.end() - 769), (Bytes{0xCA, 5, 0xCA, 5}));
}

}  // namespace
