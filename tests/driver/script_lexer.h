#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Gives the value of ${NAME}, or nothing when NAME is unknown.
using VariableLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Splits one script line into tokens; an empty result is a blank or comment line.
// Throws ScriptError on a lexing error or an unknown variable.
std::vector<std::string> Tokenize(std::string_view line, const VariableLookup& lookup);

// Decimal (optionally negative) or 0x hexadecimal; nothing if the text is not entirely a number.
std::optional<long long> ParseInteger(std::string_view text);
