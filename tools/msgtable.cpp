// Build tool: writes the MessageTable resource (RCDATA 1024) from the program's
// own list of message texts, so the resource and the code can never disagree.
#include <cstdio>

#include "base/message_table.h"
#include "base/message_texts.h"
#include "tools/tool_arguments.h"

int main(int argc, char** argv) {
  static const char kUsage[] = "usage: msgtable OUTPUT\n";
  const int early = CheckToolArguments("msgtable", kUsage, argc, argv);
  if (early != kArgumentsAccepted) return early;
  if (argc != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::vector<std::uint8_t> table = BuildMessageTable(kMessageTableTexts);
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr || std::fwrite(table.data(), 1, table.size(), out) != table.size() || std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
