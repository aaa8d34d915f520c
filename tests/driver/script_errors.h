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

// The machine lacks what the script needs (say, a small disk): exit code 77,
// which ctest counts as skipped.
struct StepSkipped : std::runtime_error {
  using std::runtime_error::runtime_error;
};
