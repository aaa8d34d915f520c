// The five language pictures: flag-like designs with the language's two letters.
#pragma once

#include "tools/indexed_canvas.h"

enum class Language { UK, FR, GE, IT, SP };

// Covers all of `area` (94 x 64 in the window) with the picture of `language`.
void DrawLanguagePicture(IndexedCanvas& canvas, Rect area, Language language);
