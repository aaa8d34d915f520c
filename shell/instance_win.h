// The single-instance rule: a second start hands over to the running one.
#pragma once

#include <windows.h>

// A window with exactly this title and the dialog class, found by a depth-first
// walk over every window below the desktop, controls included; or none.
HWND FindRunningInstance(const char* title);

// True when another instance runs: it has been asked to come to the front, or
// it is still starting. A namesake window of another program that does not
// answer within a few seconds does not count.
bool HandOverToRunningInstance();
