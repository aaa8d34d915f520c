// Imports what the shipped programs must never import: a function Windows XP
// lacks, and a DLL outside the system set they use. The import check has to
// refuse this program, or it proves nothing about the real ones.
#include <windows.h>
#include <shlwapi.h>

int main() {
  const ULONGLONG ticks = GetTickCount64();
  return PathFileExistsA("C:\\") && ticks != 0 ? 0 : 1;
}
