// The publisher's tool for the component archive Vexo.qpk.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "installer/component_table.h"
#include "tools/qpk/commands.h"
#include "vexo_version.h"

#ifdef _WIN32
// cmd and PowerShell hand "*.pdb" over as it is: the C runtime expands it.
int _dowildcard = -1;
#endif

namespace {

struct Arguments {
  std::vector<std::string> operands;
  bool strict = false, force = false, colour = false, mono = false;
  bool levelsGiven = false, languagesGiven = false;
  std::string levels, languages;
};

struct Command;
// Runs the command with its parsed arguments; returns the exit code.
using Handler = int (*)(const Command& command, const Arguments& args);

int Pack(const Command& command, const Arguments& args);
int List(const Command& command, const Arguments& args);
int Verify(const Command& command, const Arguments& args);
int Unpack(const Command& command, const Arguments& args);
int Export(const Command& command, const Arguments& args);

struct Command {
  const char* name;
  const char* usage;
  const char* options;  // the options it takes, separated by blanks
  Handler handler;
};

constexpr Command kCommands[] = {
    {"pack",
     "       qpk pack ARCHIVE FILE.pdb... [--strict]\n"
     "           pack Palm databases into a new archive; warns about each database the installer\n"
     "           will not install as it should and about a handheld kind left without an application\n"
     "           or common database\n",
     "--strict", Pack},
    {"list",
     "       qpk list ARCHIVE [--strict]\n"
     "           one line per entry: index, name, creator, type, size, checksum and what the\n"
     "           installer will do with it; then the warnings\n",
     "--strict", List},
    {"verify",
     "       qpk verify ARCHIVE [--strict]\n"
     "           check what the installer checks: the layout, entries that share no data bytes,\n"
     "           every checksum; then the warnings\n",
     "--strict", Verify},
    {"unpack",
     "       qpk unpack ARCHIVE FOLDER [--force]\n"
     "           write every entry's database into FOLDER under its database name; --force\n"
     "           replaces files already there\n",
     "--force", Unpack},
    {"export",
     "       qpk export ARCHIVE FOLDER --colour|--mono [--levels 1,3,5|all] [--languages UK,FR|all] [--force]\n"
     "                  [--strict]\n"
     "           write into FOLDER the files the installer puts into the Install folder for this\n"
     "           choice, named and made as it makes them: the application and common database of\n"
     "           that handheld, the levels (default none) and languages (default UK); --force\n"
     "           writes into a folder that is not empty, removing the game's files found there\n"
     "           first; warns when the handheld gets no application or common database\n",
     "--colour --mono --levels --languages --force --strict", Export},
};

constexpr char kFooter[] =
    "       qpk help [COMMAND]   (also --help, -h, /?)\n"
    "       qpk --version\n"
    "--strict makes warnings errors: exit code 1 and nothing written.\n";

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h" || arg == "/?"; }

void PrintUsage(std::FILE* to, const Command* only) {
  std::fputs("usage: qpk COMMAND ARGUMENTS...\n", to);
  for (const Command& command : kCommands) {
    if (only == nullptr || only == &command) std::fputs(command.usage, to);
  }
  std::fputs(kFooter, to);
}

const Command* FindCommand(std::string_view name) {
  for (const Command& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

int UsageError(const std::string& problem, const Command* command) {
  std::fprintf(stderr, "qpk: %s\n", problem.c_str());
  PrintUsage(stderr, command);
  return 2;
}

bool TakesOption(const Command& command, std::string_view option) {
  const std::string list = std::string(" ") + command.options + " ";
  return list.find(" " + std::string(option) + " ") != std::string::npos;
}

// Splits what follows the command into operands and the command's options.
bool ParseArguments(const Command& command, int argc, char** argv, Arguments* args, std::string* problem) {
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.empty() || arg[0] != '-') {
      args->operands.push_back(arg);
      continue;
    }
    if (!TakesOption(command, arg)) {
      *problem = "unknown option '" + arg + "' for " + command.name;
      return false;
    }
    if (arg == "--levels" || arg == "--languages") {
      if (i + 1 == argc) {
        *problem = arg + " needs a list";
        return false;
      }
      (arg == "--levels" ? args->levels : args->languages) = argv[++i];
      (arg == "--levels" ? args->levelsGiven : args->languagesGiven) = true;
    }
    args->strict = args->strict || arg == "--strict";
    args->force = args->force || arg == "--force";
    args->colour = args->colour || arg == "--colour";
    args->mono = args->mono || arg == "--mono";
  }
  return true;
}

int Pack(const Command& command, const Arguments& args) {
  const std::vector<std::string>& operands = args.operands;
  if (operands.size() < 2) return UsageError("pack needs an archive and at least one database", &command);
  return RunPack(operands[0], std::vector<std::string>(operands.begin() + 1, operands.end()), args.strict, std::cout,
                 std::cerr);
}

int List(const Command& command, const Arguments& args) {
  if (args.operands.size() != 1) return UsageError("list needs exactly one archive", &command);
  return RunList(args.operands[0], args.strict, std::cout, std::cerr);
}

int Verify(const Command& command, const Arguments& args) {
  if (args.operands.size() != 1) return UsageError("verify needs exactly one archive", &command);
  return RunVerify(args.operands[0], args.strict, std::cout, std::cerr);
}

int Unpack(const Command& command, const Arguments& args) {
  if (args.operands.size() != 2) return UsageError("unpack needs an archive and a folder", &command);
  return RunUnpack(args.operands[0], args.operands[1], args.force, std::cout, std::cerr);
}

int Export(const Command& command, const Arguments& args) {
  if (args.operands.size() != 2) return UsageError("export needs an archive and a folder", &command);
  if (args.colour == args.mono) return UsageError("export needs one of --colour and --mono", &command);
  ExportChoice choice;
  choice.deviceMask = args.colour ? kColourMask : kMonoMask;
  if (args.levelsGiven) choice.levels = args.levels;
  if (args.languagesGiven) choice.languages = args.languages;
  return RunExport(args.operands[0], args.operands[1], choice, args.force, args.strict, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::printf("qpk %s\n", VEXO_VERSION_TEXT);
    return 0;
  }
  if (argc < 2) return UsageError("no command given", nullptr);
  const std::string_view first = argv[1];
  if (argc == 2 && (IsHelp(first) || first == "help")) {
    PrintUsage(stdout, nullptr);
    return 0;
  }
  if (argc == 3 && first == "help" && FindCommand(argv[2]) != nullptr) {
    PrintUsage(stdout, FindCommand(argv[2]));
    return 0;
  }
  const Command* command = FindCommand(first);
  if (command == nullptr) {
    if (!first.empty() && (first[0] == '-' || first[0] == '/')) {
      return UsageError("unknown option '" + std::string(first) + "'", nullptr);
    }
    return UsageError("unknown command \"" + std::string(first) + "\"", nullptr);
  }
  for (int i = 2; i < argc; ++i) {
    if (IsHelp(argv[i])) {
      PrintUsage(stdout, command);
      return 0;
    }
  }
  Arguments args;
  std::string problem;
  if (!ParseArguments(*command, argc, argv, &args, &problem)) return UsageError(problem, command);
  return command->handler(*command, args);
}
