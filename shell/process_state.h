// Process-wide state set up by start-up and read by the other subsystems.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/file_names.h"

extern HINSTANCE g_instance;
extern FolderText g_windowsFolder;
extern FolderText g_systemFolder;
// The screen's vertical logical pixels per inch; font heights derive from it.
extern std::uint32_t g_pixelsPerInch;
// Passed when registry keys are created: no descriptor, not inheritable.
extern SECURITY_ATTRIBUTES g_registrySecurity;
