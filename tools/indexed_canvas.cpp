#include "tools/indexed_canvas.h"

#include <algorithm>
#include <cmath>

IndexedCanvas::IndexedCanvas(int width, int height, Rgb background)
    : width_(width), height_(height), clip_{0, 0, width, height} {
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), palette_.Index(background));
}

Rgb IndexedCanvas::At(int x, int y) const {
  return Colours()[pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                           static_cast<std::size_t>(x)]];
}

void IndexedCanvas::Span(int y, double left, double right, std::uint8_t ink) {
  const int top = std::max(0, clip_.y);
  const int bottom = std::min(height_, clip_.y + clip_.h);
  if (y < top || y >= bottom) return;
  const int x0 = std::max({0, clip_.x, static_cast<int>(std::ceil(left - 0.5))});
  const int x1 = std::min({width_, clip_.x + clip_.w, static_cast<int>(std::ceil(right - 0.5))});
  if (x0 >= x1) return;
  auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
  std::fill(row + x0, row + x1, ink);
}

void IndexedCanvas::FillRect(Rect r, Rgb c) {
  const std::uint8_t ink = palette_.Index(c);
  for (int y = r.y; y < r.y + r.h; ++y) Span(y, r.x, r.x + r.w, ink);
}

void IndexedCanvas::FrameRect(Rect r, int thickness, Rgb c) {
  FillRect({r.x, r.y, r.w, thickness}, c);
  FillRect({r.x, r.y + r.h - thickness, r.w, thickness}, c);
  FillRect({r.x, r.y, thickness, r.h}, c);
  FillRect({r.x + r.w - thickness, r.y, thickness, r.h}, c);
}

void IndexedCanvas::FillVerticalGradient(Rect r, Rgb top, Rgb bottom, int steps) {
  for (int y = r.y; y < r.y + r.h; ++y) {
    const int step = (y - r.y) * steps / r.h;
    Span(y, r.x, r.x + r.w, palette_.Index(Mix(top, bottom, step, steps)));
  }
}

void IndexedCanvas::FillRoundRect(Rect r, double radius, Rgb c) {
  const std::uint8_t ink = palette_.Index(c);
  for (int y = r.y; y < r.y + r.h; ++y) {
    const double centre = y + 0.5;
    const double fromEdge = std::min(centre - r.y, r.y + r.h - centre);
    double inset = 0;
    if (fromEdge < radius) {
      const double d = radius - fromEdge;
      inset = radius - std::sqrt(radius * radius - d * d);
    }
    Span(y, r.x + inset, r.x + r.w - inset, ink);
  }
}

void IndexedCanvas::FillEllipse(double cx, double cy, double rx, double ry, Rgb c) {
  const std::uint8_t ink = palette_.Index(c);
  for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    if (dy * dy >= 1) continue;
    const double half = rx * std::sqrt(1 - dy * dy);
    Span(y, cx - half, cx + half, ink);
  }
}

void IndexedCanvas::FillPolygon(const std::vector<Point>& points, Rgb c) {
  const std::uint8_t ink = palette_.Index(c);
  auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                         [](const Point& a, const Point& b) { return a.y < b.y; });
  std::vector<double> crossings;
  for (int y = static_cast<int>(std::floor(low->y)); y < static_cast<int>(std::ceil(high->y)); ++y) {
    const double centre = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if ((a.y <= centre) != (b.y <= centre)) crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) Span(y, crossings[i], crossings[i + 1], ink);
  }
}
