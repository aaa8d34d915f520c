// SYSTEM_TEXT_<decimal> as a script variable: the system's text of a Windows
// code, which the program shows as the system gives it. The program's own
// texts are written out in the scripts, so a scenario never compares the
// program with itself.
#pragma once

#include <optional>
#include <string>

std::optional<std::string> SystemText(const std::string& name);
