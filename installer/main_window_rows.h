// The main installer window's ControlDescriptor rows: where every control sits
// on the 1024 x 768 backdrop picture. The artwork is drawn from the same rows.
#pragma once

#include "ui/control_descriptor.h"

constexpr std::size_t kMainWindowRowCount = 38;  // the window and its 37 controls
extern const ControlDescriptor MainWindowRows[kMainWindowRowCount + 1];

struct PictureRect {
  std::int32_t x, y, width, height;  // picture coordinates
};

// The part of a language picture's area that no label covers: the strip below
// the labels, down to where the highest-reaching language area ends. The
// artwork draws the flag there and the program marks a chosen language there.
// False for any other id.
bool LanguageTile(std::int16_t pictureId, PictureRect* tile);
