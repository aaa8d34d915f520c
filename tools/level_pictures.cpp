#include "tools/level_pictures.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "tools/tile_painter.h"

namespace {

constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kBadge{0x1C, 0x22, 0x4E};
constexpr int kSkySteps = 12;

void Meadow(TilePainter& t) {
  t.Gradient(0, 94, {0x4E, 0xA8, 0xE8}, {0xCD, 0xEB, 0xFF}, kSkySteps);
  t.Circle(26, 24, 13, {0xFF, 0xD2, 0x3F});
  t.Ellipse(22, 104, 64, 42, {0x5C, 0xB8, 0x3C});
  t.Ellipse(84, 110, 62, 40, {0x2E, 0x8B, 0x3A});
  for (int i = 0; i < 6; ++i) t.Circle(12 + i * 13, 78 + (i % 2) * 7, 2.5, i % 3 ? kWhite : Rgb{0xE8, 0x3A, 0x4A});
}

void Desert(TilePainter& t) {
  t.Gradient(0, 66, {0xF0, 0x8A, 0x3A}, {0xFF, 0xE3, 0xA0}, kSkySteps);
  t.Circle(72, 22, 14, {0xFF, 0xF4, 0xC8});
  t.Rectangle(0, 66, 94, 28, {0xE0, 0xB0, 0x60});
  t.Polygon({{6, 68}, {38, 26}, {70, 68}}, {0xD8, 0xA4, 0x50});
  t.Polygon({{38, 26}, {70, 68}, {46, 68}}, {0xA8, 0x74, 0x34});
  t.Polygon({{56, 68}, {76, 44}, {96, 68}}, {0xD8, 0xA4, 0x50});
  t.Polygon({{76, 44}, {96, 68}, {82, 68}}, {0xA8, 0x74, 0x34});
}

void Ocean(TilePainter& t) {
  t.Gradient(0, 60, {0x6A, 0xBC, 0xF4}, {0xE8, 0xF6, 0xFF}, kSkySteps);
  t.Rectangle(0, 60, 94, 34, {0x1F, 0x5F, 0xAF});
  for (int x = 0; x <= 96; x += 12) t.Circle(x, 62, 5, {0x3F, 0x84, 0xD0});
  for (int x = 6; x <= 96; x += 12) t.Circle(x, 78, 5, {0x3F, 0x84, 0xD0});
  t.Polygon({{20, 52}, {66, 52}, {58, 62}, {28, 62}}, {0x7A, 0x44, 0x22});
  t.Rectangle(42, 14, 3, 38, {0x5A, 0x30, 0x18});
  t.Polygon({{46, 14}, {46, 48}, {72, 48}}, kWhite);
  t.Polygon({{41, 22}, {41, 48}, {24, 48}}, {0xF0, 0xE0, 0xC0});
}

void Ice(TilePainter& t) {
  t.Gradient(0, 72, {0x8A, 0xCC, 0xEC}, {0xF4, 0xFC, 0xFF}, kSkySteps);
  t.Rectangle(0, 72, 94, 22, {0x2A, 0x6F, 0x9F});
  t.Polygon({{4, 74}, {18, 38}, {30, 46}, {46, 16}, {64, 48}, {78, 38}, {92, 74}}, {0xEE, 0xF8, 0xFF});
  t.Polygon({{46, 16}, {64, 48}, {78, 38}, {92, 74}, {52, 74}}, {0xA0, 0xD0, 0xEC});
  for (int i = 0; i < 7; ++i) t.Circle(8 + i * 13, 8 + (i * 17) % 26, 1.8, kWhite);
}

void Volcano(TilePainter& t) {
  t.Gradient(0, 94, {0x3A, 0x0A, 0x10}, {0xD8, 0x58, 0x2A}, kSkySteps);
  t.Polygon({{2, 96}, {36, 36}, {58, 36}, {92, 96}}, {0x4A, 0x30, 0x26});
  t.Ellipse(47, 36, 12, 4, {0xFF, 0x6A, 0x10});
  t.Polygon({{42, 36}, {52, 36}, {48, 60}, {54, 96}, {40, 96}, {44, 60}}, {0xFF, 0x6A, 0x10});
  for (int i = 0; i < 5; ++i) t.Circle(30 + i * 9, 24 - (i % 2) * 10, 4 - i % 2, {0xFF, 0xC2, 0x30});
}

void Forest(TilePainter& t) {
  t.Gradient(0, 80, {0x8F, 0xCF, 0xB0}, {0xE8, 0xF8, 0xE0}, kSkySteps);
  t.Rectangle(0, 80, 94, 14, {0x3D, 0x7A, 0x2E});
  for (int i = 0; i < 4; ++i) {
    const double x = 12 + i * 23;
    const double base = 80 - (i % 2) * 6;
    t.Rectangle(static_cast<int>(x) - 2, static_cast<int>(base), 5, 8, {0x6B, 0x42, 0x26});
    for (int tier = 0; tier < 3; ++tier) {
      const double bottom = base - tier * 15;
      t.Polygon({{x - 13 + tier * 2, bottom}, {x, bottom - 24}, {x + 13 - tier * 2, bottom}}, {0x1B, 0x6B, 0x3A});
    }
  }
}

void NightCity(TilePainter& t) {
  t.Gradient(0, 94, {0x0C, 0x0C, 0x30}, {0x4A, 0x2A, 0x70}, kSkySteps);
  t.Circle(72, 20, 10, {0xF6, 0xF0, 0xC8});
  constexpr int kHeights[] = {44, 62, 36, 70, 50, 40};
  for (int i = 0; i < 6; ++i) {
    const int x = i * 16 - 2;
    const int top = 94 - kHeights[i];
    t.Rectangle(x, top, 14, kHeights[i], i % 2 ? Rgb{0x2C, 0x2C, 0x50} : Rgb{0x1E, 0x1E, 0x3A});
    for (int wy = top + 4; wy < 90; wy += 7) {
      for (int wx = 0; wx < 2; ++wx) {
        if ((i * 7 + wy + wx * 3) % 5 != 0) t.Rectangle(x + 3 + wx * 5, wy, 3, 4, {0xFF, 0xE0, 0x70});
      }
    }
  }
}

void Space(TilePainter& t) {
  t.Gradient(0, 94, {0x02, 0x02, 0x10}, {0x1E, 0x0A, 0x40}, kSkySteps);
  std::uint32_t seed = 9;
  for (int i = 0; i < 24; ++i) {
    seed = seed * 1103515245u + 12345u;
    t.Rectangle(static_cast<int>(seed >> 8) % 94, static_cast<int>(seed >> 20) % 94, 1, 1, kWhite);
  }
  t.Circle(32, 40, 24, {0xC0, 0x60, 0x3A});
  t.Circle(24, 32, 6, {0x98, 0x48, 0x2A});
  t.Circle(40, 52, 4, {0x98, 0x48, 0x2A});
  t.Polygon({{66, 16}, {74, 30}, {74, 58}, {58, 58}, {58, 30}}, {0xE8, 0xE8, 0xF0});
  t.Polygon({{58, 46}, {50, 62}, {58, 58}}, {0xD0, 0x30, 0x30});
  t.Polygon({{74, 46}, {82, 62}, {74, 58}}, {0xD0, 0x30, 0x30});
  t.Polygon({{60, 58}, {72, 58}, {66, 72}}, {0xFF, 0xA0, 0x20});
  t.Circle(66, 36, 4, {0x3A, 0x8A, 0xD0});
}

void Castle(TilePainter& t) {
  constexpr Rgb kStone{0x8A, 0x8A, 0x96};
  t.Gradient(0, 94, {0x6A, 0x3A, 0x8A}, {0xF0, 0xA0, 0xB0}, kSkySteps);
  t.Ellipse(47, 100, 70, 20, {0x4A, 0x6A, 0x38});
  t.Rectangle(20, 44, 54, 40, kStone);
  t.Rectangle(8, 30, 18, 56, {0x72, 0x72, 0x80});
  t.Rectangle(68, 30, 18, 56, {0x72, 0x72, 0x80});
  for (int x = 8; x < 86; x += 6) t.Rectangle(x, x < 26 || x >= 68 ? 26 : 40, 4, 4, kStone);
  t.Circle(47, 66, 9, {0x3A, 0x26, 0x1A});
  t.Rectangle(38, 66, 19, 18, {0x3A, 0x26, 0x1A});
  t.Rectangle(16, 10, 2, 20, {0x3A, 0x26, 0x1A});
  t.Polygon({{18, 10}, {32, 15}, {18, 20}}, {0xD0, 0x20, 0x30});
}

using Scene = void (*)(TilePainter&);
constexpr Scene kScenes[kLevelCount] = {Meadow, Desert, Ocean, Ice, Volcano, Forest, NightCity, Space, Castle};

}  // namespace

void DrawLevelPicture(IndexedCanvas& canvas, Rect area, int level) {
  if (level < 1 || level > kLevelCount) throw std::out_of_range("no such level");
  TilePainter t(canvas, area);
  kScenes[level - 1](t);
  const double cx = t.Width() - 19;
  const double cy = t.Height() - 19;
  t.Circle(cx, cy, 16, kWhite);
  t.Circle(cx, cy, 14, kBadge);
  t.CentredText(cx, cy, std::to_string(level), 3, kWhite, kBadge, 0);
}
