// The file layer: every file the installer opens, reads or writes goes through
// it. Reads, writes and seeks that fail ask Abort or Retry and, on Retry, start
// again from the position where they began; opening never asks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/error_code.h"
#include "platform/file_last_error.h"
#include "platform/file_names.h"

constexpr std::size_t kIoBufferSize = 8192;

// The question a failed transfer puts to the user. Start-up hands the file layer
// the Abort/Retry prompt, which sits above it; without one a failure aborts.
enum class IoAnswer { Abort, Retry };
using IoErrorPrompt = IoAnswer (*)(ErrorCode code);
extern IoErrorPrompt IoErrorPromptHook;

enum : std::uint32_t {
  ModeRead = 0x3D00,
  ModeReadWrite = 0x3D02,
  ModeCreate = 0x3C00,
  ModeAppend = 0x3D82,
  // A file that is never there yet: an existing file, or a link, fails.
  ModeCreateNew = 0x3C10,
  // Reading a file that may then be deleted through the same handle; a link is
  // opened as itself, not followed.
  ModeCheck = 0x3D40,
};

extern HANDLE LastOpenedHandle;
extern HANDLE ReaderSlot;  // FileFillBuffer reads from it; callers fill it
extern HANDLE WriterSlot;  // FileWriteAll writes through it
extern std::uint8_t IoBuffer[kIoBufferSize];
extern DWORD SavedPosition;
extern char ResolvedName[kPathSize];
extern FolderText CurrentFolderBase;  // +C: always empty

// The name to hand to Windows; fails with ERROR_FILENAME_EXCED_RANGE when a
// prefixed name would not fit in 260 bytes.
bool ResolveFileName(const char* name, const char** resolved, ErrorCode* code);
// Appends the name to a folder text of kPathSize bytes; false when it would not fit.
bool JoinPath(char* folder, const char* name);

bool FileOpen(const char* name, std::uint32_t mode, HANDLE* handle, std::uint32_t* size, ErrorCode* code);
void FileCloseReader();
void FileCloseWriter();

// `holder` is the variable that holds the handle: Abort closes the file and
// clears it.
bool FileRead(HANDLE* holder, void* buffer, std::uint32_t count, ErrorCode* code);
bool FileWrite(HANDLE* holder, const void* data, std::uint32_t count, ErrorCode* code);
bool FileSeek(HANDLE* holder, std::int32_t offset, DWORD method, DWORD* position, ErrorCode* code);

// Reads up to `wanted` bytes from the reader slot into IoBuffer after the
// `already` bytes there (fewer than 8192).
bool FileFillBuffer(std::uint32_t wanted, std::uint32_t already, std::uint32_t* read, std::uint32_t* unread,
                    ErrorCode* code);
// A new block holding the whole file and `extra` zero bytes after it.
bool FileReadAll(const char* name, std::uint32_t extra, void** block, std::uint32_t* size, ErrorCode* code);
// The whole file as one read-only view (a view of an empty file holds no
// bytes). The file stays open, shared for reading only, until FileUnmap: no one
// can change, move or delete it under the view. One view at a time; mapping
// again releases the one before.
bool FileMapAll(const char* name, const std::uint8_t** view, std::uint32_t* size, ErrorCode* code);
// Sets the variable to 0, then releases the view and its file; 0 is left alone.
void FileUnmap(const std::uint8_t** view);
// Writes a new file beside the target and moves it over the target's name once
// it is whole and flushed: a link under that name is replaced, never written
// through, and a failed write leaves the target as it was.
bool FileWriteAll(const char* name, const void* data, std::uint32_t count, ErrorCode* code);
// From FileWriteBatchBegin to FileWriteBatchCommit, FileWriteAll keeps each
// target's new file open and writes to the same target go into that file again;
// the commit flushes each new file and moves it over its target once, and hands
// each failure to `report`. A target keeps its old content until then.
void FileWriteBatchBegin();
void FileWriteBatchCommit(bool (*report)(ErrorCode));

void* MemAlloc(UINT flags, std::size_t size);
// Sets the variable to 0, then frees the block; a variable holding 0 is left alone.
void MemFree(void** variable);

template <typename T>
void MemFree(T** variable) {
  void* block = *variable;
  *variable = nullptr;
  MemFree(&block);
}
