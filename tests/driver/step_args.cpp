#include "step_args.h"

#include "control_names.h"
#include "script_errors.h"
#include "script_lexer.h"

long long IntegerArg(const std::string& text, long long min, long long max) {
  std::optional<long long> value = ParseInteger(text);
  if (!value || *value < min || *value > max)
    throw ScriptError("expected an integer from " + std::to_string(min) + " to " + std::to_string(max) + ", got " +
                      text);
  return *value;
}

LONG_PTR ControlIdArg(const std::string& text) {
  if (std::optional<LONG_PTR> named = NamedControlId(text)) return *named;
  return static_cast<LONG_PTR>(IntegerArg(text, 0, 0xFFFFFFFFLL));
}

bool YesNoArg(const std::string& text) {
  if (text == "yes") return true;
  if (text == "no") return false;
  throw ScriptError("expected yes or no, got " + text);
}

namespace {

// VEXO_DEFAULT_TIMEOUT_MS lengthens the default where every program starts slower
// (the 32-bit run under qemu); timeouts a script writes out are bounds it checks.
DWORD DefaultTimeoutMs() {
  static const DWORD timeout = [] {
    char text[16];
    const DWORD length = GetEnvironmentVariableA("VEXO_DEFAULT_TIMEOUT_MS", text, sizeof text);
    if (length == 0 || length >= sizeof text) return kDefaultTimeoutMs;
    return static_cast<DWORD>(IntegerArg(text, 1, 24LL * 3600 * 1000));
  }();
  return timeout;
}

}  // namespace

DWORD TimeoutArg(const std::vector<std::string>& args, size_t index) {
  if (index >= args.size()) return DefaultTimeoutMs();
  return static_cast<DWORD>(IntegerArg(args[index], 0, 24LL * 3600 * 1000));
}

bool PollUntil(DWORD timeout_ms, const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
}

void ExpectEventually(DWORD timeout_ms, const std::string& what, const std::string& expected,
                      const std::function<std::string()>& observe) {
  std::string found;
  if (PollUntil(timeout_ms, [&] { return (found = observe()) == expected; })) return;
  throw StepFailure("expected " + what + " " + expected + ", found " + found + " (waited " +
                    std::to_string(timeout_ms) + " ms)");
}
