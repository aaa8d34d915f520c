// Install: the Install folder made to hold exactly the ticked components for
// this handheld, the install flag set, the outcome told, the window closed.
#pragma once

#include <windows.h>

INT_PTR InstallCommand(HWND window, UINT message, WPARAM first, LPARAM second);
