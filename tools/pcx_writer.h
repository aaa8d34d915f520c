// Writes a picture as a version 5, run-length encoded, 8-bit single-plane PCX
// file at 72 dpi with its 256-colour palette at the end after marker 12.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/palette_builder.h"

// `pixels` holds width * height palette indexes, top line first.
std::vector<std::uint8_t> EncodePcx(int width, int height, const std::vector<std::uint8_t>& pixels,
                                    const Palette& palette);
