#include "ui/control_descriptor.h"

namespace {
constexpr std::uint32_t kGreyTable[kGreyLevels] = {0xFFFFFF, 0xC0C0C0, 0xA0A0A0, 0x808080, 0x000000};
}

std::uint32_t ColourReference(std::uint32_t value) {
  if (IsGreyLevel(value)) return kGreyTable[value];
  return value & 0x00FFFFFF;
}

std::int32_t DescriptorFontHeight(std::uint32_t fontStyle, std::uint32_t pixelsPerInch) {
  const std::uint32_t points = (fontStyle & kFontSizeMask) + 8;
  return -static_cast<std::int32_t>(points * pixelsPerInch / 72);
}
