#pragma once

#include <stdexcept>

// The script itself is wrong (syntax, unknown name, bad argument): exit code 2.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The program under test did not behave as the step expects: exit code 1.
struct StepFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
