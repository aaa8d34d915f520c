// The program's own switches and the parse of the process command line.
#pragma once

#include <cstdint>

#include "shell/command_line.h"

// /About: show the about text and end.
extern std::uint32_t g_aboutFlag;

// Parses GetCommandLineA(); on refusal `failure` is the text to show.
CommandLineOutcome ParseCommandLine(const char** failure);
