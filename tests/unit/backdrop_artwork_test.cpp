// The shipped artwork resources/backdrop.pcx against the main window's rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

#include "base/byte_order.h"
#include "tests/support/picture_test_support.h"
#include "tools/backdrop_art.h"
#include "tools/pcx_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes& ArtworkFile() {
  static const Bytes file = ReadBytes(std::string(VEXO_SOURCE_DIR) + "/resources/backdrop.pcx");
  return file;
}

const RgbImage& Artwork() {
  static const RgbImage image = [] {
    const GuardedDecode d = DecodeGuarded(ArtworkFile());
    return d.result == PcxResult::Ok ? BlockImage(d.block) : RgbImage{};
  }();
  return image;
}

struct Area {
  int x, y, w, h;
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// Where the main window's controls stand on the picture.
const Area kLevelPictures[] = {{227, 164, 94, 94}, {345, 165, 94, 94}, {463, 165, 94, 94},
                               {581, 166, 94, 94}, {699, 165, 94, 94}, {227, 280, 94, 94},
                               {345, 279, 94, 94}, {463, 280, 94, 94}, {581, 280, 94, 94}};
const Area kLanguagePictures[] = {
    {227, 405, 94, 64}, {345, 406, 94, 64}, {463, 405, 94, 64}, {581, 405, 94, 64}, {699, 405, 94, 64}};
const Area kLabels[] = {{236, 408, 229, 17}, {236, 426, 229, 17}, {556, 408, 229, 17}, {556, 426, 229, 17}};
const Area kLevelBoxes[] = {{212, 167, 13, 13}, {328, 167, 13, 13}, {448, 167, 13, 13},
                            {566, 167, 13, 13}, {684, 167, 13, 13}, {212, 282, 13, 13},
                            {330, 282, 13, 13}, {448, 281, 13, 13}, {566, 282, 13, 13}};
const Area kButtons[] = {{229, 548, 101, 53}, {364, 548, 101, 53}};
// The language boxes and the three state holders, which the player never sees.
const Area kHiddenControls[] = {{267, 472, 13, 13},  {386, 472, 13, 13},  {504, 472, 13, 13},
                                {622, 472, 13, 13},  {739, 472, 13, 13},  {484, 548, 129, 17},
                                {484, 564, 129, 17}, {484, 580, 129, 17}};
constexpr int kBelowLabels = 444;

std::vector<std::uint32_t> Crop(const Area& a) {
  std::vector<std::uint32_t> pixels;
  for (int y = a.y; y < a.y + a.h; ++y) {
    for (int x = a.x; x < a.x + a.w; ++x) pixels.push_back(Artwork().At(x, y));
  }
  return pixels;
}

std::set<std::uint32_t> ColoursIn(const Area& a) {
  const std::vector<std::uint32_t> pixels = Crop(a);
  return {pixels.begin(), pixels.end()};
}

// The part of a language picture that the labels leave uncovered.
Area Uncovered(const Area& language) {
  return {language.x, kBelowLabels, language.w, language.y + language.h - kBelowLabels};
}

TEST(Artwork, HeaderFields) {
  const Bytes& f = ArtworkFile();
  ASSERT_GT(f.size(), 128u + 769u);
  EXPECT_EQ(Bytes(f.begin(), f.begin() + 4), (Bytes{10, 5, 1, 8}));
  const std::uint16_t fields[][2] = {{4, 0}, {6, 0}, {8, 1023}, {10, 767}, {12, 72}, {14, 72}, {66, 1024}};
  for (const auto& [offset, value] : fields) EXPECT_EQ(GetLe16(f.data() + offset), value) << "offset " << offset;
  EXPECT_EQ(f[65], 1) << "planes";
  EXPECT_EQ(f[f.size() - 769], 12) << "palette marker";
}

TEST(Artwork, IsWhatMakeBackdropDraws) {
  const IndexedCanvas art = DrawBackdrop();
  EXPECT_TRUE(EncodePcx(art.Width(), art.Height(), art.Pixels(), art.Colours()) == ArtworkFile())
      << "resources/backdrop.pcx is stale: cmake --build build/host --target backdrop";
}

TEST(Artwork, DecodesLikeNetpbm) {
  ASSERT_EQ(Artwork().width, 1024);
  ASSERT_EQ(Artwork().height, 768);
  if (!HaveTool("pcxtoppm")) GTEST_SKIP() << "netpbm's pcxtoppm is not installed";
  ScratchFolder folder;
  EXPECT_TRUE(NetpbmDecode(folder, ArtworkFile()) == Artwork());
}

// The ring just outside each level's area is one colour found nowhere inside
// it, so the picture starts and ends exactly on the area's edges.
TEST(Artwork, LevelPicturesSitExactlyOnTheirAreas) {
  ASSERT_EQ(Artwork().width, 1024);
  for (const Area& a : kLevelPictures) {
    const std::uint32_t ring = Artwork().At(a.x - 1, a.y - 1);
    for (int x = a.x - 1; x <= a.x + a.w; ++x) {
      EXPECT_EQ(Artwork().At(x, a.y - 1), ring) << "above " << a.x << "," << a.y;
      EXPECT_EQ(Artwork().At(x, a.y + a.h), ring) << "below " << a.x << "," << a.y;
    }
    for (int y = a.y; y < a.y + a.h; ++y) {
      EXPECT_EQ(Artwork().At(a.x - 1, y), ring) << "left of " << a.x << "," << a.y;
      EXPECT_EQ(Artwork().At(a.x + a.w, y), ring) << "right of " << a.x << "," << a.y;
    }
    const std::set<std::uint32_t> colours = ColoursIn(a);
    EXPECT_EQ(colours.count(ring), 0u) << "area " << a.x << "," << a.y;
    EXPECT_GE(colours.size(), 4u) << "area " << a.x << "," << a.y << " holds a picture";
  }
}

// The labels cover the top of the language pictures, so each language's flag
// and code stand in the strip below them, and no two languages look alike
// there; the level scenes differ above their number badges.
TEST(Artwork, EveryPictureShowsItself) {
  ASSERT_EQ(Artwork().width, 1024);
  for (std::size_t i = 0; i < std::size(kLanguagePictures); ++i) {
    Area strip = Uncovered(kLanguagePictures[i]);
    EXPECT_GE(strip.h, 24) << "language " << i;
    EXPECT_GE(ColoursIn(strip).size(), 5u) << "language " << i << " shows a flag and its code";
    for (std::size_t j = i + 1; j < std::size(kLanguagePictures); ++j) {
      Area other = Uncovered(kLanguagePictures[j]);
      other.h = strip.h = std::min(strip.h, other.h);
      EXPECT_NE(Crop(strip), Crop(other)) << "languages " << i << " and " << j;
    }
  }
  for (std::size_t i = 0; i < std::size(kLevelPictures); ++i) {
    for (std::size_t j = i + 1; j < std::size(kLevelPictures); ++j) {
      Area a = kLevelPictures[i], b = kLevelPictures[j];
      a.h = b.h = 47;
      EXPECT_NE(Crop(a), Crop(b)) << "levels " << i + 1 << " and " << j + 1;
    }
  }
}

// Every visible control but the transparent picture areas stands on a plain
// spot of its own background colour: labels on the light panel (0xF8F8F8),
// level boxes on black, the buttons on dark red (0x800000).
TEST(Artwork, ControlsStandOnTheirOwnBackground) {
  ASSERT_EQ(Artwork().width, 1024);
  struct Spot {
    const Area* areas;
    std::size_t count;
    std::uint32_t rgb;
  };
  const Spot spots[] = {{kLabels, std::size(kLabels), 0xF8F8F8},
                        {kLevelBoxes, std::size(kLevelBoxes), 0x000000},
                        {kButtons, std::size(kButtons), 0x800000}};
  for (const Spot& spot : spots) {
    for (std::size_t i = 0; i < spot.count; ++i) {
      const Area& a = spot.areas[i];
      EXPECT_EQ(ColoursIn(a), (std::set<std::uint32_t>{spot.rgb})) << "control at " << a.x << "," << a.y;
    }
  }
}

// Where a hidden control sits, and two pixels around it, the picture is one
// plain colour other than the control's own black: nothing there suggests a
// box or button the player cannot use.
TEST(Artwork, HiddenControlsLeaveNoTrace) {
  ASSERT_EQ(Artwork().width, 1024);
  for (const Area& a : kHiddenControls) {
    const std::set<std::uint32_t> colours = ColoursIn({a.x - 2, a.y - 2, a.w + 4, a.h + 4});
    EXPECT_EQ(colours.size(), 1u) << "control at " << a.x << "," << a.y;
    EXPECT_EQ(colours.count(0x000000), 0u) << "control at " << a.x << "," << a.y;
  }
}

}  // namespace
