#include "installer/main_window.h"

#include "resources/resource_ids.h"
#include "shell/instance_win.h"
#include "shell/process_state.h"
#include "ui/window_record.h"

namespace {

// INTERIM: a plain modeless dialog stands in for the installer window until the
// window framework and the installer arrive, so that start-up, the main loop and
// the single-instance rule run end to end.
INT_PTR CALLBACK InterimDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
  switch (message) {
    case WM_CLOSE:
      return CloseMainWindow(window, message, first, second);
    case WM_DESTROY:
      return QuitRuleHandler(window, message, first, second);
    case WM_USER:
      return ActivationHandler(window, message, first, second);
    default:
      return 0;
  }
}

}  // namespace

bool SetUpMainWindow(ErrorCode* code) {
  HWND window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, InterimDialogProc, 0);
  if (window == nullptr) {
    *code = GetLastError();
    return false;
  }
  AttachWindow(&WindowTable[kMainWindowRecord], window);
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
