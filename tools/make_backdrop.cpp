// Publisher tool: draws the installer's backdrop and writes it as the PCX file
// the program carries as its backdrop resource.
#include <cstdio>
#include <exception>

#include "tools/backdrop_art.h"
#include "tools/pcx_writer.h"
#include "tools/tool_arguments.h"

int main(int argc, char** argv) {
  static const char kUsage[] = "usage: make_backdrop OUTPUT.pcx\n";
  const int early = CheckToolArguments("make_backdrop", kUsage, argc, argv);
  if (early != kArgumentsAccepted) return early;
  if (argc != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    const IndexedCanvas art = DrawBackdrop();
    const auto file = EncodePcx(art.Width(), art.Height(), art.Pixels(), art.Colours());
    std::FILE* out = std::fopen(argv[1], "wb");
    bool written = out && std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (out && std::fclose(out) != 0) written = false;
    if (!written) {
      std::fprintf(stderr, "make_backdrop: cannot write %s\n", argv[1]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_backdrop: %s\n", e.what());
    return 1;
  }
  return 0;
}
