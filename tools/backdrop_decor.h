// The parts of the backdrop that no control sits on: the sky, the title, the
// handheld and the game pieces beside the board, and the footer.
#pragma once

#include "tools/indexed_canvas.h"

// The starry sky over the whole canvas, leaving `board` (where the controls go) clear of stars.
void DrawSky(IndexedCanvas& canvas, Rect board);
// "VEXO" and "Component Installer" centred on `centreX`, ending above `bottom`.
void DrawTitle(IndexedCanvas& canvas, int centreX, int bottom);
// A handheld left of `board` and a heap of game pieces right of it.
void DrawSideArt(IndexedCanvas& canvas, Rect board);
void DrawFooter(IndexedCanvas& canvas, int centreX, int top);
