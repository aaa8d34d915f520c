#include "installer/main_window.h"

#include "resources/resource_ids.h"
#include "shell/instance_win.h"
#include "shell/process_state.h"
#include "ui/dialog_procs.h"
#include "ui/window_builder.h"

namespace {

// INTERIM: a plain modeless dialog stands in for the installer window until the
// installer arrives, so that start-up, the main loop and the single-instance
// rule run end to end through the window framework.
const MessageMapRow kMainWindowMessages[] = {
    {CloseMainWindow, WM_CLOSE},
    VEXO_STANDARD_MESSAGE_ROWS,
};
const CommandMapRow kMainWindowCommands[] = {{kEndOfCommandMap, nullptr}};
const ControlDescriptor kMainWindowRows[] = {{kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0}};

}  // namespace

bool SetUpMainWindow(ErrorCode* code) {
  HWND window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, DlgProc, 0);
  if (window == nullptr) {
    *code = GetLastError();
    return false;
  }
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMainWindowMessages, kMainWindowCommands, kMainWindowRows);
  ShowWindow(window, SW_SHOWNORMAL);
  return true;
}

INT_PTR CloseMainWindow(HWND, UINT, WPARAM, LPARAM) {
  WindowRecord* record = &WindowTable[kMainWindowRecord];
  if (record->window != nullptr) {
    DestroyWindow(record->window);
    ReleaseWindow(record);
  }
  return 0;
}
