#include <windows.h>

#include "shell/dll_search.h"
#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  NarrowDllSearch();
  RunInstaller();
}
