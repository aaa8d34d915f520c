#pragma once

#include <string>
#include <string_view>

// Quotes text the way a script writes it, so that \r, \n and other control bytes are visible.
std::string Quoted(std::string_view text);

// 0x-prefixed hexadecimal, as a script may write a number.
std::string Hex(unsigned long long value);
