#pragma once

#include <windows.h>

#include <optional>
#include <string>

enum class BoxIcon { None, Hand, Exclamation, Question, Asterisk };

std::optional<BoxIcon> ParseBoxIcon(const std::string& name);
const char* BoxIconName(BoxIcon icon);

// What a message box shows as its icon. Icon handles are private to each process, so a shown icon
// is recognised by comparing its pixels on the screen with the system icons drawn here.
struct IconReading {
  std::optional<BoxIcon> icon;  // empty while the icon is not painted or matches no system icon
  std::string detail;           // why it is empty, for the failure message
};

IconReading ReadBoxIcon(HWND box);
