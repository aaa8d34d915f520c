// Answers Abort/Retry prompts of this process from a second thread, as a user
// would, and records what each prompt showed.
#pragma once

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

constexpr int kRetry = 101;
constexpr int kAbort = 102;

struct SeenPrompt {
  std::string caption, failure, question, abort, retry;
  LONG style = 0;
  HWND owner = nullptr;
  bool retryHasFocus = false;
  bool survivedOtherCommands = false;
};

class PromptAnswerer {
 public:
  // Answers one prompt per button, in order, for prompts of the calling thread.
  explicit PromptAnswerer(std::vector<int> buttons);
  ~PromptAnswerer();
  // Waits for the answering thread; returns what the prompts showed.
  const std::vector<SeenPrompt>& Finish();

 private:
  DWORD thread_;
  std::vector<int> buttons_;
  std::vector<SeenPrompt> seen_;
  std::thread worker_;
};
