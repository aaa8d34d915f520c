#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "session.h"

using Args = std::vector<std::string>;
using Handler = void (*)(Session& session, const Args& args);

// The max_args of a command that takes a list of any length.
constexpr size_t kAnyNumber = SIZE_MAX;

// One script command: its name, how many arguments it takes, and what runs it.
struct Command {
  const char* name;
  size_t min_args;
  size_t max_args;
  Handler run;
};

const Command* FindCommand(std::string_view name);
