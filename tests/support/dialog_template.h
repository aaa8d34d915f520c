// Parses a compiled DIALOG resource (DLGTEMPLATE followed by its
// DLGITEMTEMPLATE records), as the resource compiler wrote it into the program.
//
//   header   style, extended style (4 each), item count (2), x, y, cx, cy (2 each)
//            menu, class, title: each 0x0000 (none), 0xFFFF + ordinal, or UTF-16 text
//            with DS_SETFONT: point size (2) and the typeface in UTF-16
//   items    each on a 4-byte boundary from the template's start:
//            style, extended style (4 each), x, y, cx, cy, id (2 each),
//            class and text as above, then a count of creation data bytes
//
// Texts are kept as ASCII; any other character becomes '?'.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DialogItem {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::uint16_t id = 0;
  std::string className;  // in small letters; a predefined class's ordinal as its name: "button", ...
  std::string text;
};

struct DialogTemplate {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string menu, windowClass, title;
  std::uint16_t pointSize = 0;
  std::string typeface;
  std::vector<DialogItem> items;
};

// Nothing when the bytes are not a whole DLGTEMPLATE (an extended template
// included), with the reason in `why`.
std::optional<DialogTemplate> ParseDialogTemplate(const std::vector<std::uint8_t>& bytes, std::string* why);
