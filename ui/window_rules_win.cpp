#include "ui/window_rules.h"

#include "platform/process_state.h"
#include "ui/window_record.h"

INT_PTR QuitRuleHandler(HWND window, UINT, WPARAM, LPARAM) {
  for (const WindowRecord* record = WindowTable; !IsEndOfWindowTable(*record); ++record) {
    if (record->window != nullptr && record->window != window) return 0;
  }
  PostQuitMessage(static_cast<int>(g_exitCode));
  return 0;
}

INT_PTR ActivationHandler(HWND window, UINT, WPARAM first, LPARAM) {
  if (first != kActivationRequest) return 0;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  return 0;
}
