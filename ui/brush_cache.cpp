#include "ui/brush_cache.h"

BrushSlot BrushCache[kBrushSlots];

void ResetBrushCache() {
  for (BrushSlot& slot : BrushCache) slot = {kFreeBrushSlot, nullptr};
}

void DeleteCachedBrushes() {
  for (BrushSlot& slot : BrushCache) {
    if (slot.brush == nullptr) break;
    DeleteObject(slot.brush);
  }
}
