#include "tools/backdrop_decor.h"

#include <cstdint>
#include <string_view>

#include "tools/pixel_font.h"

namespace {

constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

bool Inside(Rect r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// A fixed sequence, so the stars land in the same places on every run.
class Lcg {
 public:
  int Below(int limit) {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(limit));
  }

 private:
  std::uint32_t state_ = 20030611u;
};

// Text whose colour runs from `top` to `bottom` in bands, over a dark outline.
void GradientText(IndexedCanvas& canvas, int left, int topY, std::string_view text, int scale, Rgb top,
                  Rgb bottom, int steps) {
  constexpr Rgb kOutline{0x2A, 0x12, 0x04};
  DrawOutlinedText(canvas, left + 4, topY + 4, text, scale, kOutline, kOutline, 3);
  const int height = kCapHeight * scale;
  for (int step = 0; step < steps; ++step) {
    const int bandTop = topY + step * height / steps;
    const int bandBottom = topY + (step + 1) * height / steps;
    canvas.SetClip({0, bandTop, canvas.Width(), bandBottom - bandTop});
    DrawText(canvas, left, topY, text, scale, Mix(top, bottom, step, steps));
  }
  canvas.ClearClip();
}

void DrawHandheld(IndexedCanvas& canvas, int centreX, int top) {
  const int left = centreX - 52;
  canvas.FillRoundRect({left - 3, top - 3, 110, 196}, 18, {0x10, 0x12, 0x18});
  canvas.FillRoundRect({left, top, 104, 190}, 16, {0x4A, 0x50, 0x5C});
  canvas.FillRect({left + 12, top + 16, 80, 96}, {0x10, 0x12, 0x18});
  canvas.FillRect({left + 15, top + 19, 74, 90}, {0x9C, 0xC8, 0x7C});
  DrawText(canvas, left + 52 - TextWidth("VEXO", 3) / 2, top + 52, "VEXO", 3, {0x2E, 0x5A, 0x2A});
  for (int i = 0; i < 4; ++i) canvas.FillCircle(left + 17 + i * 23, top + 160, 8, {0xB8, 0x3A, 0x3A});
  canvas.FillRoundRect({left + 36, top + 128, 32, 14}, 7, {0x2A, 0x2E, 0x36});
}

// A loose heap of pieces, overlapping and of several sizes: an even column of
// round shapes would look like buttons the player could press.
void DrawGamePieces(IndexedCanvas& canvas, int centreX, int top) {
  struct Piece {
    int dx, dy, radius;
    Rgb body, shine;
  };
  constexpr Piece kPieces[] = {{-14, 70, 19, {0x30, 0x9A, 0xE0}, {0xA8, 0xE0, 0xFF}},
                               {16, 88, 22, {0xD8, 0x30, 0x40}, {0xFF, 0x9A, 0xA0}},
                               {-8, 110, 21, {0xF0, 0xB8, 0x20}, {0xFF, 0xEC, 0xA0}},
                               {22, 42, 15, {0x3A, 0xB8, 0x4A}, {0xB0, 0xF0, 0xA0}},
                               {-24, 126, 14, {0x3A, 0xB8, 0x4A}, {0xB0, 0xF0, 0xA0}}};
  for (const Piece& piece : kPieces) {
    const int cx = centreX + piece.dx, cy = top + piece.dy;
    canvas.FillCircle(cx, cy, piece.radius + 3, {0x10, 0x12, 0x18});
    canvas.FillCircle(cx, cy, piece.radius, piece.body);
    canvas.FillCircle(cx - piece.radius / 3, cy - piece.radius / 3, piece.radius / 3, piece.shine);
  }
}

}  // namespace

void DrawSky(IndexedCanvas& canvas, Rect board) {
  canvas.FillVerticalGradient({0, 0, canvas.Width(), canvas.Height()}, {0x0E, 0x14, 0x3C}, {0x3A, 0x12, 0x4C},
                              32);
  constexpr Rgb kStars[] = {kWhite, {0xFF, 0xF0, 0xB0}, {0xB0, 0xD0, 0xFF}};
  const Rect clear{board.x - 8, board.y - 8, board.w + 16, board.h + 16};
  Lcg random;
  for (int i = 0; i < 160; ++i) {
    const int x = random.Below(canvas.Width());
    const int y = random.Below(canvas.Height());
    const int size = 1 + random.Below(2);
    const Rgb colour = kStars[random.Below(3)];
    if (!Inside(clear, x, y)) canvas.FillRect({x, y, size, size}, colour);
  }
}

void DrawTitle(IndexedCanvas& canvas, int centreX, int bottom) {
  constexpr int kTitleScale = 11;
  constexpr int kSubtitleScale = 3;
  const int subtitleTop = bottom - 9 * kSubtitleScale - 6;
  const int titleTop = subtitleTop - kCapHeight * kTitleScale - 12;
  GradientText(canvas, centreX - TextWidth("VEXO", kTitleScale) / 2, titleTop, "VEXO", kTitleScale,
               {0xFF, 0xF0, 0xA0}, {0xD8, 0x80, 0x10}, 8);
  const std::string_view subtitle = "Component Installer";
  const int left = centreX - TextWidth(subtitle, kSubtitleScale) / 2;
  DrawText(canvas, left + 2, subtitleTop + 2, subtitle, kSubtitleScale, {0x08, 0x08, 0x18});
  DrawText(canvas, left, subtitleTop, subtitle, kSubtitleScale, kWhite);
}

void DrawSideArt(IndexedCanvas& canvas, Rect board) {
  DrawHandheld(canvas, board.x / 2, board.y + 90);
  DrawGamePieces(canvas, (board.x + board.w + canvas.Width()) / 2, board.y + 110);
}

void DrawFooter(IndexedCanvas& canvas, int centreX, int top) {
  const std::string_view footer = "Vexo for Palm OS handhelds";
  DrawText(canvas, centreX - TextWidth(footer, 2) / 2, top, footer, 2, {0xB0, 0xB8, 0xE0});
}
