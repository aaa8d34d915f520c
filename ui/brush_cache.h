// Solid brushes for control colouring, created once per colour and kept for the
// life of the process: eight slots, a free slot's colour has every bit set.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr std::size_t kBrushSlots = 8;
constexpr COLORREF kFreeBrushSlot = 0xFFFFFFFF;

struct BrushSlot {
  COLORREF colour;
  HBRUSH brush;
};

extern BrushSlot BrushCache[kBrushSlots];

void ResetBrushCache();
// Deletes the brushes in slot order, stopping at the first slot without one.
void DeleteCachedBrushes();
