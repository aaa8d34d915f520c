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
// The installer's own folder, ending in a backslash: where it looks for its
// archive and for "Setup.exe". ".\\" when the code page cannot name it (the
// current folder is then set to it).
extern FolderText g_programFolder;

// The exit code of the run, which scripts, launchers and CD menus read.
enum : UINT {
  kExitDone = 0,       // Install completed, /About, the hand-off, a second start
  kExitCancelled = 1,  // the player cancelled
  kExitFailed = 2,     // an error was shown
};
extern UINT g_exitCode;
// Keeps the gravest outcome of the run: an error outweighs a cancel.
void RecordOutcome(UINT exitCode);
