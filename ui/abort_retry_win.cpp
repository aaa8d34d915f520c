#include "ui/abort_retry.h"

#include "base/message_lookup.h"
#include "base/message_texts.h"
#include "platform/file_last_error.h"
#include "platform/process_state.h"
#include "resources/resource_ids.h"
#include "ui/error_report.h"
#include "ui/message_map.h"

namespace {

INT_PTR EndWithRetry(HWND window, UINT, WPARAM, LPARAM) {
  EndDialog(window, 1);
  return 0;
}

INT_PTR EndWithAbort(HWND window, UINT, WPARAM, LPARAM) {
  EndDialog(window, 0);
  return 0;
}

const CommandMapRow kPromptCommands[] = {
    {IDC_PROMPT_RETRY, EndWithRetry},
    {IDC_PROMPT_ABORT, EndWithAbort},
    {kEndOfCommandMap, nullptr},
};

INT_PTR SetUpPrompt(HWND window, UINT, WPARAM, LPARAM) {
  LookupMessage(FileLastError);
  SetDlgItemTextA(window, IDC_PROMPT_FAILURE, MessageBuffer);
  SetDlgItemTextA(window, IDC_PROMPT_QUESTION, text::kAbortRetryQuestion);
  SetDlgItemTextA(window, IDC_PROMPT_ABORT, text::kAbortButton);
  SetDlgItemTextA(window, IDC_PROMPT_RETRY, text::kRetryButton);
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
