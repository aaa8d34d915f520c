// A DLL someone left in a Downloads folder under a system DLL's name. Loaded
// into a process, it leaves "<its path>.ran" beside itself and refuses to stay,
// so Wine goes on with its own copy and the process runs as before.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return FALSE;
  lstrcatA(path, ".ran");
  HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
  return FALSE;
}
