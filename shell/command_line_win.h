// The program's own switches and the parse of the process command line.
#pragma once

#include <cstdint>

// /About: show the about text and end.
extern std::uint32_t g_aboutFlag;

// Parses GetCommandLineA(); on failure `failure` is the text to show.
bool ParseCommandLine(const char** failure);
