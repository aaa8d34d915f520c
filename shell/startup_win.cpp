#include "shell/startup_win.h"

#include <windows.h>

#include <cstring>

#include "installer/main_window.h"
#include "platform/ansi_chars.h"
#include "platform/ansi_names.h"
#include "shell/command_line_win.h"
#include "shell/error_report.h"
#include "shell/instance_win.h"
#include "shell/message_lookup.h"
#include "shell/message_texts.h"
#include "shell/process_state.h"
#include "shell/text_builder.h"
#include "ui/brush_cache.h"
#include "ui/window_record.h"

namespace {

MSG g_message;

void ReadFolder(UINT (WINAPI* read)(LPSTR, UINT), FolderText* folder) {
  UINT length = read(folder->text, sizeof folder->text);
  if (length >= sizeof folder->text) length = 0;
  folder->text[length] = 0;
  if (length > 0 && LastSingleByteChar(folder->text, length, IsAnsiLeadByte) != '\\' &&
      length + 1 < sizeof folder->text) {
    folder->text[length++] = '\\';
    folder->text[length] = 0;
  }
  folder->length = length;
}

void ResetProcessState() {
  ResetWindowTable();
  g_registrySecurity = {};
  g_registrySecurity.nLength = sizeof g_registrySecurity;
  ResetBrushCache();
}

// The installer trusts only its own folder: the archive and "Setup.exe" are
// looked for there, whatever folder it was started from. The current folder is
// set to it with its wide name, which works whatever script that name is in.
bool EnterProgramFolder(ErrorCode* code) {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    *code = length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE;
    return false;
  }
  DWORD end = length;
  while (end > 0 && folder[end - 1] != L'\\') --end;
  folder[end] = 0;
  if (end == 0 || !SetCurrentDirectoryW(folder)) {
    *code = end == 0 ? ERROR_PATH_NOT_FOUND : GetLastError();
    return false;
  }
  if (!AnsiPathOf(folder, g_programFolder.text, sizeof g_programFolder.text)) {
    CopyText(g_programFolder.text, sizeof g_programFolder.text, ".\\");
  }
  g_programFolder.length = static_cast<std::uint32_t>(std::strlen(g_programFolder.text));
  return true;
}

bool ReadScreenResolution() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) {
    RecordOutcome(kExitFailed);
    if (ErrorCode code = GetLastError()) {
      LookupMessage(code);
      ShowErrorText(MessageBuffer);
    }
    return false;
  }
  g_pixelsPerInch = static_cast<std::uint32_t>(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return true;
}

// Everything before the main loop; false means stop.
bool StartUp() {
  if (HandOverToRunningInstance()) return false;
  ResetProcessState();
  ReadFolder(GetWindowsDirectoryA, &g_windowsFolder);
  ReadFolder(GetSystemDirectoryA, &g_systemFolder);
  ErrorCode code = 0;
  if (!EnterProgramFolder(&code)) return ShowError(code);
  if (!ReadScreenResolution()) return false;

  const char* failure = nullptr;
  if (!ParseCommandLine(&failure)) {
    // "/?" reaches here as a failure with the about text: a help request, no error.
    if (failure == text::kAbout) {
      ShowInErrorBox(failure);
    } else {
      ShowErrorText(failure);
    }
    return false;
  }
  if (g_aboutFlag != 0) {
    ShowInErrorBox(text::kAbout);
    return false;
  }
  if (!LoadMessageTable()) return ShowError(msg::ResourceMissing);

  if (!SetUpMainWindow(&code)) return ShowError(code);
  return true;
}

[[noreturn]] void RunMainLoop() {
  while (GetMessageA(&g_message, nullptr, 0, 0) > 0) {
    if (CurrentWindow != nullptr && CurrentWindow->accelerators != nullptr &&
        TranslateAcceleratorA(CurrentWindow->window, CurrentWindow->accelerators, &g_message)) {
      continue;
    }
    bool handled = false;
    for (WindowRecord* record = WindowTable; !handled && !IsEndOfWindowTable(*record); ++record) {
      handled = record->window != nullptr && IsDialogMessageA(record->window, &g_message);
    }
    if (handled) continue;
    TranslateMessage(&g_message);
    DispatchMessageA(&g_message);
  }
  DeleteCachedBrushes();
  ExitProcess(static_cast<UINT>(g_message.wParam));
}

}  // namespace

void RunInstaller() {
  g_instance = GetModuleHandleA(nullptr);
  if (!StartUp()) PostQuitMessage(static_cast<int>(g_exitCode));
  RunMainLoop();
}
