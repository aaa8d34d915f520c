// Which archive entry belongs to which check box and which kind of handheld.
// One definition, used by the installer, the sample generator and the tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "resources/resource_ids.h"

struct ComponentRow {
  std::uint8_t checkBox;  // 0 with deviceFlags 0 ends the table
  std::uint8_t deviceFlags;
  char type[4];        // '?' matches any character
  char nameSuffix[6];  // zero-padded; empty matches any name; 6 characters have no terminator
};

enum : std::uint8_t {
  kColourDevice = 0x80,
  kMonoDevice = 0x40,
};

// The kinds of handheld: the Palm Setup step's choice, and what every row is
// matched against (a row's flags in the high byte of the word).
enum : std::uint16_t {
  kMonoMask = 0x4000,
  kColourMask = 0x8000,
};

constexpr std::size_t kComponentRows = 27;
extern const ComponentRow ComponentTable[kComponentRows + 1];

// The first row matching the type and the zero-terminated database name (at most
// 32 bytes are looked at), with its index; nullptr when none does.
const ComponentRow* FindComponentRow(const char type[4], const char* name, std::size_t nameSize,
                                     std::size_t* index);

// A row is for the device when its flags, in the high byte of a 16-bit word,
// share a bit with the device mask.
constexpr bool IsForDevice(const ComponentRow& row, std::uint16_t deviceMask) {
  return ((static_cast<std::uint16_t>(row.deviceFlags) << 8) & deviceMask) != 0;
}

// The level a row installs, numbered as its box (IDC_LEVEL_1 is level 1), or 0.
constexpr int LevelOf(const ComponentRow& row) {
  return row.checkBox >= IDC_LEVEL_1 && row.checkBox <= IDC_LEVEL_9 ? row.checkBox - IDC_LEVEL_1 + 1 : 0;
}
// Whether the row is a language's; its name suffix names the language ("UK").
constexpr bool IsLanguage(const ComponentRow& row) {
  return row.checkBox >= IDC_LANGUAGE_UK && row.checkBox <= IDC_LANGUAGE_SP;
}
