#include "tools/language_flags.h"

#include <algorithm>
#include <cmath>

#include "tools/tile_painter.h"

namespace {

constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

void VerticalThirds(TilePainter& t, Rgb left, Rgb middle, Rgb right) {
  const int third = t.Width() / 3;
  t.Rectangle(0, 0, third, t.Height(), left);
  t.Rectangle(third, 0, t.Width() - 2 * third, t.Height(), middle);
  t.Rectangle(t.Width() - third, 0, third, t.Height(), right);
}

void HorizontalBands(TilePainter& t, Rgb top, Rgb middle, Rgb bottom, int edge) {
  t.Rectangle(0, 0, t.Width(), edge, top);
  t.Rectangle(0, edge, t.Width(), t.Height() - 2 * edge, middle);
  t.Rectangle(0, t.Height() - edge, t.Width(), edge, bottom);
}

// A band of `half` thickness either side of the line between two corners.
void Diagonal(TilePainter& t, Point from, Point to, double half, Rgb c) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double scale = half / std::hypot(dx, dy);
  const double nx = -dy * scale;
  const double ny = dx * scale;
  t.Polygon({{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}},
            c);
}

// The thicknesses are those of a flag 64 pixels high, scaled to this one.
void UnionFlag(TilePainter& t) {
  constexpr Rgb kBlue{0x01, 0x21, 0x69};
  constexpr Rgb kRed{0xC8, 0x10, 0x2E};
  const double w = t.Width();
  const double h = t.Height();
  const double unit = h / 64.0;
  const auto band = [&](double thickness) { return std::max(1, static_cast<int>(thickness * unit + 0.5)); };
  t.Rectangle(0, 0, t.Width(), t.Height(), kBlue);
  Diagonal(t, {0, 0}, {w, h}, 7 * unit, kWhite);
  Diagonal(t, {w, 0}, {0, h}, 7 * unit, kWhite);
  Diagonal(t, {0, 0}, {w, h}, 2.5 * unit, kRed);
  Diagonal(t, {w, 0}, {0, h}, 2.5 * unit, kRed);
  const int white = band(18), red = band(10);
  t.Rectangle(0, (t.Height() - white) / 2, t.Width(), white, kWhite);
  t.Rectangle((t.Width() - white) / 2, 0, white, t.Height(), kWhite);
  t.Rectangle(0, (t.Height() - red) / 2, t.Width(), red, kRed);
  t.Rectangle((t.Width() - red) / 2, 0, red, t.Height(), kRed);
}

void DrawFlag(TilePainter& t, Language language) {
  switch (language) {
    case Language::UK:
      UnionFlag(t);
      break;
    case Language::FR:
      VerticalThirds(t, {0x00, 0x55, 0xA4}, kWhite, {0xEF, 0x41, 0x35});
      break;
    case Language::GE:
      HorizontalBands(t, {0x00, 0x00, 0x00}, {0xDD, 0x00, 0x00}, {0xFF, 0xCE, 0x00}, t.Height() / 3);
      break;
    case Language::IT:
      VerticalThirds(t, {0x00, 0x92, 0x46}, kWhite, {0xCE, 0x2B, 0x37});
      break;
    case Language::SP:
      HorizontalBands(t, {0xAA, 0x15, 0x1B}, {0xF1, 0xBF, 0x00}, {0xAA, 0x15, 0x1B}, t.Height() / 4);
      break;
  }
}

const char* Code(Language language) {
  switch (language) {
    case Language::UK:
      return "UK";
    case Language::FR:
      return "FR";
    case Language::GE:
      return "GE";
    case Language::IT:
      return "IT";
    case Language::SP:
      return "SP";
  }
  return "";
}

}  // namespace

void DrawLanguagePicture(IndexedCanvas& canvas, Rect tile, Language language) {
  constexpr Rgb kTile{0xDC, 0xE4, 0xF6};
  constexpr Rgb kTileEdge{0x5A, 0x64, 0xA8};
  constexpr Rgb kInk{0x16, 0x1A, 0x38};
  constexpr int kCodeScale = 3;
  canvas.FillRoundRect(tile, 5, kTileEdge);
  canvas.FillRoundRect({tile.x + 1, tile.y + 1, tile.w - 2, tile.h - 2}, 4, kTile);
  const int flagHeight = tile.h - 6;
  const int flagWidth = flagHeight * 3 / 2;
  const int gap = 10;
  const int codeWidth = TextWidth(Code(language), kCodeScale);
  const int left = tile.x + (tile.w - flagWidth - gap - codeWidth) / 2;
  const Rect flag{left, tile.y + 3, flagWidth, flagHeight};
  canvas.FillRect({flag.x - 1, flag.y - 1, flag.w + 2, flag.h + 2}, kInk);
  {
    TilePainter t(canvas, flag);
    DrawFlag(t, language);
  }
  const int codeTop = tile.y + (tile.h - kCapHeight * kCodeScale) / 2;
  DrawText(canvas, flag.x + flag.w + gap, codeTop, Code(language), kCodeScale, kInk);
}
