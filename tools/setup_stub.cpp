// A stand-in for the other installer, "Setup.exe", which VexoLoad starts when its
// archive is missing: it leaves a marker file in its current folder and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE marker = CreateFileA("setup-ran.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(marker, "Setup.exe ran\r\n", 15, &written, nullptr);
  CloseHandle(marker);
  return 0;
}
