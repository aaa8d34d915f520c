#include "tools/language_flags.h"

#include <cmath>

#include "tools/tile_painter.h"

namespace {

constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kLetterOutline{0x10, 0x10, 0x18};

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

void UnionFlag(TilePainter& t) {
  constexpr Rgb kBlue{0x01, 0x21, 0x69};
  constexpr Rgb kRed{0xC8, 0x10, 0x2E};
  const double w = t.Width();
  const double h = t.Height();
  t.Rectangle(0, 0, t.Width(), t.Height(), kBlue);
  Diagonal(t, {0, 0}, {w, h}, 7, kWhite);
  Diagonal(t, {w, 0}, {0, h}, 7, kWhite);
  Diagonal(t, {0, 0}, {w, h}, 2.5, kRed);
  Diagonal(t, {w, 0}, {0, h}, 2.5, kRed);
  t.Rectangle(0, t.Height() / 2 - 9, t.Width(), 18, kWhite);
  t.Rectangle(t.Width() / 2 - 9, 0, 18, t.Height(), kWhite);
  t.Rectangle(0, t.Height() / 2 - 5, t.Width(), 10, kRed);
  t.Rectangle(t.Width() / 2 - 5, 0, 10, t.Height(), kRed);
}

}  // namespace

void DrawLanguagePicture(IndexedCanvas& canvas, Rect area, Language language) {
  TilePainter t(canvas, area);
  const char* letters = "";
  switch (language) {
    case Language::UK:
      UnionFlag(t);
      letters = "UK";
      break;
    case Language::FR:
      VerticalThirds(t, {0x00, 0x55, 0xA4}, kWhite, {0xEF, 0x41, 0x35});
      letters = "FR";
      break;
    case Language::GE:
      HorizontalBands(t, {0x00, 0x00, 0x00}, {0xDD, 0x00, 0x00}, {0xFF, 0xCE, 0x00}, t.Height() / 3);
      letters = "GE";
      break;
    case Language::IT:
      VerticalThirds(t, {0x00, 0x92, 0x46}, kWhite, {0xCE, 0x2B, 0x37});
      letters = "IT";
      break;
    case Language::SP:
      HorizontalBands(t, {0xAA, 0x15, 0x1B}, {0xF1, 0xBF, 0x00}, {0xAA, 0x15, 0x1B}, t.Height() / 4);
      letters = "SP";
      break;
  }
  t.CentredText(t.Width() / 2.0, t.Height() / 2.0, letters, 4, kWhite, kLetterOutline, 2);
}
