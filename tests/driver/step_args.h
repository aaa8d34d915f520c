#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Argument conversions shared by the commands; a malformed argument is a ScriptError.

constexpr DWORD kDefaultTimeoutMs = 10000;

long long IntegerArg(const std::string& text, long long min, long long max);
LONG_PTR ControlIdArg(const std::string& text);
bool YesNoArg(const std::string& text);
// The optional timeout at `index`, or the default when the script leaves it out.
DWORD TimeoutArg(const std::vector<std::string>& args, size_t index);

// Calls `done` every 10 ms until it returns true or `timeout_ms` have passed; true when it succeeded.
bool PollUntil(DWORD timeout_ms, const std::function<bool()>& done);

// Polls `observe` until it shows `expected`; otherwise fails the step with `what` and the last value seen.
void ExpectEventually(DWORD timeout_ms, const std::string& what, const std::string& expected,
                      const std::function<std::string()>& observe);
