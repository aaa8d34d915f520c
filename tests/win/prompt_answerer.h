// Stands in for the user while a test runs: answers the Abort/Retry prompts of
// this process from a second thread with the given buttons, in order (Abort
// once they run out), presses OK on every message box, and records what each
// showed.
#pragma once

#include <windows.h>

#include <atomic>
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

struct SeenBox {
  std::string caption, text;
  HWND owner = nullptr;
};

class PromptAnswerer {
 public:
  explicit PromptAnswerer(std::vector<int> buttons = {});
  ~PromptAnswerer();
  // Stops watching once no dialog is left open; returns the prompts seen.
  const std::vector<SeenPrompt>& Finish();
  const std::vector<SeenBox>& Boxes() const { return boxes_; }

 private:
  void Watch();
  void Answer(HWND prompt);

  DWORD thread_;
  std::vector<int> buttons_;
  std::size_t next_ = 0;
  std::vector<SeenPrompt> seen_;
  std::vector<SeenBox> boxes_;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};
