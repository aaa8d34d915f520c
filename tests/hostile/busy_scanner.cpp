// An antivirus or indexer as the installer meets it: each new "~..." file that
// appears in the watched folder is opened as soon as its writer lets go,
// without sharing delete, and held for a while, so a move of it fails with a
// sharing violation meanwhile. Every file it held is named, one per line, in
// the log, which is made with the first; the ready file says the watch has begun.
//   busy_scanner FOLDER READY_FILE LOG_FILE HOLD_MS
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cstdlib>

namespace {

DWORD g_holdMs;

DWORD WINAPI HoldThenClose(void* file) {
  Sleep(g_holdMs);
  CloseHandle(file);
  return 0;
}

bool Touch(const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Tries until the writer has closed the file; nothing when it is gone first.
HANDLE OpenWhenFree(const wchar_t* path) {
  for (;;) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return nullptr;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: busy_scanner FOLDER READY_FILE LOG_FILE HOLD_MS\n");
    return 2;
  }
  g_holdMs = static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10));
  HANDLE folder = CreateFileW(argv[1], FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return 1;
  FILE* log = nullptr;
  alignas(DWORD) static unsigned char changes[64 * 1024];
  DWORD length = 0;
  bool ready = false;
  for (;;) {
    // The first call starts the watch; the folder is reported ready only
    // once it has, so no new file goes unseen.
    OVERLAPPED pending = {};
    pending.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!ReadDirectoryChangesW(folder, changes, sizeof changes, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME, nullptr,
                               &pending, nullptr)) {
      return 1;
    }
    if (!ready) ready = Touch(argv[2]);
    if (!GetOverlappedResult(folder, &pending, &length, TRUE)) return 1;
    CloseHandle(pending.hEvent);
    for (DWORD at = 0; length != 0;) {
      const auto* change = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(changes + at);
      const bool added = change->Action == FILE_ACTION_ADDED || change->Action == FILE_ACTION_RENAMED_NEW_NAME;
      if (added && change->FileName[0] == L'~') {
        wchar_t path[MAX_PATH];
        std::swprintf(path, MAX_PATH, L"%ls\\%.*ls", argv[1], static_cast<int>(change->FileNameLength / 2),
                      change->FileName);
        if (HANDLE file = OpenWhenFree(path)) {
          if (log == nullptr && (log = _wfopen(argv[3], L"w")) == nullptr) return 1;
          std::fprintf(log, "%ls\n", path + std::wcslen(argv[1]) + 1);
          std::fflush(log);
          CloseHandle(CreateThread(nullptr, 0, HoldThenClose, file, 0, nullptr));
        }
      }
      if (change->NextEntryOffset == 0) break;
      at += change->NextEntryOffset;
    }
  }
}
