#include "tests/win/prompt_answerer.h"

#include "ui/abort_retry.h"

namespace {

// Marks a dialog already answered: a later one may get the same handle.
const char kAnswered[] = "VexoDialogAnswered";
constexpr int kMessageBoxText = 0xFFFF;

std::string Text(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM out) {
  char name[32];
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window) || GetPropA(window, kAnswered) != nullptr) {
    return TRUE;
  }
  // The prompt has a control 0xFFFF too (its frame); it is known by 103, and
  // is ready once its texts are set.
  if (GetDlgItem(window, 103) != nullptr) {
    if (Text(GetDlgItem(window, 104)).empty()) return TRUE;
  } else if (GetDlgItem(window, kMessageBoxText) == nullptr) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

}  // namespace

PromptAnswerer::PromptAnswerer(std::vector<int> buttons)
    : thread_(GetCurrentThreadId()), buttons_(std::move(buttons)) {
  // The prompt start-up hands the file layer.
  IoErrorPromptHook = IoError;
  worker_ = std::thread([this] { Watch(); });
}

PromptAnswerer::~PromptAnswerer() { Finish(); }

void PromptAnswerer::Watch() {
  for (;;) {
    HWND found = nullptr;
    EnumThreadWindows(thread_, FindDialog, reinterpret_cast<LPARAM>(&found));
    if (found == nullptr) {
      if (stop_) return;
      Sleep(5);
      continue;
    }
    SetPropA(found, kAnswered, reinterpret_cast<HANDLE>(1));
    if (GetDlgItem(found, 103) == nullptr) {
      boxes_.push_back({Text(found), Text(GetDlgItem(found, kMessageBoxText)), GetWindow(found, GW_OWNER)});
      PostMessageA(found, WM_COMMAND, IDOK, 0);
    } else {
      Answer(found);
    }
  }
}

void PromptAnswerer::Answer(HWND prompt) {
  SeenPrompt seen;
  seen.caption = Text(prompt);
  seen.failure = Text(GetDlgItem(prompt, 103));
  seen.question = Text(GetDlgItem(prompt, 104));
  seen.abort = Text(GetDlgItem(prompt, 102));
  seen.retry = Text(GetDlgItem(prompt, 101));
  seen.style = GetWindowLongA(prompt, GWL_STYLE);
  seen.owner = GetWindow(prompt, GW_OWNER);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread_, &info);
  seen.retryHasFocus = info.hwndFocus == GetDlgItem(prompt, 101);
  SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
  SendMessageA(prompt, WM_COMMAND, 999, 0);
  seen.survivedOtherCommands = IsWindow(prompt) && IsWindowVisible(prompt);
  seen_.push_back(seen);
  const int button = next_ < buttons_.size() ? buttons_[next_++] : kAbort;
  PostMessageA(prompt, WM_COMMAND, button, 0);
}

const std::vector<SeenPrompt>& PromptAnswerer::Finish() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
  return seen_;
}
