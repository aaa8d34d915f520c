#include "shell/abort_retry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/file_last_error.h"
#include "shell/error_report.h"
#include "shell/message_texts.h"
#include "shell/process_state.h"
#include "ui/window_record.h"

namespace {

std::string Text(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// What the answering thread saw of the prompt.
struct Seen {
  std::string caption, failure, question, abort, retry;
  LONG style = 0;
  HWND owner = nullptr;
  HWND focus = nullptr;
  bool ignoredCommands = false;
};

HWND WaitForPrompt(DWORD thread) {
  for (int i = 0; i < 1000; ++i) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND w, LPARAM out) -> BOOL {
          char cls[32];
          GetClassNameA(w, cls, sizeof cls);
          if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w) && GetDlgItem(w, 103) != nullptr) {
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found != nullptr && !Text(GetDlgItem(found, 104)).empty()) return found;
    Sleep(10);
  }
  return nullptr;
}

// Answers one prompt from another thread, as a user would: after trying the
// commands that must not end it.
std::thread Answer(int button, Seen* seen) {
  DWORD thread = GetCurrentThreadId();
  return std::thread([=] {
    HWND prompt = WaitForPrompt(thread);
    if (prompt == nullptr) return;
    seen->caption = Text(prompt);
    seen->failure = Text(GetDlgItem(prompt, 103));
    seen->question = Text(GetDlgItem(prompt, 104));
    seen->abort = Text(GetDlgItem(prompt, 102));
    seen->retry = Text(GetDlgItem(prompt, 101));
    seen->style = GetWindowLongA(prompt, GWL_STYLE);
    seen->owner = GetWindow(prompt, GW_OWNER);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    seen->focus = info.hwndFocus == GetDlgItem(prompt, 101) ? info.hwndFocus : nullptr;
    SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    SendMessageA(prompt, WM_COMMAND, 999, 0);
    seen->ignoredCommands = IsWindow(prompt) && IsWindowVisible(prompt);
    PostMessageA(GetDlgItem(prompt, button), BM_CLICK, 0, 0);
  });
}

struct Prompt : ::testing::Test {
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ASSERT_TRUE(LoadMessageTable());
  }
};

TEST_F(Prompt, RetryAndAbortAreTheOnlyWaysOut) {
  Seen seen;
  std::thread answering = Answer(101, &seen);
  EXPECT_EQ(IoError(0x20000101), IoAnswer::Retry);
  answering.join();
  EXPECT_EQ(seen.caption, text::kErrorBoxTitle);
  EXPECT_EQ(seen.failure, "Attempted to read beyond the end of the file");
  EXPECT_EQ(seen.question, "Do you want to (A)bort or (R)etry?");
  EXPECT_EQ(seen.abort, "&Abort");
  EXPECT_EQ(seen.retry, "&Retry");
  EXPECT_EQ(seen.style & WS_SYSMENU, 0) << "no close box";
  EXPECT_EQ(static_cast<DWORD>(seen.style) & 0x90C000C4u, 0x90C000C4u);
  EXPECT_NE(seen.focus, nullptr) << "Retry has the focus";
  EXPECT_TRUE(seen.ignoredCommands) << "Esc's command and unknown ones do nothing";
  EXPECT_EQ(seen.owner, nullptr) << "no current window, no owner";
  EXPECT_EQ(FileLastError, 0x20000101u);

  std::thread aborting = Answer(102, &seen);
  EXPECT_EQ(IoError(0x20000105), IoAnswer::Abort);
  aborting.join();
  EXPECT_EQ(seen.failure, "Bytes not all read from file");
}

TEST_F(Prompt, FailureTextsOfSystemCodesAndUnknownCodes) {
  Seen seen;
  std::thread a = Answer(102, &seen);
  IoError(ERROR_DISK_FULL);
  a.join();
  char expected[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_DISK_FULL, 0, expected,
                 sizeof expected, nullptr);
  std::string trimmed = expected;
  while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r')) trimmed.pop_back();
  EXPECT_EQ(seen.failure.substr(0, trimmed.size()), trimmed);

  std::thread b = Answer(102, &seen);
  IoError(0xFFF0);
  b.join();
  EXPECT_EQ(seen.failure, "Error 65520 has occured!");

  std::thread c = Answer(102, &seen);
  IoError(0x20000116);
  c.join();
  EXPECT_EQ(seen.failure, "Error 20000116 has occured!");
}

TEST_F(Prompt, CurrentWindowOwnsThePrompt) {
  HWND owner = CreateWindowExA(0, "#32770", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  AttachWindow(&WindowTable[kMainWindowRecord], owner);
  Seen seen;
  std::thread answering = Answer(101, &seen);
  EXPECT_EQ(IoError(5), IoAnswer::Retry);
  answering.join();
  EXPECT_EQ(seen.owner, owner);
  ResetWindowTable();
  DestroyWindow(owner);
}

TEST_F(Prompt, APromptThatCannotBeShownAnswersAbort) {
  g_instance = GetModuleHandleA("kernel32.dll");  // a module without the template
  EXPECT_EQ(IoError(0x20000101), IoAnswer::Abort);
}

}  // namespace
