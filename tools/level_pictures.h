// The nine level pictures of the Vexo artwork, one scene per level, each with
// its number in a badge.
#pragma once

#include "tools/indexed_canvas.h"

constexpr int kLevelCount = 9;

// Covers all of `area` (94 x 94 in the window) with the picture of `level`, 1..9.
void DrawLevelPicture(IndexedCanvas& canvas, Rect area, int level);
