#pragma once

#include <optional>
#include <string>
#include <string_view>

// Pairs of hex digits, with blanks allowed between pairs; nothing when the text is anything else.
std::optional<std::string> ParseHexBytes(std::string_view text);

// The bytes as blank-separated hex pairs, at most `limit` of them before an ellipsis.
std::string HexBytes(std::string_view bytes, size_t limit);
