// The chosen languages, shown on the backdrop. The language boxes never show,
// so the program marks each chosen language's tile with a bright frame and a
// tick; an unmarked tile is the picture as it was drawn.
#pragma once

#include <windows.h>

#include <cstdint>

// WM_PAINT of the main window: the backdrop, then a mark on each chosen language.
INT_PTR PaintMainWindow(HWND window, UINT message, WPARAM first, LPARAM second);

// Repaints the tile of the language whose box is `checkBox`, and nothing else,
// after its box changed; any other box has no mark.
void RepaintChoiceMark(HWND window, std::uint32_t checkBox);
