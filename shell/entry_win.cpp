#include <windows.h>

#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { RunInstaller(); }
