// Draws into one picture area in coordinates relative to its top-left corner,
// clipped to the area, so each small picture is written as if it stood alone.
#pragma once

#include <string_view>
#include <vector>

#include "tools/indexed_canvas.h"
#include "tools/pixel_font.h"

class TilePainter {
 public:
  TilePainter(IndexedCanvas& canvas, Rect area) : canvas_(canvas), area_(area) { canvas_.SetClip(area); }
  ~TilePainter() { canvas_.ClearClip(); }
  TilePainter(const TilePainter&) = delete;
  TilePainter& operator=(const TilePainter&) = delete;

  int Width() const { return area_.w; }
  int Height() const { return area_.h; }

  void Rectangle(int x, int y, int w, int h, Rgb c) { canvas_.FillRect({area_.x + x, area_.y + y, w, h}, c); }
  void Gradient(int y, int h, Rgb top, Rgb bottom, int steps) {
    canvas_.FillVerticalGradient({area_.x, area_.y + y, area_.w, h}, top, bottom, steps);
  }
  void Ellipse(double x, double y, double rx, double ry, Rgb c) {
    canvas_.FillEllipse(area_.x + x, area_.y + y, rx, ry, c);
  }
  void Circle(double x, double y, double r, Rgb c) { Ellipse(x, y, r, r, c); }
  void Polygon(std::vector<Point> points, Rgb c) {
    for (Point& p : points) p = {area_.x + p.x, area_.y + p.y};
    canvas_.FillPolygon(points, c);
  }
  void CentredText(double x, double y, std::string_view text, int scale, Rgb ink, Rgb outline, int thickness) {
    const int left = area_.x + static_cast<int>(x) - TextWidth(text, scale) / 2;
    const int top = area_.y + static_cast<int>(y) - kCapHeight * scale / 2;
    DrawOutlinedText(canvas_, left, top, text, scale, ink, outline, thickness);
  }

 private:
  IndexedCanvas& canvas_;
  Rect area_;
};
