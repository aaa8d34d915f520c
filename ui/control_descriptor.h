// ControlDescriptor rows: the final geometry, caption, font and colours of each
// control of a window built from a dialog template, the window itself first.
// A table ends with a row whose id is -1.
#pragma once

#include <cstdint>

struct ControlDescriptor {
  std::int16_t id;  // 0 for the window's own row
  std::uint16_t kind;
  std::int32_t x, y, width, height;  // pixels, in the window's client area
  const char* caption;               // nullptr keeps the template's text
  std::uint32_t fontStyle;           // low byte used; 0 keeps the window's font
  std::uint32_t background;
  std::uint32_t textColour;
};

constexpr std::int16_t kEndOfDescriptors = -1;

enum : std::uint16_t {
  kPushButton = 1,
  kCheckBox = 2,
  kGroupBox = 3,
  kTextLabel = 5,  // transparent when only a text colour is given
  kPictureArea = 6,
  kRadioButton = 7,
  kListBox = 11,
  kWindowRow = 12,  // centred on the screen; its caption is the title
};

// Font style byte.
enum : std::uint32_t {
  kOwnFont = 0x80,
  kBoldFont = 0x40,
  kItalicFont = 0x20,
  kUnderlinedFont = 0x10,
  kFontSizeMask = 0x0F,  // points - 8
};

// Colour values.
constexpr std::uint32_t kDefaultColour = 0xFFFFFFFF;
constexpr std::uint32_t kTransparentColour = 0xFFFFFFFE;
constexpr std::uint32_t kExplicitColourBit = 0x80000000;
constexpr std::uint32_t kGreyLevels = 5;  // 0 white .. 4 black

constexpr bool IsGreyLevel(std::uint32_t value) { return value < kGreyLevels; }
constexpr bool IsExplicitColour(std::uint32_t value) {
  return (value & kExplicitColourBit) != 0 && value != kDefaultColour && value != kTransparentColour;
}

// The colour reference (0x00BBGGRR) a grey level or an explicit colour stands for.
std::uint32_t ColourReference(std::uint32_t value);

// The font height in pixels for a style byte: minus the character height.
std::int32_t DescriptorFontHeight(std::uint32_t fontStyle, std::uint32_t pixelsPerInch);
