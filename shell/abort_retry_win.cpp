#include "shell/abort_retry.h"

#include "platform/file_last_error.h"
#include "resources/resource_ids.h"
#include "shell/error_report.h"
#include "shell/message_lookup.h"
#include "shell/message_texts.h"
#include "shell/process_state.h"
#include "ui/message_map.h"

namespace {

constexpr int kRetryButton = 101;
constexpr int kAbortButton = 102;
constexpr int kFailureText = 103;
constexpr int kQuestionText = 104;

INT_PTR EndWithRetry(HWND window, UINT, WPARAM, LPARAM) {
  EndDialog(window, 1);
  return 0;
}

INT_PTR EndWithAbort(HWND window, UINT, WPARAM, LPARAM) {
  EndDialog(window, 0);
  return 0;
}

const CommandMapRow kPromptCommands[] = {
    {kRetryButton, EndWithRetry},
    {kAbortButton, EndWithAbort},
    {kEndOfCommandMap, nullptr},
};

INT_PTR SetUpPrompt(HWND window, UINT, WPARAM, LPARAM) {
  LookupMessage(FileLastError);
  SetDlgItemTextA(window, kFailureText, MessageBuffer);
  SetDlgItemTextA(window, kQuestionText, text::kAbortRetryQuestion);
  SetDlgItemTextA(window, kAbortButton, text::kAbortButton);
  SetDlgItemTextA(window, kRetryButton, text::kRetryButton);
  SetWindowTextA(window, text::kErrorBoxTitle);
  return 1;
}

INT_PTR RoutePromptCommand(HWND window, UINT message, WPARAM first, LPARAM second) {
  INT_PTR result = 0;
  DispatchCommandMap(kPromptCommands, window, message, first, second, &result);
  return result;
}

const MessageMapRow kPromptMessages[] = {
    {SetUpPrompt, WM_INITDIALOG},
    {RoutePromptCommand, WM_COMMAND},
    {kEndOfMessageMap, 0},
};

}  // namespace

extern "C" INT_PTR CALLBACK IS_RETRY(HWND window, UINT message, WPARAM first, LPARAM second) {
  INT_PTR result = 0;
  DispatchMessageMap(kPromptMessages, window, message, first, second, &result);
  return result;
}

IoAnswer IoError(ErrorCode code) {
  FileLastError = code;
  INT_PTR answer =
      DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_ABORT_RETRY), OwnerWindow(), IS_RETRY, 0);
  if (answer == 1) return IoAnswer::Retry;
  // The failure was shown and the transfer given up, whatever the caller does next.
  RecordOutcome(kExitFailed);
  return IoAnswer::Abort;
}
