#include "installer/main_window.h"

#include <shellapi.h>

#include <cstring>

#include "archive/extract.h"
#include "base/message_texts.h"
#include "base/text_builder.h"
#include "installer/choice_marks.h"
#include "installer/install_command.h"
#include "installer/install_rules.h"
#include "installer/main_window_rows.h"
#include "installer/palm_setup.h"
#include "installer/selection.h"
#include "palm/palm_user.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"
#include "resources/resource_ids.h"
#include "ui/backdrop.h"
#include "ui/dialog_procs.h"
#include "ui/window_builder.h"
#include "ui/window_rules.h"

namespace {

constexpr char kArchiveFile[] = "+CVexo.qpk";
constexpr char kOtherInstallerName[] = "Setup.exe";
constexpr char kOtherInstaller[] = "+CSetup.exe";

const MessageMapRow kMainWindowMessages[] = {
    {CancelMainWindow, WM_CLOSE},
    {QuitRuleHandler, WM_DESTROY},
    {PaintMainWindow, WM_PAINT},
    {RefitBackdrop, WM_DISPLAYCHANGE},
    {RefitBackdrop, WM_SYSCOLORCHANGE},
    {ClickPicture, WM_LBUTTONDOWN},
    VEXO_STANDARD_MESSAGE_ROWS,
};

const CommandMapRow kMainWindowCommands[] = {
    {IDC_INSTALL, InstallCommand},
    {IDC_CANCEL, CancelMainWindow},
    {IDC_LANGUAGE_UK, UpdateDataSize}, {IDC_LANGUAGE_FR, UpdateDataSize}, {IDC_LANGUAGE_GE, UpdateDataSize},
    {IDC_LANGUAGE_IT, UpdateDataSize}, {IDC_LANGUAGE_SP, UpdateDataSize}, {IDC_LEVEL_1, UpdateDataSize},
    {IDC_LEVEL_2, UpdateDataSize},     {IDC_LEVEL_3, UpdateDataSize},     {IDC_LEVEL_4, UpdateDataSize},
    {IDC_LEVEL_5, UpdateDataSize},     {IDC_LEVEL_6, UpdateDataSize},     {IDC_LEVEL_7, UpdateDataSize},
    {IDC_LEVEL_8, UpdateDataSize},     {IDC_LEVEL_9, UpdateDataSize},
    {kEndOfCommandMap, nullptr},
};

// A plain file of that name exists (a folder of that name does not count).
bool FileIsThere(const char* prefixedName, const char** resolved) {
  ErrorCode ignored;
  if (!ResolveFileName(prefixedName, resolved, &ignored)) return false;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(*resolved, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// ShellExecuteA's own failure values (below 33) as the system error codes whose
// texts say the same; the others already are system error codes.
constexpr struct {
  INT_PTR result;
  ErrorCode code;
} kStartFailures[] = {
    {0, ERROR_NOT_ENOUGH_MEMORY},
    {SE_ERR_SHARE, ERROR_SHARING_VIOLATION},
    {SE_ERR_ASSOCINCOMPLETE, ERROR_NO_ASSOCIATION},
    {SE_ERR_DDETIMEOUT, ERROR_DDE_FAIL},
    {SE_ERR_DDEFAIL, ERROR_DDE_FAIL},
    {SE_ERR_DDEBUSY, ERROR_DDE_FAIL},
    {SE_ERR_NOASSOC, ERROR_NO_ASSOCIATION},
    {SE_ERR_DLLNOTFOUND, ERROR_DLL_NOT_FOUND},
};

ErrorCode StartFailure(INT_PTR result) {
  for (const auto& failure : kStartFailures) {
    if (failure.result == result) return failure.code;
  }
  return static_cast<ErrorCode>(result);
}

// Without the archive but beside the other installer, that one is started by
// its full path in the installer's own folder, and this one ends; a start that
// fails is reported.
bool CheckForArchive(ErrorCode* code) {
  const char* name = nullptr;
  if (FileIsThere(kArchiveFile, &name)) return true;
  if (!FileIsThere(kOtherInstaller, &name)) return true;
  char program[kPathSize];
  TextBuilder path(program, sizeof program);
  path.Append(g_programFolder.text).Append(kOtherInstallerName);
  if (path.Clipped()) {
    *code = ERROR_FILENAME_EXCED_RANGE;
    return false;
  }
  const INT_PTR started =
      reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", program, nullptr, g_programFolder.text, SW_SHOW));
  *code = started > 32 ? 0 : StartFailure(started);
  return false;
}

}  // namespace

bool VerifyArchive(ErrorCode* code) {
  std::strcpy(ArchiveName, kArchiveFile);
  TargetFolder[0] = 0;
  return Extract(kVerifiedAtStart.creatorValue, kVerifiedAtStart.creatorMask, kVerifiedAtStart.typeValue,
                 kVerifiedAtStart.typeMask, nullptr, code);
}

bool SetUpMainWindow(ErrorCode* code) {
  HWND window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, DlgProc, 0);
  if (window == nullptr) {
    *code = GetLastError();
    return false;
  }
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMainWindowMessages, kMainWindowCommands, MainWindowRows);
  if (!LoadBackdrop(IDR_BACKDROP, code)) return false;
  FitBackdrop();
  if (!CheckForArchive(code)) return false;
  if (!RunPalmSetup(code)) return false;
  if (!FindPalmUser(code)) return false;
  MakeInstallFlagName();
  if (!PrepareInstallFolder(code)) return false;
  if (!VerifyArchive(code)) return false;
  ScanInstallFolder(false);
  ApplyInitialSelection();
  SetDlgItemTextA(window, IDC_PALM_USER, MainPalmUser.name);
  UpdateDataSize(window, 0, 0, 0);
  ShowWindow(window, SW_SHOWNORMAL);
  return true;
}

INT_PTR CancelMainWindow(HWND window, UINT message, WPARAM first, LPARAM second) {
  RecordOutcome(kExitCancelled);
  return CloseMainWindow(window, message, first, second);
}

INT_PTR CloseMainWindow(HWND, UINT, WPARAM, LPARAM) {
  ReleaseArchive();
  MemFree(&MainPalmUser.image);
  FreeBackdrop();
  WindowRecord* record = &WindowTable[kMainWindowRecord];
  if (record->window != nullptr) {
    DestroyWindow(record->window);
    ReleaseWindow(record);
  }
  return 0;
}
