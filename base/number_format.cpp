#include "base/number_format.h"

namespace {
constexpr int kDecimalPositions = 20;

bool CommaFollows(int position) {
  return position >= 4 && position <= 19 && (position - 1) % 3 == 0;
}

std::size_t FormatMagnitude(bool negative, std::uint64_t magnitude, std::uint32_t options, char* dest,
                            std::size_t size) {
  if (size < kDecimalTextSize) return 0;

  char digits[kDecimalPositions];
  for (int i = kDecimalPositions - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }

  std::size_t length = 0;
  if (negative) dest[length++] = '-';
  bool writing = (options & kDecimalZeroFill) != 0;
  for (int i = 0; i < kDecimalPositions; ++i) {
    int position = kDecimalPositions - i;
    if (!writing && (digits[i] != '0' || position == 1)) writing = true;
    if (!writing) continue;
    dest[length++] = digits[i];
    if ((options & kDecimalGrouping) && CommaFollows(position)) dest[length++] = ',';
  }
  dest[length] = 0;
  return length;
}

}  // namespace

std::size_t FormatDecimal(std::int32_t value, std::uint32_t options, char* dest, std::size_t size) {
  const std::uint64_t magnitude =
      value < 0 ? 0ull - static_cast<std::int64_t>(value) : static_cast<std::uint64_t>(value);
  return FormatMagnitude(value < 0, magnitude, options, dest, size);
}

std::size_t FormatUnsignedDecimal(std::uint32_t value, std::uint32_t options, char* dest, std::size_t size) {
  return FormatMagnitude(false, value, options, dest, size);
}

std::size_t FormatHex(std::uint32_t value, char* dest, std::size_t size) {
  static const char kDigits[] = "0123456789ABCDEF";
  if (size < kHexTextSize) return 0;
  std::size_t length = 0;
  bool writing = false;
  for (int shift = 28; shift >= 0; shift -= 4) {
    unsigned nibble = (value >> shift) & 0xF;
    if (nibble != 0 || shift == 0) writing = true;
    if (writing) dest[length++] = kDigits[nibble];
  }
  dest[length] = 0;
  return length;
}
