#include "tests/win/prompt_answerer.h"

namespace {

// Marks a prompt already answered: a later prompt may get the same handle.
const char kAnswered[] = "VexoPromptAnswered";

std::string Text(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK FindPrompt(HWND window, LPARAM out) {
  char name[32];
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && GetPropA(window, kAnswered) == nullptr &&
      GetDlgItem(window, 103) != nullptr &&
      !Text(GetDlgItem(window, 104)).empty()) {
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForPrompt(DWORD thread) {
  for (int i = 0; i < 4000; ++i) {
    HWND found = nullptr;
    EnumThreadWindows(thread, FindPrompt, reinterpret_cast<LPARAM>(&found));
    if (found != nullptr) return found;
    Sleep(5);
  }
  return nullptr;
}

}  // namespace

PromptAnswerer::PromptAnswerer(std::vector<int> buttons)
    : thread_(GetCurrentThreadId()), buttons_(std::move(buttons)) {
  worker_ = std::thread([this] {
    for (int button : buttons_) {
      HWND prompt = WaitForPrompt(thread_);
      if (prompt == nullptr) return;
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
      SetPropA(prompt, kAnswered, reinterpret_cast<HANDLE>(1));
      PostMessageA(prompt, WM_COMMAND, button, 0);
    }
  });
}

PromptAnswerer::~PromptAnswerer() {
  if (worker_.joinable()) worker_.join();
}

const std::vector<SeenPrompt>& PromptAnswerer::Finish() {
  if (worker_.joinable()) worker_.join();
  return seen_;
}
