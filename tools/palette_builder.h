// The colours of a drawing, each given a palette index when first used, so the
// same drawing always gives the same palette.
#pragma once

#include <array>
#include <cstdint>

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

constexpr int kPaletteSize = 256;
using Palette = std::array<Rgb, kPaletteSize>;

// Step `step` of `steps` evenly spaced colours from `from` to `to`, both included.
Rgb Mix(Rgb from, Rgb to, int step, int steps);

class PaletteBuilder {
 public:
  // Throws std::length_error for a 257th colour.
  std::uint8_t Index(Rgb colour);
  const Palette& Colours() const { return colours_; }
  int Count() const { return count_; }

 private:
  Palette colours_{};
  int count_ = 0;
};
