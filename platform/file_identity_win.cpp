#include "platform/file_identity.h"

#include <cwchar>

#include "platform/ansi_names.h"
#include "platform/system_function.h"

namespace {

bool FinalPath(HANDLE handle, wchar_t (&out)[kFinalPathSize]) {
  const auto finalPath = system_function::GetFinalPathNameByHandleW();
  const DWORD length = finalPath(handle, out, kFinalPathSize, 0);
  return length > 0 && length < kFinalPathSize;
}

}  // namespace

bool FinalFolderPath(const char* folder, wchar_t (&out)[kFinalPathSize]) {
  out[0] = 0;
  if (system_function::GetFinalPathNameByHandleW() == nullptr) return true;
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
  const auto setInfo = system_function::SetFileInformationByHandle();
  if (setInfo != nullptr) return setInfo(file, kFileDispositionInfo, &dispose, sizeof dispose) != 0;
  // XP: the native call that the Vista function wraps.
  const auto setNative = system_function::NtSetInformationFile();
  ULONG_PTR status[2] = {};
  return setNative != nullptr && setNative(file, status, &dispose, sizeof dispose, kFileDispositionInformation) >= 0;
}
