#include "platform/file_identity.h"

#include <cwchar>

#include "platform/ansi_names.h"
#include "platform/system_function.h"

namespace {

using FinalPathFn = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
using SetFileInfoFn = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
using NtSetInformationFileFn = LONG(WINAPI*)(HANDLE, void*, void*, ULONG, int);

// Vista and later; XP has neither.
FinalPathFn FinalPathFunction() { return SystemFunction<FinalPathFn>("kernel32.dll", "GetFinalPathNameByHandleW"); }

bool FinalPath(HANDLE handle, wchar_t (&out)[kFinalPathSize]) {
  const FinalPathFn finalPath = FinalPathFunction();
  const DWORD length = finalPath(handle, out, kFinalPathSize, 0);
  return length > 0 && length < kFinalPathSize;
}

}  // namespace

bool FinalFolderPath(const char* folder, wchar_t (&out)[kFinalPathSize]) {
  out[0] = 0;
  if (FinalPathFunction() == nullptr) return true;
  HANDLE handle = CreateFileA(folder, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool found = FinalPath(handle, out);
  CloseHandle(handle);
  return found;
}

bool IsFileNamedIn(HANDLE file, const wchar_t (&folder)[kFinalPathSize], const char* name) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return false;
  if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return false;
  if (folder[0] == 0) return true;
  wchar_t expected[kFinalPathSize];
  const int folderLength = lstrlenW(folder);
  if (folderLength + 2 >= static_cast<int>(kFinalPathSize)) return false;
  lstrcpyW(expected, folder);
  expected[folderLength] = L'\\';
  if (!WidePathOf(name, expected + folderLength + 1, kFinalPathSize - folderLength - 1)) return false;
  wchar_t reached[kFinalPathSize];
  // Both sides come from the file system as it writes them, so they are compared as they stand.
  return FinalPath(file, reached) && std::wcscmp(reached, expected) == 0;
}

bool DeleteOpenedFile(HANDLE file) {
  BOOLEAN dispose = TRUE;
  const auto setInfo = SystemFunction<SetFileInfoFn>("kernel32.dll", "SetFileInformationByHandle");
  constexpr int kFileDispositionInfo = 4;
  if (setInfo != nullptr) return setInfo(file, kFileDispositionInfo, &dispose, sizeof dispose) != 0;
  // XP: the native call that the Vista function wraps.
  const auto setNative = SystemFunction<NtSetInformationFileFn>("ntdll.dll", "NtSetInformationFile");
  constexpr int kFileDispositionInformation = 13;
  ULONG_PTR status[2] = {};
  return setNative != nullptr && setNative(file, status, &dispose, sizeof dispose, kFileDispositionInformation) >= 0;
}
