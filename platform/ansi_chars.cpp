#include "platform/ansi_chars.h"

#include <cstring>

std::size_t CharLength(const char* at, const char* end, LeadByteTest lead) {
  return lead(static_cast<std::uint8_t>(*at)) && end - at >= 2 && at[1] != 0 ? 2 : 1;
}

std::size_t AfterLastBackslash(const char* text, std::size_t length, LeadByteTest lead) {
  std::size_t after = 0;
  const char* end = text + length;
  for (const char* at = text; at < end;) {
    const std::size_t step = CharLength(at, end, lead);
    if (step == 1 && *at == '\\') after = static_cast<std::size_t>(at - text) + 1;
    at += step;
  }
  return after;
}

char LastSingleByteChar(const char* text, std::size_t length, LeadByteTest lead) {
  char last = 0;
  const char* end = text + length;
  for (const char* at = text; at < end;) {
    const std::size_t step = CharLength(at, end, lead);
    last = step == 1 ? *at : 0;
    at += step;
  }
  return last;
}

bool HasZeroOrCharOf(const char* text, std::size_t length, const char* set, LeadByteTest lead) {
  const char* end = text + length;
  for (const char* at = text; at < end;) {
    const std::size_t step = CharLength(at, end, lead);
    if (step == 1 && (*at == 0 || std::strchr(set, *at) != nullptr)) return true;
    at += step;
  }
  return false;
}
