// Turning ErrorCodes into texts on Windows and showing them in the error box.
#pragma once

#include <windows.h>

#include "base/error_code.h"

// Finds and keeps RCDATA 1024 of the program; false when it is missing.
bool LoadMessageTable();
// The text for `code` in the shared message buffer (no built-in messages).
void LookupMessage(ErrorCode code);
// The built-in text for `code`, or the message buffer after LookupMessage.
const char* MessageText(ErrorCode code);
// Shows the text of a non-zero code and records the run as failed (cancelled
// for the cancel code); always reports failure (false).
bool ShowError(ErrorCode code);
// Shows a failure's text and records the run as failed.
void ShowErrorText(const char* text);
// The error box with a text that is no failure (the about text).
void ShowInErrorBox(const char* text);
// The current window's handle, or none: the owner of every message box.
HWND OwnerWindow();
