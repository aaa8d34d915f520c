// Where the main window goes on a desktop, and where the picture lies in it: the
// window takes the picture's size where the desktop allows, centred, and is cut
// to the desktop where it does not, the picture then centred in the window.
#pragma once

#include <cstdint>

struct BackdropFit {
  std::int32_t left, top, width, height;  // the window on the desktop
  std::int32_t originX, originY;          // the picture's corner in the window
};

BackdropFit FitPicture(std::int32_t desktopWidth, std::int32_t desktopHeight, std::int32_t pictureWidth,
                       std::int32_t pictureHeight);
