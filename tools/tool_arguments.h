// The command-line rules every tool follows: "--help" or "-h" alone prints the
// usage and ends with 0; any other argument that begins with "-" and is not one
// of the tool's own options is refused with the usage and exit code 2, before
// the tool writes anything. So a mistyped option never becomes a file's name.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string_view>

constexpr int kArgumentsAccepted = -1;

// kArgumentsAccepted, or the exit code the tool ends with at once.
inline int CheckToolArguments(const char* tool, const char* usage, int argc, char** argv,
                              std::initializer_list<std::string_view> options = {}) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(usage, stdout);
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.empty() || arg[0] != '-') continue;
    bool known = false;
    for (std::string_view option : options) known = known || arg == option;
    if (!known) {
      std::fprintf(stderr, "%s: unknown option '%s'\n%s", tool, argv[i], usage);
      return 2;
    }
  }
  return kArgumentsAccepted;
}
