#include "file_tree.h"

#include <algorithm>

#include "script_errors.h"
#include "unique_handle.h"
#include "win_error.h"

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

[[noreturn]] void FailChange(const std::string& what, const std::string& path, const char* call, DWORD error) {
  throw StepFailure("expected to " + what + " " + path + ", " + call + " failed with " + ErrorText(error));
}

// Offsets of the backslashes of a path, walked by character in the ANSI code
// page: in code page 932 the second byte of 表 is a backslash's byte.
std::vector<size_t> Separators(const std::string& path) {
  std::vector<size_t> found;
  for (const char* at = path.c_str(); *at != 0; at = CharNextA(at)) {
    if (*at == '\\') found.push_back(static_cast<size_t>(at - path.c_str()));
  }
  return found;
}

// Where the folders of `full` begin: after `X:\` or after `\\server\share\`.
size_t RootLength(const std::string& full) {
  if (full.size() >= 3 && full[1] == ':') return 3;
  const std::vector<size_t> separators = Separators(full);
  return separators.size() >= 4 ? separators[3] + 1 : full.size();
}

void RemoveEntry(const std::string& path, const std::string& top) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return;
    FailChange("remove", top, ("GetFileAttributes of " + path).c_str(), error);
  }
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    DWORD writable = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (!SetFileAttributesA(path.c_str(), writable ? writable : FILE_ATTRIBUTE_NORMAL))
      FailChange("remove", top, ("SetFileAttributes of " + path).c_str(), GetLastError());
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    if (!DeleteFileA(path.c_str())) FailChange("remove", top, ("DeleteFile of " + path).c_str(), GetLastError());
    return;
  }
  // A link to a folder goes by itself; what it points to stays.
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    std::optional<std::vector<FolderEntry>> entries = ListFolder(path);
    if (!entries) FailChange("remove", top, ("listing " + path).c_str(), GetLastError());
    for (const FolderEntry& entry : *entries) RemoveEntry(JoinPath(path, entry.name), top);
  }
  if (!RemoveDirectoryA(path.c_str()))
    FailChange("remove", top, ("RemoveDirectory of " + path).c_str(), GetLastError());
}

}  // namespace

PathKind KindOf(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kNothing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::kFolder : PathKind::kFile;
}

std::string KindText(PathKind kind) {
  switch (kind) {
    case PathKind::kFile:
      return "a file";
    case PathKind::kFolder:
      return "a folder";
    default:
      return "nothing";
  }
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  const std::vector<size_t> separators = Separators(folder);
  const bool separated = !separators.empty() && separators.back() + 1 == folder.size();
  if (folder.empty() || separated || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) {
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA(JoinPath(folder, "*").c_str(), &data));
  if (find.Get() == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<FolderEntry> entries;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    bool is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entries.push_back(FolderEntry{name, is_folder, is_folder ? 0 : size});
  } while (FindNextFileA(find.Get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return entries;
}

std::optional<std::string> ReadWholeFile(const std::string& path, DWORD& error) {
  UniqueHandle file = UniqueHandle::FromFile(CreateFileA(path.c_str(), GENERIC_READ,
                                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Get()) {
    error = GetLastError();
    return std::nullopt;
  }
  std::string content;
  char chunk[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
      error = GetLastError();
      return std::nullopt;
    }
    if (got == 0) return content;
    content.append(chunk, got);
  }
}

void CreateFolders(const std::string& folder) {
  std::string full = FullPath(folder);
  const size_t root = RootLength(full);
  std::vector<size_t> ends = Separators(full);
  while (!ends.empty() && ends.back() + 1 == full.size() && full.size() > root) {
    full.pop_back();
    ends.pop_back();
  }
  ends.erase(ends.begin(), std::find_if(ends.begin(), ends.end(), [&](size_t end) { return end >= root; }));
  ends.push_back(std::string::npos);
  for (size_t end : ends) {
    std::string prefix = full.substr(0, end);
    if (prefix.size() > root && KindOf(prefix) != PathKind::kFolder && !CreateDirectoryA(prefix.c_str(), nullptr)) {
      DWORD error = GetLastError();
      if (error == ERROR_ALREADY_EXISTS)
        throw StepFailure("expected to create the folder " + prefix + ", found a file of that name");
      FailChange("create the folder", prefix, "CreateDirectory", error);
    }
    if (end == std::string::npos) return;
  }
}

void RemoveTree(const std::string& path) { RemoveEntry(path, path); }

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  UniqueHandle file = UniqueHandle::FromFile(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Get()) FailChange("write", path, "CreateFile", GetLastError());
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file.Get(), bytes.data() + done, part, &wrote, nullptr) || wrote == 0)
      FailChange("write", path, "WriteFile", GetLastError());
    done += wrote;
  }
}

std::string FullPath(const std::string& path) {
  DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) throw ScriptError("unusable path " + path);
  std::string full(needed, '\0');
  DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) throw ScriptError("unusable path " + path);
  full.resize(length);
  return full;
}
