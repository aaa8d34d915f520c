#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>

#include "code_page_text.h"
#include "commands.h"
#include "script_errors.h"
#include "system_texts.h"
#include "script_lexer.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitSkipped = 77;

struct Step {
  int line;
  std::string text;
  const Command* command;
  Args args;
};

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::string value(size, '\0');
  DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), size);
  if (length >= size) return std::nullopt;
  value.resize(length);
  return value;
}

std::string Trimmed(const std::string& line) {
  size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// Reads and checks the whole script before anything runs, so a typo never leaves a half-run test.
std::vector<Step> ParseScript(const char* path, const VariableLookup& lookup) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ScriptError(std::string("cannot read ") + path);
  std::vector<Step> steps;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    try {
      std::vector<std::string> tokens = Tokenize(line, lookup);
      if (tokens.empty()) continue;
      if (tokens[0] == "include") {
        // Shared preparation, such as a machine ready for the installer.
        if (tokens.size() != 2) throw ScriptError("include takes 1 argument");
        for (Step& step : ParseScript(tokens[1].c_str(), lookup)) {
          step.text = "[" + tokens[1] + ":" + std::to_string(step.line) + "] " + step.text;
          step.line = number;
          steps.push_back(std::move(step));
        }
        continue;
      }
      const Command* command = FindCommand(tokens[0]);
      if (!command) throw ScriptError("unknown command " + tokens[0]);
      Args args(tokens.begin() + 1, tokens.end());
      // set-env takes its value in UTF-8 and hands it over as wide text.
      if (tokens[0] != "set-env") std::transform(args.begin(), args.end(), args.begin(), InAnsiCodePage);
      if (args.size() < command->min_args || args.size() > command->max_args) {
        std::string range = std::to_string(command->min_args);
        if (command->max_args == kAnyNumber)
          range = "at least " + range;
        else if (command->max_args != command->min_args)
          range += " to " + std::to_string(command->max_args);
        throw ScriptError(tokens[0] + " takes " + range + " arguments, got " + std::to_string(args.size()));
      }
      steps.push_back(Step{number, Trimmed(line), command, std::move(args)});
    } catch (const ScriptError& e) {
      throw ScriptError(std::string(path) + ":" + std::to_string(number) + ": " + e.what());
    }
  }
  return steps;
}

int RunSteps(const char* path, const std::vector<Step>& steps) {
  Session session;
  for (const Step& step : steps) {
    std::printf("%d: %s\n", step.line, step.text.c_str());
    std::fflush(stdout);
    try {
      step.command->run(session, step.args);
    } catch (const StepFailure& e) {
      std::fprintf(stderr, "%s:%d: %s\n", path, step.line, e.what());
      session.TerminateRunning();
      return kExitFailed;
    } catch (const StepSkipped& e) {
      std::printf("%s:%d: skipped: %s\n", path, step.line, e.what());
      session.TerminateRunning();
      return kExitSkipped;
    } catch (const ScriptError& e) {
      std::fprintf(stderr, "%s:%d: %s\n", path, step.line, e.what());
      session.TerminateRunning();
      return kExitUsage;
    }
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Scenarios plant DLLs in the folder the driver runs in; the driver takes none.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (argc < 2) {
    std::fprintf(stderr, "usage: driver SCRIPT [NAME=VALUE ...]\n");
    return kExitUsage;
  }
  std::map<std::string, std::string> given;
  for (int i = 2; i < argc; ++i) {
    std::string pair = argv[i];
    size_t equals = pair.find('=');
    if (equals == std::string::npos || equals == 0) {
      std::fprintf(stderr, "usage: driver SCRIPT [NAME=VALUE ...]; %s is not NAME=VALUE\n", argv[i]);
      return kExitUsage;
    }
    given[pair.substr(0, equals)] = pair.substr(equals + 1);
  }
  VariableLookup lookup = [&given](const std::string& name) -> std::optional<std::string> {
    auto it = given.find(name);
    if (it != given.end()) return it->second;
    if (auto text = SystemText(name)) return text;
    return EnvironmentVariable(name);
  };
  try {
    return RunSteps(argv[1], ParseScript(argv[1], lookup));
  } catch (const ScriptError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: driver error: %s\n", argv[1], e.what());
    return kExitFailed;
  }
}
