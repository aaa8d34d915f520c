#include "platform/process_state.h"

HINSTANCE g_instance;
FolderText g_windowsFolder;
FolderText g_systemFolder;
std::uint32_t g_pixelsPerInch;
SECURITY_ATTRIBUTES g_registrySecurity;
FolderText g_programFolder;
UINT g_exitCode;

void RecordOutcome(UINT exitCode) {
  if (exitCode > g_exitCode) g_exitCode = exitCode;
}
