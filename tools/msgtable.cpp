// Build tool: writes the MessageTable resource (RCDATA 1024) from the program's
// own list of message texts, so the resource and the code can never disagree.
#include <cstdio>

#include "shell/message_table.h"
#include "shell/message_texts.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: msgtable OUTPUT\n");
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
