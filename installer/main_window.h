// The main installer window: its set-up and its close.
#pragma once

#include <windows.h>

#include "base/error_code.h"

// Creates and prepares the main window and shows it; on failure `code` is what
// start-up shows (0: nothing).
bool SetUpMainWindow(ErrorCode* code);

// Loads the archive of the installer's folder and verifies every entry of this game
// (Extract in verify-only mode), as set-up does before the window is shown.
bool VerifyArchive(ErrorCode* code);

// The end of Install: releases everything and destroys the window, which ends
// the program. Harmless when run twice.
INT_PTR CloseMainWindow(HWND window, UINT message, WPARAM first, LPARAM second);
// WM_CLOSE and Cancel: CloseMainWindow, the run recorded as cancelled.
INT_PTR CancelMainWindow(HWND window, UINT message, WPARAM first, LPARAM second);
