// The shipped artwork resources/backdrop.pcx against the main window's rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "installer/main_window_rows.h"
#include "shell/byte_order.h"
#include "tests/unit/picture_test_support.h"
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

std::vector<Area> AreasOf(std::uint16_t kind) {
  std::vector<Area> areas;
  for (const ControlDescriptor* row = MainWindowRows; row->id != kEndOfDescriptors; ++row) {
    if (row->kind == kind) areas.push_back({row->x, row->y, row->width, row->height});
  }
  return areas;
}

std::vector<std::uint32_t> Crop(const Area& a) {
  std::vector<std::uint32_t> pixels;
  for (int y = a.y; y < a.y + a.h; ++y) {
    for (int x = a.x; x < a.x + a.w; ++x) pixels.push_back(Artwork().At(x, y));
  }
  return pixels;
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

// The ring just outside each area is one colour found nowhere inside it, so the
// picture starts and ends exactly on the area's edges.
TEST(Artwork, PicturesSitExactlyOnTheirAreas) {
  ASSERT_EQ(Artwork().width, 1024);
  for (const Area& a : AreasOf(kPictureArea)) {
    const std::uint32_t ring = Artwork().At(a.x - 1, a.y - 1);
    for (int x = a.x - 1; x <= a.x + a.w; ++x) {
      EXPECT_EQ(Artwork().At(x, a.y - 1), ring) << "above " << a.x << "," << a.y;
      EXPECT_EQ(Artwork().At(x, a.y + a.h), ring) << "below " << a.x << "," << a.y;
    }
    for (int y = a.y; y < a.y + a.h; ++y) {
      EXPECT_EQ(Artwork().At(a.x - 1, y), ring) << "left of " << a.x << "," << a.y;
      EXPECT_EQ(Artwork().At(a.x + a.w, y), ring) << "right of " << a.x << "," << a.y;
    }
    const std::vector<std::uint32_t> inside = Crop(a);
    const std::set<std::uint32_t> colours(inside.begin(), inside.end());
    EXPECT_EQ(colours.count(ring), 0u) << "area " << a.x << "," << a.y;
    EXPECT_GE(colours.size(), 4u) << "area " << a.x << "," << a.y << " holds a picture";
  }
}

// Compared above the level number's badge, so each scene is its own.
TEST(Artwork, EveryPictureIsItsOwn) {
  ASSERT_EQ(Artwork().width, 1024);
  std::vector<Area> areas = AreasOf(kPictureArea);
  ASSERT_EQ(areas.size(), 14u);
  for (Area& a : areas) a.h /= 2;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    for (std::size_t j = i + 1; j < areas.size(); ++j) {
      if (areas[i].h == areas[j].h) {
        EXPECT_NE(Crop(areas[i]), Crop(areas[j])) << i << " and " << j;
      }
    }
  }
}

// Labels, buttons and check boxes stand on their own background colour, apart
// from where a label crosses a picture or its two-pixel frame.
TEST(Artwork, ControlsStandOnTheirOwnBackground) {
  ASSERT_EQ(Artwork().width, 1024);
  std::vector<Area> pictures = AreasOf(kPictureArea);
  for (Area& a : pictures) a = {a.x - 2, a.y - 2, a.w + 4, a.h + 4};
  for (const ControlDescriptor* row = MainWindowRows; row->id != kEndOfDescriptors; ++row) {
    if (row->kind == kWindowRow || row->kind == kPictureArea) continue;
    const std::uint32_t expected = ColourReference(row->background);
    const std::uint32_t rgb = ((expected & 0xFF) << 16) | (expected & 0xFF00) | (expected >> 16);
    int mismatches = 0;
    for (int y = row->y; y < row->y + row->height; ++y) {
      for (int x = row->x; x < row->x + row->width; ++x) {
        const bool onPicture = std::any_of(pictures.begin(), pictures.end(),
                                           [&](const Area& a) { return a.Contains(x, y); });
        mismatches += !onPicture && Artwork().At(x, y) != rgb;
      }
    }
    EXPECT_EQ(mismatches, 0) << "control 0x" << std::hex << row->id;
  }
}

}  // namespace
