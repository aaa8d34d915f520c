// The main window's backdrop picture: decoded once from its resource into a
// ready-to-draw bitmap with its palette, fitted to the desktop, painted whole.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/error_code.h"

struct PictureSlot {
  std::uint32_t resource;  // 0 while the slot is free
  std::uint8_t* image;     // palette, bitmap header, colour table, rows
  HPALETTE palette;
};

extern PictureSlot PictureTable[1];
// Where the picture's top-left corner lies in the main window's client area.
extern POINT BackdropOrigin;

bool LoadBackdrop(std::uint32_t resource, ErrorCode* code);
PictureSlot* FindBackdrop(std::uint32_t resource);
void FitBackdrop();
void FreeBackdrop();
// Draws the whole picture at the backdrop origin; false while none is loaded.
bool PaintBackdropOn(HDC dc);
INT_PTR PaintBackdrop(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR RefitBackdrop(HWND window, UINT message, WPARAM first, LPARAM second);
