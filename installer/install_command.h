// Install: the Install folder made to hold exactly the ticked components for
// this handheld, the install flag set, the outcome told, the window closed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "archive/archive_format.h"

// "Vexo" (the entry's creator) + the row index in four digits + ".pdb".
constexpr std::size_t kComponentFileNameSize = 4 + 4 + 4 + 1;
void ComponentFileName(const ArchiveEntry& entry, std::size_t row, char (&name)[kComponentFileNameSize]);

INT_PTR InstallCommand(HWND window, UINT message, WPARAM first, LPARAM second);
