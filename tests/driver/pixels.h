#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

// An image as 0x00RRGGBB values, top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  std::uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// The pixels the screen shows in `area` (screen coordinates).
std::optional<Pixels> CaptureScreen(const RECT& area);

// `icon` drawn at `width` x `height` over a plain `background`.
std::optional<Pixels> RenderIcon(HICON icon, int width, int height, COLORREF background);

// Writes a 24-bit bottom-up BMP file.
bool SaveBmp(const Pixels& image, const char* path);
