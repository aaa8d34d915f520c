// Number-to-text conversions for message texts, file names and value names.
#pragma once

#include <cstddef>
#include <cstdint>

enum : std::uint32_t {
  kDecimalGrouping = 1,  // a comma between groups of three digits
  kDecimalZeroFill = 4,  // all 20 digit positions written, leading zeros included
};

// Room for a sign, 20 digits, 6 commas and the terminator.
constexpr std::size_t kDecimalTextSize = 28;
// Room for 8 hexadecimal digits and the terminator.
constexpr std::size_t kHexTextSize = 9;

// Writes a signed 32-bit value as decimal text; returns its length, or 0 (writing
// nothing) when the destination is smaller than kDecimalTextSize.
std::size_t FormatDecimal(std::int32_t value, std::uint32_t options, char* dest, std::size_t size);
// The same for a count that is never negative, such as a number of bytes.
std::size_t FormatUnsignedDecimal(std::uint32_t value, std::uint32_t options, char* dest, std::size_t size);

// Writes an unsigned 32-bit value in hexadecimal (0-9, A-F), no prefix, no leading
// zeros; returns its length, or 0 when the destination is smaller than kHexTextSize.
std::size_t FormatHex(std::uint32_t value, char* dest, std::size_t size);
