// Scripts are written in UTF-8; the programs they drive, and the driver's own
// calls, read 8-bit texts in the ANSI code page.
#pragma once

#include <string>

// `utf8` in the ANSI code page when it holds characters beyond ASCII that the
// code page can all write (a Japanese folder name under code page 932);
// otherwise, bytes written as \xHH among them, unchanged.
std::string InAnsiCodePage(const std::string& utf8);
