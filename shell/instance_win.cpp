#include "shell/instance_win.h"

#include "shell/message_texts.h"
#include "shell/process_state.h"
#include "ui/window_record.h"

namespace {

char g_probeText[8192];
// Held until the process ends; a second start finds it even before the first
// has a window.
constexpr char kInstanceMutex[] = "Local\\Zenti Vexo Component Installer";
constexpr UINT kActivationTimeout = 5000;

bool IsInstanceWindow(HWND window, const char* title) {
  GetWindowTextA(window, g_probeText, sizeof g_probeText);
  if (lstrcmpA(g_probeText, title) != 0) return false;
  GetClassNameA(window, g_probeText, sizeof g_probeText);
  return lstrcmpA(g_probeText, text::kDialogClass) == 0;
}

// Pre-order successor: first child, else next sibling, else the next sibling of
// the nearest ancestor that has one.
HWND NextWindow(HWND window) {
  if (HWND child = GetWindow(window, GW_CHILD)) return child;
  for (HWND at = window; at != nullptr; at = GetParent(at)) {
    if (HWND sibling = GetWindow(at, GW_HWNDNEXT)) return sibling;
  }
  return nullptr;
}

}  // namespace

HWND FindRunningInstance(const char* title) {
  for (HWND window = GetDesktopWindow(); window != nullptr; window = NextWindow(window)) {
    if (IsInstanceWindow(window, title)) return window;
  }
  return nullptr;
}

bool HandOverToRunningInstance() {
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutex);
  const DWORD made = GetLastError();
  // A first instance that runs elevated holds a mutex this one may not open.
  const bool another = mutex != nullptr ? made == ERROR_ALREADY_EXISTS : made == ERROR_ACCESS_DENIED;
  if (HWND running = FindRunningInstance(text::kMainWindowTitle)) {
    DWORD_PTR ignored;
    if (SendMessageTimeoutA(running, WM_USER, kActivationRequest, 0, SMTO_ABORTIFHUNG, kActivationTimeout,
                            &ignored)) {
      return true;
    }
  }
  return another;
}

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
