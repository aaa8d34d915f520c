#include "ui/pcx_image.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "base/byte_order.h"
#include "tests/support/picture_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Frame {
  std::uint16_t xmin, ymin, xmax, ymax, bytesPerLine;
};

struct Colour {
  std::uint8_t r, g, b;
};

Colour TestColour(int i) {
  return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i ^ 0x5A), static_cast<std::uint8_t>(255 - i)};
}

Bytes Header(Frame f) {
  Bytes out(128, 0);
  out[0] = 10;
  out[1] = 5;
  out[2] = 1;
  out[3] = 8;
  out[65] = 1;
  for (auto [offset, value] : {std::pair{4, f.xmin}, {6, f.ymin}, {8, f.xmax}, {10, f.ymax}, {66, f.bytesPerLine}}) {
    out[offset] = static_cast<std::uint8_t>(value);
    out[offset + 1] = static_cast<std::uint8_t>(value >> 8);
  }
  return out;
}

Bytes Picture(Frame f, std::initializer_list<std::uint8_t> data, std::uint8_t marker = 12) {
  Bytes out = Header(f);
  out.insert(out.end(), data);
  out.push_back(marker);
  for (int i = 0; i < 256; ++i) {
    const Colour c = TestColour(i);
    out.insert(out.end(), {c.r, c.g, c.b});
  }
  return out;
}

// 7 x 3 from (2, 1), 9 bytes per line: literals, a literal of 0xC0 and above as
// a run of one, a run of zero, and a run crossing from line 1 into line 2.
Bytes Reference() {
  return Picture({2, 1, 8, 3, 9}, {0xC3, 5, 1, 2, 0xC1, 0xD0, 0xC2, 0x33, 0x3F,          // line 0
                                   0xC0, 0x44, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16,  // line 1
                                   0xC5, 0x20,                                            // 2 + 3 into line 2
                                   0x21, 0x22, 0x23, 0x24, 0x25, 0x26});
}

// Palette indexes of one picture line, from the bottom-up block.
Bytes Line(const Bytes& block, int line, int width, int height) {
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
  const auto row = block.begin() + kPcxPixelsOffset + static_cast<std::ptrdiff_t>((height - 1 - line) * stride);
  return Bytes(row, row + static_cast<std::ptrdiff_t>(stride));
}

std::uint32_t BlockSizeOf(const Bytes& picture, PcxResult expected) {
  std::uint32_t size = 0xDEAD;
  EXPECT_EQ(PcxBlockSize(picture.data(), static_cast<std::uint32_t>(picture.size()), &size), expected);
  return size;
}

TEST(PcxDecode, BlockHeadersPaletteAndColourTable) {
  const GuardedDecode d = DecodeGuarded(Reference());
  ASSERT_EQ(d.result, PcxResult::Ok);
  ASSERT_EQ(d.block.size(), 8u * 3 + 2092);
  const std::uint8_t* b = d.block.data();
  EXPECT_EQ(GetLe16(b), 0x300);
  EXPECT_EQ(GetLe16(b + 2), 256);
  const std::uint8_t* info = b + 1028;
  const std::uint32_t expected[] = {40, 7, 3};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(GetLe32(info + 4 * i), expected[i]) << "field " << i;
  EXPECT_EQ(GetLe16(info + 12), 1);
  EXPECT_EQ(GetLe16(info + 14), 8);
  const std::uint32_t rest[] = {0, 0, 520, 520, 256, 256};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(GetLe32(info + 16 + 4 * i), rest[i]) << "field at " << 16 + 4 * i;
  for (int i = 0; i < 256; ++i) {
    const Colour c = TestColour(i);
    EXPECT_EQ(Bytes(b + 4 + 4 * i, b + 8 + 4 * i), (Bytes{c.r, c.g, c.b, 0})) << "palette entry " << i;
    EXPECT_EQ(Bytes(b + 1068 + 4 * i, b + 1072 + 4 * i), (Bytes{c.b, c.g, c.r, 0})) << "colour " << i;
  }
}

TEST(PcxDecode, LinesGoBottomUpWithoutTheirPadding) {
  const GuardedDecode d = DecodeGuarded(Reference());
  ASSERT_EQ(d.result, PcxResult::Ok);
  EXPECT_EQ(Line(d.block, 0, 7, 3), (Bytes{5, 5, 5, 1, 2, 0xD0, 0x33, 0})) << "the top line is the last row";
  EXPECT_EQ(Line(d.block, 1, 7, 3), (Bytes{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0}));
  EXPECT_EQ(Line(d.block, 2, 7, 3), (Bytes{0x20, 0x20, 0x20, 0x21, 0x22, 0x23, 0x24, 0})) << "carried run";
}

TEST(PcxDecode, PaletteFollowsThePixelData) {
  const GuardedDecode rest = DecodeGuarded(Picture({0, 0, 1, 0, 2}, {0xC5, 9}));
  ASSERT_EQ(rest.result, PcxResult::Ok);
  EXPECT_EQ(Line(rest.block, 0, 2, 1), (Bytes{9, 9, 0, 0})) << "the run's rest is dropped";
  EXPECT_EQ(rest.block[4 + 4 * 7], TestColour(7).r);
  Bytes trailing = Picture({0, 0, 1, 0, 2}, {1, 2});
  trailing.insert(trailing.end(), {0xEE, 0xEE, 0xEE});
  const GuardedDecode d = DecodeGuarded(trailing);
  ASSERT_EQ(d.result, PcxResult::Ok);
  EXPECT_EQ(d.block[4 + 4 * 255 + 2], TestColour(255).b) << "bytes after the palette are not read";
}

TEST(PcxDecode, ShortLinesLeaveTheRestZero) {
  const GuardedDecode d = DecodeGuarded(Picture({0, 0, 4, 1, 2}, {1, 2, 3, 4}));
  ASSERT_EQ(d.result, PcxResult::Ok);
  EXPECT_EQ(Line(d.block, 0, 5, 2), (Bytes{1, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Line(d.block, 1, 5, 2), (Bytes{3, 4, 0, 0, 0, 0, 0, 0}));
  const GuardedDecode none = DecodeGuarded(Picture({0, 0, 4, 1, 0}, {}));
  ASSERT_EQ(none.result, PcxResult::Ok);
  EXPECT_EQ(Line(none.block, 0, 5, 2), Bytes(8, 0));
  EXPECT_EQ(none.block[4 + 4 * 200], TestColour(200).r);
}

TEST(PcxDecode, SizesFromTheHeader) {
  EXPECT_EQ(BlockSizeOf(Header({5, 0, 0, 0, 0}), PcxResult::Ok), 65532u + 2092) << "16-bit wrap";
  EXPECT_EQ(BlockSizeOf(Header({0, 0, 4095, 16382, 4096}), PcxResult::Ok), 4096u * 16383 + 2092);
  BlockSizeOf(Header({0, 0, 4095, 16383, 4096}), PcxResult::TooLarge);
  BlockSizeOf(Header({0, 0, 0xFFFE, 0xFFFE, 0xFFFF}), PcxResult::TooLarge);
  BlockSizeOf(Header({1, 0, 0, 9, 1}), PcxResult::Empty);
  BlockSizeOf(Header({0, 0x8000, 9, 0x7FFF, 10}), PcxResult::Empty);
  BlockSizeOf(Bytes(127, 0), PcxResult::Truncated);
  for (const Bytes& refused : {Header({0, 0, 0xFFFE, 0xFFFE, 1}), Header({0, 0, 0xFFFF, 3, 1})}) {
    const GuardedDecode d = DecodeGuarded(refused);
    EXPECT_NE(d.result, PcxResult::Ok);
    EXPECT_TRUE(d.guardsIntact);
  }
}

TEST(PcxDecode, SmallBlockIsRefusedUntouched) {
  const Bytes picture = Reference();
  Bytes block(8 * 3 + 2091, 0x77);
  EXPECT_EQ(DecodePcx(picture.data(), static_cast<std::uint32_t>(picture.size()), block.data(),
                      static_cast<std::uint32_t>(block.size())),
            PcxResult::BlockTooSmall);
  EXPECT_EQ(block, Bytes(block.size(), 0x77));
}

TEST(PcxDecode, EarlyEndsAreTruncated) {
  Bytes runWithoutValue = Header({0, 0, 3, 0, 4});
  runWithoutValue.insert(runWithoutValue.end(), {1, 2, 0xC2});
  Bytes noPalette = Header({0, 0, 3, 0, 4});
  noPalette.insert(noPalette.end(), {1, 2, 3, 4, 12});
  Bytes shortPalette = Picture({0, 0, 3, 0, 4}, {1, 2, 3, 4});
  shortPalette.pop_back();
  for (const Bytes& picture : {runWithoutValue, noPalette, shortPalette}) {
    const GuardedDecode d = DecodeGuarded(picture);
    EXPECT_EQ(d.result, PcxResult::Truncated);
    EXPECT_TRUE(d.guardsIntact);
  }
  EXPECT_EQ(DecodeGuarded(Picture({0, 0, 3, 0, 4}, {1, 2, 3, 4}, 0x00)).result, PcxResult::Ok)
      << "the marker's value is not checked";
}

TEST(PcxDecode, EveryTruncationIsRefusedInBounds) {
  const Bytes picture = Reference();
  for (std::size_t n = 0; n < picture.size(); ++n) {
    const GuardedDecode d = DecodeGuarded(Bytes(picture.begin(), picture.begin() + static_cast<std::ptrdiff_t>(n)));
    EXPECT_EQ(d.result, PcxResult::Truncated) << n << " bytes";
    EXPECT_TRUE(d.guardsIntact) << n << " bytes";
  }
}

TEST(PcxDecode, EverySingleByteCorruptionStaysInBounds) {
  const Bytes picture = Reference();
  const GuardedDecode reference = DecodeGuarded(picture);
  const std::size_t marker = picture.size() - 769;
  const auto ignored = [&](std::size_t i) {
    return i < 4 || (i >= 12 && i < 66) || (i >= 68 && i < 128) || i == marker;
  };
  for (std::size_t i = 0; i < picture.size(); ++i) {
    for (int value = 0; value < 256; ++value) {
      if (value == picture[i]) continue;
      Bytes corrupt = picture;
      corrupt[i] = static_cast<std::uint8_t>(value);
      const GuardedDecode d = DecodeGuarded(corrupt);
      ASSERT_TRUE(d.guardsIntact) << "byte " << i << " = " << value;
      if (ignored(i)) {
        ASSERT_EQ(d.block, reference.block) << "byte " << i << " is not read";
      } else if (i > marker) {
        ASSERT_EQ(d.result, PcxResult::Ok);
        std::size_t changed = 0;
        for (std::size_t k = 0; k < d.block.size(); ++k) changed += d.block[k] != reference.block[k];
        ASSERT_EQ(changed, 2u) << "palette byte " << i << " is one palette and one colour table byte";
      }
    }
  }
}

TEST(PcxDecode, MatchesPicturesNetpbmEncodes) {
  if (!HaveTool("ppmtopcx")) GTEST_SKIP() << "netpbm's ppmtopcx is not installed";
  ScratchFolder folder;
  for (auto [width, height] : {std::pair{1, 1}, {37, 5}, {2, 9}, {255, 3}}) {
    RgbImage source{width, height, {}};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int k = y == 0 ? 77 : (x * 7 + y * 13) % 200;  // a long run on the first line
        source.rgb.insert(source.rgb.end(), {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k * 3),
                                             static_cast<std::uint8_t>(255 - k)});
      }
    }
    WritePpm(folder.File("in.ppm"), source);
    ASSERT_TRUE(RunShell("ppmtopcx -8bit -xpos 300 -ypos 7 " + folder.File("in.ppm") + " > " + folder.File("out.pcx") +
                    " 2>/dev/null"));
    const GuardedDecode d = DecodeGuarded(ReadBytes(folder.File("out.pcx")));
    ASSERT_EQ(d.result, PcxResult::Ok) << width << " x " << height;
    EXPECT_EQ(BlockImage(d.block), source) << width << " x " << height;
  }
}

}  // namespace
