// Which file an open handle really reaches, and deleting exactly that file.
// The Install folder may hold links that other people put there: a Windows link
// shows the reparse attribute, a Unix link under Wine shows nothing, but the
// final path of what was opened names the file it leads to.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr std::size_t kFinalPathSize = 1024;

// The folder's final path, for comparisons with IsFileNamedIn; false when the
// folder cannot be opened. Empty (and true) where Windows cannot tell final
// paths (XP, which has no links to files).
bool FinalFolderPath(const char* folder, wchar_t (&out)[kFinalPathSize]);
// The handle reaches a plain file standing in that folder under that name: not
// a link, not a folder, not a file elsewhere that a link leads to.
bool IsFileNamedIn(HANDLE file, const wchar_t (&folder)[kFinalPathSize], const char* name);
// Deletes the file the handle was opened on (with DELETE access), whatever
// name now leads to it; the file goes when its last handle is closed.
bool DeleteOpenedFile(HANDLE file);
