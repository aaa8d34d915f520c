#include "ui/backdrop_fit.h"

namespace {

// One axis: the window's edge and length, and the picture's offset in it, the
// halving of a negative difference taking the floor.
void FitAxis(std::int32_t desktop, std::int32_t picture, std::int32_t* edge, std::int32_t* length,
             std::int32_t* origin) {
  if (desktop >= picture) {
    *edge = (desktop - picture) / 2;
    *length = picture;
  } else {
    *edge = 0;
    *length = desktop;
  }
  *origin = (*length - picture) >> 1;
}

}  // namespace

BackdropFit FitPicture(std::int32_t desktopWidth, std::int32_t desktopHeight, std::int32_t pictureWidth,
                       std::int32_t pictureHeight) {
  BackdropFit fit;
  FitAxis(desktopWidth, pictureWidth, &fit.left, &fit.width, &fit.originX);
  FitAxis(desktopHeight, pictureHeight, &fit.top, &fit.height, &fit.originY);
  return fit;
}
