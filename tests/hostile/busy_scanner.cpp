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

// Several threads try to open the file until the writer has closed it, so one
// of their requests is nearly always next in line once it has: the moment
// between the writer's close and its move is short.
constexpr int kContenders = 4;

struct Race {
  const wchar_t* path;
  volatile LONG over;
  HANDLE won;
};

DWORD WINAPI Contend(void* argument) {
  Race* race = static_cast<Race*>(argument);
  while (race->over == 0) {
    HANDLE file = CreateFileW(race->path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      if (InterlockedCompareExchange(&race->over, 1, 0) == 0) {
        race->won = file;
      } else {
        CloseHandle(file);
      }
      return 0;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) InterlockedExchange(&race->over, 1);
  }
  return 0;
}

// The file once its writer has let go; nothing when it is gone first.
HANDLE OpenWhenFree(const wchar_t* path) {
  Race race = {path, 0, nullptr};
  HANDLE threads[kContenders];
  for (HANDLE& thread : threads) thread = CreateThread(nullptr, 0, Contend, &race, 0, nullptr);
  WaitForMultipleObjects(kContenders, threads, TRUE, INFINITE);
  for (HANDLE thread : threads) CloseHandle(thread);
  return race.won;
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
