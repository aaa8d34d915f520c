// The program's own texts as script variables, so scenarios compare with the one
// definition the program shows: TEXT_<NAME> for fixed texts, MSG_<8 hex digits>
// for the text of a message identifier, SYSTEM_TEXT_<decimal> for the system's
// text of a Windows code.
#pragma once

#include <optional>
#include <string>

std::optional<std::string> ProgramText(const std::string& name);
