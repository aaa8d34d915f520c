#include "hex_bytes.h"

#include <cstdio>

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> ParseHexBytes(std::string_view text) {
  std::string bytes;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ' ' || text[pos] == '\t') {
      ++pos;
      continue;
    }
    if (pos + 1 >= text.size()) return std::nullopt;
    int high = DigitValue(text[pos]);
    int low = DigitValue(text[pos + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
    pos += 2;
  }
  return bytes;
}

std::string HexBytes(std::string_view bytes, size_t limit) {
  std::string text;
  for (size_t i = 0; i < bytes.size() && i < limit; ++i) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
    if (!text.empty()) text += ' ';
    text += pair;
  }
  if (bytes.size() > limit) text += " ...";
  return text;
}
