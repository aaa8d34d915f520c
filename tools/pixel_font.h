// The artwork's own bitmap font: 5 x 7 capitals and digits, lower case with
// two rows of descenders, drawn at a whole-number scale.
#pragma once

#include <string_view>

#include "tools/indexed_canvas.h"

constexpr int kCapHeight = 7;

// The width in pixels of `text` at `scale`, without the last letter's spacing.
int TextWidth(std::string_view text, int scale);
// `top` is the top of the capitals. Throws std::out_of_range for a character
// the font lacks.
void DrawText(IndexedCanvas& canvas, int left, int top, std::string_view text, int scale, Rgb ink);
// The text over a copy of itself moved up to `outline` pixels in every direction.
void DrawOutlinedText(IndexedCanvas& canvas, int left, int top, std::string_view text, int scale, Rgb ink,
                      Rgb outlineInk, int outline);
