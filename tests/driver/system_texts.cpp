#include "system_texts.h"

#include <windows.h>

#include <cstdlib>

std::optional<std::string> SystemText(const std::string& name) {
  // The system's text for a Windows code, as the program shows it.
  if (name.compare(0, 12, "SYSTEM_TEXT_") == 0 && name.size() > 12) {
    char* end = nullptr;
    const unsigned long code = std::strtoul(name.c_str() + 12, &end, 10);
    char text[512] = {};
    if (*end == 0 && FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                    text, sizeof text, nullptr) != 0) {
      return std::string(text);
    }
  }
  return std::nullopt;
}
