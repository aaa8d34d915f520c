#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Files and folders as the commands see them. Every failure to change something is a StepFailure
// that names the path and the system error.

enum class PathKind { kNothing, kFile, kFolder };

PathKind KindOf(const std::string& path);
std::string KindText(PathKind kind);

std::string JoinPath(const std::string& folder, const std::string& name);

struct FolderEntry {
  std::string name;
  bool folder;
  unsigned long long size;
};

// The entries of `folder` without `.` and `..`; nothing when it cannot be listed.
std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder);

// The whole content; nothing when the file cannot be read, with the reason in `error`.
std::optional<std::string> ReadWholeFile(const std::string& path, DWORD& error);

void CreateFolders(const std::string& folder);
// A file, or a folder with everything in it; nothing there is fine. Read-only entries go too.
void RemoveTree(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// The absolute form of `path`, which the system uses to tell whether two paths are one.
std::string FullPath(const std::string& path);
