// The single-instance rule and the two handlers every managed window shares:
// the quit rule (WM_DESTROY) and the activation request (WM_USER).
#pragma once

#include <windows.h>

constexpr WPARAM kActivationRequest = 0x1CDE;

// A window with exactly this title and the dialog class, found by a depth-first
// walk over every window below the desktop, controls included; or none.
HWND FindRunningInstance(const char* title);

// True when another instance runs: it has been asked to come to the front, or
// it is still starting. A namesake window of another program that does not
// answer within a few seconds does not count.
bool HandOverToRunningInstance();

INT_PTR QuitRuleHandler(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR ActivationHandler(HWND window, UINT message, WPARAM first, LPARAM second);
