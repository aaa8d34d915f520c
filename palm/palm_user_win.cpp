#include "palm/palm_user.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "installer/install_rules.h"
#include "palm/user_list.h"
#include "platform/ansi_chars.h"
#include "platform/ansi_names.h"
#include "platform/file_layer.h"
#include "platform/registry.h"
#include "shell/message_texts.h"
#include "shell/number_format.h"
#include "shell/process_state.h"
#include "shell/text_builder.h"

PalmUser MainPalmUser;
char InstallFolder[kPathSize];
char InstallFlagName[kInstallFlagNameSize];

namespace {

constexpr char kUserListFile[] = "Users.dat";
constexpr char kInstallSubfolder[] = "\\Install";
constexpr char kHotSyncKey[] = "\\Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager\\\\";
constexpr char kWindowsTemp[] = "Temp\\";
constexpr int kProbeTries = 8;

char g_tempFolder[kPathSize];
char g_probeFile[kPathSize];
char g_program[kPathSize];
char g_desktopFolder[kPathSize];
char g_userListPath[kPathSize];

// The temporary folder as an 8-bit path: its own name, else its short name
// (a user name in another script), else the Windows folder's Temp.
bool FindTempFolder(ErrorCode* code) {
  wchar_t wide[kPathSize];
  const DWORD length = GetTempPathW(kPathSize, wide);
  if (length == 0) {
    *code = GetLastError();
    return false;
  }
  if (length < kPathSize && AnsiPathOf(wide, g_tempFolder, sizeof g_tempFolder)) return true;
  TextBuilder(g_tempFolder, sizeof g_tempFolder).Append(g_windowsFolder.text).Append(kWindowsTemp);
  return true;
}

// A new, empty probe file "<unique>.tmp.pdb" beside the unique file; a file of
// that name that is already there belongs to someone else and is passed over.
bool CreateProbeFile(char (&unique)[kPathSize], ErrorCode* code) {
  for (int attempt = 0; attempt < kProbeTries; ++attempt) {
    if (GetTempFileNameA(g_tempFolder, "", 0, unique) == 0) {
      *code = GetLastError();
      return false;
    }
    TextBuilder probe(g_probeFile, sizeof g_probeFile);
    probe.Append(unique).Append(".pdb");
    std::uint32_t size;
    ErrorCode failure = 0;
    if (!probe.Clipped() && FileOpen(g_probeFile, ModeCreateNew, &WriterSlot, &size, &failure)) {
      FileCloseWriter();
      return true;
    }
    if (failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS) break;
    DeleteFileA(unique);
  }
  // Not made: the lookup below fails and says so.
  g_probeFile[0] = 0;
  return true;
}

// Asks the shell which program opens a ".pdb" file, through an empty probe
// file that is gone again afterwards, whatever the answer.
bool FindPdbProgram(ErrorCode* code) {
  if (!FindTempFolder(code)) return false;
  char unique[kPathSize];
  if (!CreateProbeFile(unique, code)) return false;
  INT_PTR found = SE_ERR_FNF;
  if (g_probeFile[0] != 0) {
    char noFolder[] = "";
    found = reinterpret_cast<INT_PTR>(FindExecutableA(g_probeFile, noFolder, g_program));
    DeleteFileA(g_probeFile);
  }
  DeleteFileA(unique);
  if (found == 0) {
    *code = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  if (found < 32) {
    *code = msg::HotSyncNotFound;
    return false;
  }
  return true;
}

// The program's folder, up to and including its last backslash; a drive or
// "+x" prefix of two characters is always kept.
void DesktopFolderOf(const char* program, char (&folder)[kPathSize]) {
  const std::size_t length = std::strlen(program);
  const std::size_t prefix = length >= 3 && (program[0] == '+' || program[1] == ':') ? 2 : 0;
  const std::size_t after = AfterLastBackslash(program + prefix, length - prefix, IsAnsiLeadByte);
  const std::size_t end = prefix + after;
  std::memcpy(folder, program, end);
  folder[end] = 0;
}

bool IsFolder(const char* path, bool* exists) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  *exists = search != INVALID_HANDLE_VALUE;
  if (!*exists) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Creates the last component of `path` when missing; a file in its place fails
// with `notAFolder`.
bool EnsureFolder(const char* path, ErrorCode notAFolder, ErrorCode* code) {
  bool exists;
  if (IsFolder(path, &exists)) return true;
  if (exists) {
    *code = notAFolder;
    return false;
  }
  if (!CreateDirectoryA(path, nullptr)) {
    *code = GetLastError();
    return false;
  }
  return true;
}

}  // namespace

bool FindPalmUser(ErrorCode* code) {
  if (!FindPdbProgram(code)) return false;
  DesktopFolderOf(g_program, g_desktopFolder);
  CopyText(MainPalmUser.folder, sizeof MainPalmUser.folder, g_desktopFolder);
  TextBuilder listPath(g_userListPath, sizeof g_userListPath);
  listPath.Append(g_desktopFolder).Append(kUserListFile);
  bool exists;
  if (listPath.Clipped() || IsFolder(g_userListPath, &exists) || !exists) {
    *code = msg::UserFileMissing;
    return false;
  }
  void* image = nullptr;
  std::uint32_t size = 0;
  if (!FileReadAll(g_userListPath, 16, &image, &size, code)) return false;
  MainPalmUser.image = static_cast<std::uint8_t*>(image);

  UserRecord record;
  const UserLookup lookup = LookUpUser(MainPalmUser.image, size, MainPalmUser.name, IsAnsiLeadByte, &record);
  if (lookup == UserLookup::NotAvailable) {
    *code = msg::UserNotAvailable;
    return false;
  }
  // The folder, "\Install\", a component's name and the "~00" it is first
  // written under must fit in a path.
  const std::size_t base = std::strlen(MainPalmUser.folder);
  if (base + record.folderLength + sizeof kInstallSubfolder + kComponentFileNameSize - 1 + kWriteTempExtra >=
      kPathSize) {
    *code = msg::UserNotAvailable;
    return false;
  }
  std::memcpy(MainPalmUser.folder + base, record.folder, record.folderLength);
  MainPalmUser.folder[base + record.folderLength] = 0;
  MainPalmUser.id = record.id;
  MainPalmUser.recordTag = record.tag;
  if (lookup == UserLookup::NotMainUser) {
    *code = msg::NotMainUser;
    return false;
  }
  return true;
}

void MakeInstallFlagName() {
  char number[kDecimalTextSize];
  FormatDecimal(static_cast<std::int32_t>(MainPalmUser.id), 0, number, sizeof number);
  TextBuilder(InstallFlagName, sizeof InstallFlagName).Append("Install").Append(number);
}

bool PrepareInstallFolder(ErrorCode* code) {
  CopyText(InstallFolder, sizeof InstallFolder, MainPalmUser.folder);
  if (!EnsureFolder(InstallFolder, msg::UserFolderInvalid, code)) return false;
  TextBuilder path(InstallFolder + std::strlen(InstallFolder), sizeof InstallFolder - std::strlen(InstallFolder));
  path.Append(kInstallSubfolder);
  if (path.Clipped()) {
    *code = msg::UserNotAvailable;
    return false;
  }
  if (!EnsureFolder(InstallFolder, msg::InstallFolderInvalid, code)) return false;
  path.Append("\\");
  return true;
}

bool SetInstallFlag(std::uint32_t value, ErrorCode* code) {
  HKEY key;
  const char* valueName;
  if (!OpenKeyPath(HKEY_CURRENT_USER, kHotSyncKey, kCreateKeys | kCreateValue, &key, &valueName, code)) return false;
  const LONG written =
      RegSetValueExA(key, InstallFlagName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
  if (written != ERROR_SUCCESS) {
    *code = msg::RegWrite;
    return false;
  }
  return true;
}
