// The one signature of every window message and command handler: the four
// message arguments in, the dialog procedure's result out.
#pragma once

#include <windows.h>

using MessageHandler = INT_PTR (*)(HWND window, UINT message, WPARAM first, LPARAM second);
