#include "platform/file_layer.h"

#include <cstring>

#include "base/message_texts.h"
#include "base/text_builder.h"
#include "platform/ansi_chars.h"
#include "platform/ansi_names.h"
#include "platform/process_state.h"

HANDLE LastOpenedHandle;
HANDLE ReaderSlot;
HANDLE WriterSlot;
std::uint8_t IoBuffer[kIoBufferSize];
DWORD SavedPosition;
IoErrorPrompt IoErrorPromptHook;
char ResolvedName[kPathSize];
FolderText CurrentFolderBase;

namespace {

struct OpenMode {
  std::uint32_t code;
  DWORD access;
  DWORD sharing;
  DWORD disposition;
  DWORD flags;
  bool toEnd;
};

constexpr OpenMode kOpenModes[] = {
    {ModeRead, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, false},
    {ModeReadWrite, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
     FILE_ATTRIBUTE_ARCHIVE, false},
    {ModeCreate, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, false},
    {ModeAppend, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, true},
    {ModeCreateNew, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, false},
    {ModeCheck, GENERIC_READ | DELETE, FILE_SHARE_READ, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, false},
};
constexpr OpenMode kOtherMode = {
    0, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, false};

// A component's new file, written and still open, waiting to take its name.
struct PendingFile {
  char target[kPathSize];
  char temp[kPathSize];
  HANDLE file;  // nullptr while the entry is free
};

// One Install names at most one file per component row (27); a batch with more
// names moves each further file into place as soon as it is written.
PendingFile PendingFiles[32];
bool Batching;
int NextTempNumber;  // the next "~NN" to try, kept across writes

const OpenMode& FindMode(std::uint32_t code) {
  for (const OpenMode& mode : kOpenModes) {
    if (mode.code == code) return mode;
  }
  return kOtherMode;
}

// Own codes go out through SetLastError and come back with GetLastError, the
// same road as the system's.
ErrorCode Raise(ErrorCode code) {
  SetLastError(code);
  return GetLastError();
}

ErrorCode Fail(ErrorCode code, ErrorCode* out) {
  FileLastError = code;
  *out = code;
  return code;
}

// Closes a slot without disturbing the caller's last error.
void CloseSlot(HANDLE* slot) {
  if (*slot == nullptr) return;
  const DWORD kept = GetLastError();
  CloseHandle(*slot);
  *slot = nullptr;
  SetLastError(kept);
}

// SetFilePointer's answer 0xFFFFFFFF is also a position a file can be at; only
// the last error tells a failure from it.
bool MovedTo(DWORD position) { return position != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR; }

// Back to a saved position, which may lie at 2 GiB or beyond: with a high part
// given, the low part counts as unsigned instead of as a negative distance.
bool ReturnTo(HANDLE file, DWORD position) {
  LONG high = 0;
  SetLastError(NO_ERROR);
  return MovedTo(SetFilePointer(file, static_cast<LONG>(position), &high, FILE_BEGIN));
}

// Asks Abort or Retry about a failed transfer; without a prompt the answer is Abort.
bool AnsweredAbort(ErrorCode failure) {
  return IoErrorPromptHook == nullptr || IoErrorPromptHook(failure) == IoAnswer::Abort;
}

// Save the position, attempt, and on failure ask: Retry goes back to the saved
// position and attempts again, Abort closes the file and clears its holder.
template <typename Attempt>
bool Guarded(HANDLE* holder, Attempt attempt, ErrorCode* code) {
  SavedPosition = SetFilePointer(*holder, 0, nullptr, FILE_CURRENT);
  for (;;) {
    FileLastError = 0;
    ErrorCode failure = attempt();
    if (failure == 0) return true;
    for (;;) {
      if (AnsweredAbort(failure)) {
        CloseSlot(holder);
        *code = failure;
        return false;
      }
      if (ReturnTo(*holder, SavedPosition)) break;
      failure = GetLastError();
    }
  }
}

// A target that another program holds open cannot be replaced: say so before
// anything is written, as the open of the target itself would.
bool TargetIsFree(const char* target, ErrorCode* code) {
  HANDLE file = CreateFileA(target, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return true;
  }
  const ErrorCode failure = GetLastError();
  if (failure == ERROR_FILE_NOT_FOUND) return true;
  Fail(failure, code);
  return false;
}

// A new file in the target's folder, named "~NN" and the target's name, opened
// in the writer slot; an existing file or link of that name is passed over.
// The number goes on from the last one taken, so names found taken once are not
// tried again for every write.
bool CreateWriteTemp(const char* target, char (&temp)[kPathSize], ErrorCode* code) {
  const std::size_t folderLength = AfterLastBackslash(target, std::strlen(target), IsAnsiLeadByte);
  for (; NextTempNumber < kWriteTempTries; ++NextTempNumber) {
    char number[kWriteTempExtra + 1];
    WriteTempPrefix(NextTempNumber, number);
    TextBuilder name(temp, sizeof temp);
    name.Append(target, folderLength).Append(number).Append(target + folderLength);
    if (name.Clipped()) {
      Fail(ERROR_FILENAME_EXCED_RANGE, code);
      return false;
    }
    // Opened directly: a new file's size needs no look-up.
    WriterSlot = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (WriterSlot != INVALID_HANDLE_VALUE) return true;
    WriterSlot = nullptr;
    const ErrorCode failure = GetLastError();
    if (failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS) {
      Fail(failure, code);
      return false;
    }
  }
  Fail(ERROR_FILE_EXISTS, code);
  return false;
}

// Antivirus and indexing programs open each new file for a moment, without
// sharing delete, as soon as it is closed; the move waits a little for them
// before it asks Abort or Retry.
constexpr DWORD kMoveWaitStep = 50;
constexpr int kMoveWaits = 40;

bool MoveIntoPlace(const char* temp, const char* target, ErrorCode* code) {
  for (;;) {
    ErrorCode failure = 0;
    for (int waits = 0;; ++waits) {
      if (MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
      failure = GetLastError();
      if ((failure != ERROR_SHARING_VIOLATION && failure != ERROR_ACCESS_DENIED) || waits == kMoveWaits) break;
      Sleep(kMoveWaitStep);
    }
    if (AnsweredAbort(failure)) {
      Fail(failure, code);
      return false;
    }
  }
}

PendingFile* FindPending(const char* target) {
  for (PendingFile& pending : PendingFiles) {
    if (pending.file != nullptr && std::strcmp(pending.target, target) == 0) return &pending;
  }
  return nullptr;
}

PendingFile* FreePending() {
  for (PendingFile& pending : PendingFiles) {
    if (pending.file == nullptr) return &pending;
  }
  return nullptr;
}

bool StartPending(const char* target, PendingFile* pending, ErrorCode* code) {
  if (!CopyText(pending->target, sizeof pending->target, target)) {
    Fail(ERROR_FILENAME_EXCED_RANGE, code);
    return false;
  }
  if (!TargetIsFree(target, code) || !CreateWriteTemp(target, pending->temp, code)) return false;
  pending->file = WriterSlot;
  WriterSlot = nullptr;
  return true;
}

// The whole content from the start, also over what an earlier write of the batch left.
bool WritePending(PendingFile* pending, bool again, const void* data, std::uint32_t count, ErrorCode* code) {
  WriterSlot = pending->file;
  ErrorCode failure = 0;
  if (again && !ReturnTo(WriterSlot, 0)) failure = GetLastError();
  bool written = failure == 0 && (count == 0 || FileWrite(&WriterSlot, data, count, code));
  if (written && again && !SetEndOfFile(WriterSlot)) failure = GetLastError();
  pending->file = WriterSlot;
  WriterSlot = nullptr;
  if (failure == 0) return written;
  Fail(failure, code);
  return false;
}

void DiscardPending(PendingFile* pending) {
  CloseSlot(&pending->file);
  DeleteFileA(pending->temp);
}

bool CommitPending(PendingFile* pending, ErrorCode* code) {
  // On disk before it takes the target's name, so a crash never leaves an empty file there.
  ErrorCode failure = 0;
  if (!FlushFileBuffers(pending->file)) failure = GetLastError();
  CloseSlot(&pending->file);
  if (failure == 0) {
    if (MoveIntoPlace(pending->temp, pending->target, code)) return true;
  } else {
    Fail(failure, code);
  }
  DeleteFileA(pending->temp);
  return false;
}

}  // namespace

bool ResolveFileName(const char* name, const char** resolved, ErrorCode* code) {
  const BaseFolders bases = {&CurrentFolderBase, &g_windowsFolder, &g_systemFolder};
  if (ResolvePrefixedName(name, bases, ResolvedName, sizeof ResolvedName, resolved)) return true;
  *code = ERROR_FILENAME_EXCED_RANGE;
  return false;
}

bool JoinPath(char* folder, const char* name) { return JoinPathIn(folder, kPathSize, name, IsAnsiLeadByte); }

bool FileOpen(const char* name, std::uint32_t modeCode, HANDLE* handle, std::uint32_t* size, ErrorCode* code) {
  const char* path = nullptr;
  if (!ResolveFileName(name, &path, code)) {
    Fail(*code, code);
    return false;
  }
  const OpenMode& mode = FindMode(modeCode);
  HANDLE file = CreateFileA(path, mode.access, mode.sharing, nullptr, mode.disposition, mode.flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    LastOpenedHandle = INVALID_HANDLE_VALUE;
    Fail(GetLastError(), code);
    return false;
  }
  // The size alone: GetFileInformationByHandle also asks for the volume's serial
  // number, which costs Wine a round trip to its mount manager on every open.
  DWORD sizeHigh = 0;
  SetLastError(NO_ERROR);
  const DWORD sizeLow = GetFileSize(file, &sizeHigh);
  ErrorCode failure = 0;
  if (sizeLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    failure = GetLastError();
  } else if (sizeHigh != 0) {
    failure = Raise(msg::FileTooLarge);
  } else if (mode.toEnd && SetFilePointer(file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER) {
    failure = GetLastError();
  }
  if (failure != 0) {
    CloseHandle(file);
    LastOpenedHandle = nullptr;
    Fail(failure, code);
    return false;
  }
  LastOpenedHandle = file;
  *handle = file;
  *size = sizeLow;
  return true;
}

void FileCloseReader() { CloseSlot(&ReaderSlot); }

void FileCloseWriter() { CloseSlot(&WriterSlot); }

bool FileRead(HANDLE* holder, void* buffer, std::uint32_t count, ErrorCode* code) {
  return Guarded(holder, [&]() -> ErrorCode {
    DWORD done = 0;
    if (!ReadFile(*holder, buffer, count, &done, nullptr)) return GetLastError();
    if (done == 0) return Raise(msg::ReadPastEnd);
    if (done < count) return Raise(msg::NotAllRead);
    return 0;
  }, code);
}

bool FileWrite(HANDLE* holder, const void* data, std::uint32_t count, ErrorCode* code) {
  return Guarded(holder, [&]() -> ErrorCode {
    DWORD done = 0;
    if (!WriteFile(*holder, data, count, &done, nullptr)) return GetLastError();
    if (done < count) return Raise(msg::NotAllWritten);
    return 0;
  }, code);
}

bool FileSeek(HANDLE* holder, std::int32_t offset, DWORD method, DWORD* position, ErrorCode* code) {
  return Guarded(holder, [&]() -> ErrorCode {
    SetLastError(NO_ERROR);
    const DWORD moved = SetFilePointer(*holder, offset, nullptr, method);
    if (!MovedTo(moved)) return GetLastError();
    *position = moved;
    return 0;
  }, code);
}

bool FileFillBuffer(std::uint32_t wanted, std::uint32_t already, std::uint32_t* read, std::uint32_t* unread,
                    ErrorCode* code) {
  *read = 0;
  *unread = wanted;
  if (wanted == 0) return true;
  if (already >= kIoBufferSize) {
    *code = msg::ExceedsBuffer;
    return false;
  }
  const std::uint32_t room = static_cast<std::uint32_t>(kIoBufferSize) - already;
  const std::uint32_t count = wanted < room ? wanted : room;
  if (!FileRead(&ReaderSlot, IoBuffer + already, count, code)) return false;
  *read = count;
  *unread = wanted - count;
  return true;
}

bool FileReadAll(const char* name, std::uint32_t extra, void** block, std::uint32_t* size, ErrorCode* code) {
  HANDLE file;
  std::uint32_t fileSize;
  if (!FileOpen(name, ModeRead, &file, &fileSize, code)) return false;
  // Size and extra bytes together must fit in 32 bits, or the block would be
  // smaller than the read that follows.
  void* data = nullptr;
  if (fileSize <= 0xFFFFFFFFu - extra) data = MemAlloc(GMEM_FIXED | GMEM_ZEROINIT, std::size_t{fileSize} + extra);
  if (data == nullptr) {
    CloseSlot(&LastOpenedHandle);
    *code = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  if (fileSize != 0 && !FileRead(&LastOpenedHandle, data, fileSize, code)) {
    CloseSlot(&LastOpenedHandle);
    MemFree(&data);
    return false;
  }
  CloseSlot(&LastOpenedHandle);
  *block = data;
  *size = fileSize;
  return true;
}

namespace {

// The file behind the one mapped view, open until FileUnmap.
HANDLE g_mappedFile;
// What an empty file maps to: Windows maps no file of 0 bytes.
const std::uint8_t kNoBytes[1] = {};

}  // namespace

bool FileMapAll(const char* name, const std::uint8_t** view, std::uint32_t* size, ErrorCode* code) {
  FileUnmap(view);
  HANDLE file;
  std::uint32_t fileSize;
  if (!FileOpen(name, ModeRead, &file, &fileSize, code)) return false;
  LastOpenedHandle = nullptr;
  if (fileSize == 0) {
    CloseHandle(file);
    *view = kNoBytes;
    *size = 0;
    return true;
  }
  HANDLE section = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  const void* mapped = section != nullptr ? MapViewOfFile(section, FILE_MAP_READ, 0, 0, 0) : nullptr;
  const ErrorCode failure = mapped == nullptr ? GetLastError() : 0;
  if (section != nullptr) CloseHandle(section);
  if (mapped == nullptr) {
    CloseHandle(file);
    Fail(failure != 0 ? failure : ERROR_NOT_ENOUGH_MEMORY, code);
    return false;
  }
  g_mappedFile = file;
  *view = static_cast<const std::uint8_t*>(mapped);
  *size = fileSize;
  return true;
}

void FileUnmap(const std::uint8_t** view) {
  const std::uint8_t* mapped = *view;
  if (mapped == nullptr) return;
  *view = nullptr;
  if (mapped != kNoBytes) UnmapViewOfFile(mapped);
  CloseSlot(&g_mappedFile);
}

bool FileWriteAll(const char* name, const void* data, std::uint32_t count, ErrorCode* code) {
  const char* target = nullptr;
  if (!ResolveFileName(name, &target, code)) {
    Fail(ERROR_FILENAME_EXCED_RANGE, code);
    return false;
  }
  PendingFile single = {};
  PendingFile* pending = Batching ? FindPending(target) : nullptr;
  const bool again = pending != nullptr;
  if (!again) {
    pending = Batching ? FreePending() : nullptr;
    if (pending == nullptr) pending = &single;
    if (!StartPending(target, pending, code)) return false;
  }
  if (!WritePending(pending, again, data, count, code)) {
    DiscardPending(pending);
    return false;
  }
  return pending != &single || CommitPending(pending, code);
}

void FileWriteBatchBegin() { Batching = true; }

void FileWriteBatchCommit(bool (*report)(ErrorCode)) {
  Batching = false;
  for (PendingFile& pending : PendingFiles) {
    ErrorCode code = 0;
    if (pending.file != nullptr && !CommitPending(&pending, &code)) report(code);
  }
}

void* MemAlloc(UINT flags, std::size_t size) { return reinterpret_cast<void*>(GlobalAlloc(flags, size)); }

void MemFree(void** variable) {
  void* block = *variable;
  if (block == nullptr) return;
  *variable = nullptr;
  GlobalFree(reinterpret_cast<HGLOBAL>(block));
}
