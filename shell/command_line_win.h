// The program's own switches and the parse of the process command line.
#pragma once

#include <cstdint>

// /Install: show the Palm Setup dialog even when a device type is saved.
extern std::uint32_t g_rerunSetupFlag;
// /About: show the about text and end.
extern std::uint32_t g_aboutFlag;

// Parses GetCommandLineA(); on failure `failure` is the text to show.
bool ParseCommandLine(const char** failure);
