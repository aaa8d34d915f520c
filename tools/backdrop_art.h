// The installer window's backdrop picture, drawn from the main window's control
// rows so that every picture sits exactly on its area, every visible control on
// a plain spot of its own background colour, and nothing where a hidden one sits.
#pragma once

#include "tools/indexed_canvas.h"

constexpr int kBackdropWidth = 1024;
constexpr int kBackdropHeight = 768;

IndexedCanvas DrawBackdrop();
