// Functions of system DLLs that the oldest Windows the program runs on lacks,
// declared once here with their types and looked up by name where they are
// needed instead of imported, so the program still starts there. Each
// `system_function::NAME()` gives the function, or nullptr where this Windows
// has none.
#pragma once

#include <windows.h>

// Constants that the oldest target's SDK headers lack.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
constexpr int kFileDispositionInfo = 4;                   // FILE_INFO_BY_HANDLE_CLASS, SetFileInformationByHandle
constexpr int kFileDispositionInformation = 13;           // FILE_INFORMATION_CLASS, NtSetInformationFile

// NAME, DLL, result, parameters; the first Windows that has it.
#define VEXO_SYSTEM_FUNCTIONS(X)                                                                     \
  X(SetDefaultDllDirectories, "kernel32.dll", BOOL, (DWORD))           /* Vista with KB2533623 */   \
  X(SetDllDirectoryA, "kernel32.dll", BOOL, (LPCSTR))                  /* XP SP1 */                 \
  X(GetFinalPathNameByHandleW, "kernel32.dll", DWORD, (HANDLE, LPWSTR, DWORD, DWORD)) /* Vista */   \
  X(SetFileInformationByHandle, "kernel32.dll", BOOL, (HANDLE, int, LPVOID, DWORD))   /* Vista */   \
  X(NtSetInformationFile, "ntdll.dll", LONG, (HANDLE, void*, void*, ULONG, int))      /* every NT */

namespace system_function {

#define VEXO_DECLARE_SYSTEM_FUNCTION(name, dll, result, parameters)                                      \
  using name##Fn = result(WINAPI*) parameters;                                                          \
  inline name##Fn name() {                                                                              \
    return reinterpret_cast<name##Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), #name))); \
  }
VEXO_SYSTEM_FUNCTIONS(VEXO_DECLARE_SYSTEM_FUNCTION)
#undef VEXO_DECLARE_SYSTEM_FUNCTION

}  // namespace system_function
