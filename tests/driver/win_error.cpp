#include "win_error.h"

std::string ErrorText(DWORD code) {
  std::string text = "error " + std::to_string(code);
  char message[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, message,
                                sizeof message, nullptr);
  if (length == 0 || length >= sizeof message) return text;
  std::string meaning(message, length);
  while (!meaning.empty() && (meaning.back() == '\n' || meaning.back() == '\r' || meaning.back() == ' '))
    meaning.pop_back();
  return meaning.empty() ? text : text + " (" + meaning + ")";
}
