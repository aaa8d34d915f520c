#include "tools/palette_builder.h"

#include <cmath>
#include <stdexcept>

namespace {
std::uint8_t MixChannel(int from, int to, int step, int steps) {
  if (steps < 2) return static_cast<std::uint8_t>(from);
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * static_cast<double>(step) / (steps - 1)));
}
}  // namespace

Rgb Mix(Rgb from, Rgb to, int step, int steps) {
  return {MixChannel(from.r, to.r, step, steps), MixChannel(from.g, to.g, step, steps),
          MixChannel(from.b, to.b, step, steps)};
}

std::uint8_t PaletteBuilder::Index(Rgb colour) {
  for (int i = 0; i < count_; ++i) {
    if (colours_[static_cast<std::size_t>(i)] == colour) return static_cast<std::uint8_t>(i);
  }
  if (count_ == kPaletteSize) throw std::length_error("the drawing uses more than 256 colours");
  colours_[static_cast<std::size_t>(count_)] = colour;
  return static_cast<std::uint8_t>(count_++);
}
