#include "shell/abort_retry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_last_error.h"
#include "shell/error_report.h"
#include "shell/process_state.h"
#include "tests/win/prompt_answerer.h"
#include "ui/window_record.h"

namespace {

struct Prompt : ::testing::Test {
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ASSERT_TRUE(LoadMessageTable());
  }
};

TEST_F(Prompt, RetryAndAbortAreTheOnlyWaysOut) {
  PromptAnswerer answerer({kRetry, kAbort});
  g_exitCode = 0;
  EXPECT_EQ(IoError(0x20000101), IoAnswer::Retry);
  EXPECT_EQ(FileLastError, 0x20000101u);
  EXPECT_EQ(g_exitCode, 0u) << "a retried transfer may still succeed";
  EXPECT_EQ(IoError(0x20000105), IoAnswer::Abort);
  EXPECT_EQ(g_exitCode, 2u) << "an abandoned transfer ends the run as an error";
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].caption, "Palm Quasar Components Installer");
  EXPECT_EQ(seen[0].failure, "Attempted to read beyond the end of the file");
  EXPECT_EQ(seen[0].question, "Do you want to (A)bort or (R)etry?");
  EXPECT_EQ(seen[0].abort, "&Abort");
  EXPECT_EQ(seen[0].retry, "&Retry");
  EXPECT_EQ(seen[0].style & WS_SYSMENU, 0) << "no close box";
  EXPECT_EQ(static_cast<DWORD>(seen[0].style) & 0x90C000C4u, 0x90C000C4u);
  EXPECT_TRUE(seen[0].retryHasFocus);
  EXPECT_TRUE(seen[0].survivedOtherCommands) << "Esc's command and unknown ones do nothing";
  EXPECT_EQ(seen[0].owner, nullptr) << "no current window, no owner";
  EXPECT_EQ(seen[1].failure, "Bytes not all read from file");
}

TEST_F(Prompt, FailureTextsOfSystemCodesAndUnknownCodes) {
  PromptAnswerer answerer({kAbort, kAbort, kAbort});
  IoError(ERROR_DISK_FULL);
  IoError(0xFFF0);
  IoError(0x20000116);
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 3u);
  char expected[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_DISK_FULL, 0, expected,
                 sizeof expected, nullptr);
  std::string trimmed = expected;
  while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r')) trimmed.pop_back();
  EXPECT_FALSE(trimmed.empty());
  EXPECT_EQ(seen[0].failure.substr(0, trimmed.size()), trimmed);
  EXPECT_EQ(seen[1].failure, "Error 65520 has occured!");
  EXPECT_EQ(seen[2].failure, "Error 20000116 has occured!");
}

TEST_F(Prompt, CurrentWindowOwnsThePrompt) {
  HWND owner = CreateWindowExA(0, "#32770", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  AttachWindow(&WindowTable[kMainWindowRecord], owner);
  PromptAnswerer answerer({kRetry});
  EXPECT_EQ(IoError(5), IoAnswer::Retry);
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].owner, owner);
  ResetWindowTable();
  DestroyWindow(owner);
}

TEST_F(Prompt, APromptThatCannotBeShownAnswersAbort) {
  g_instance = GetModuleHandleA("kernel32.dll");  // a module without the template
  EXPECT_EQ(IoError(0x20000101), IoAnswer::Abort);
}

}  // namespace
