// A stand-in for the other installer, "Setup.exe", which VexoLoad starts when its
// archive is missing: it leaves a marker file beside itself, so a test can tell
// which Setup.exe ran, and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH + 16];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  while (length > 0 && path[length - 1] != '\\') --length;
  lstrcpyA(path + length, "setup-ran.txt");
  HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(marker, "Setup.exe ran\r\n", 15, &written, nullptr);
  CloseHandle(marker);
  return 0;
}
