// The five language pictures: a small flag and the language's two letters,
// side by side on a light tile, so the code reads in a strip as low as 24 pixels.
#pragma once

#include "tools/indexed_canvas.h"

enum class Language { UK, FR, GE, IT, SP };

// Covers all of `tile` (94 x 24 or so) with the picture of `language`.
void DrawLanguagePicture(IndexedCanvas& canvas, Rect tile, Language language);
