// A 256-colour drawing surface with the few shapes the artwork is made of.
// Colours are given as RGB; the canvas keeps the palette.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/palette_builder.h"

struct Rect {
  int x, y, w, h;
};

struct Point {
  double x, y;
};

class IndexedCanvas {
 public:
  IndexedCanvas(int width, int height, Rgb background);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
  const Palette& Colours() const { return palette_.Colours(); }
  Rgb At(int x, int y) const;

  // Later drawing stays inside `clip` until ClearClip.
  void SetClip(Rect clip) { clip_ = clip; }
  void ClearClip() { clip_ = {0, 0, width_, height_}; }

  void FillRect(Rect r, Rgb c);
  void FrameRect(Rect r, int thickness, Rgb c);
  void FillVerticalGradient(Rect r, Rgb top, Rgb bottom, int steps);
  void FillRoundRect(Rect r, double radius, Rgb c);
  void FillEllipse(double cx, double cy, double rx, double ry, Rgb c);
  void FillCircle(double cx, double cy, double radius, Rgb c) { FillEllipse(cx, cy, radius, radius, c); }
  // Any simple polygon, filled by the even-odd rule at pixel centres.
  void FillPolygon(const std::vector<Point>& points, Rgb c);

 private:
  // Fills the pixels of row y whose centres lie in [left, right).
  void Span(int y, double left, double right, std::uint8_t ink);

  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  PaletteBuilder palette_;
  Rect clip_;
};
