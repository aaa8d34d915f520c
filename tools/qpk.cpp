// The publisher's tool for the component archive Vexo.qpk.
#include <iostream>
#include <string>
#include <vector>

#include "tools/qpk/commands.h"
#include "tools/tool_arguments.h"
#include "vexo_version.h"

namespace {

constexpr char kUsage[] =
    "usage: qpk pack ARCHIVE FILE.pdb...   pack Palm databases into a new archive\n"
    "       qpk list ARCHIVE               one line per entry: index, name, creator, type, size, checksum\n"
    "                                      and what the installer will do with it\n"
    "       qpk verify ARCHIVE             check what the installer checks: the layout, entries\n"
    "                                      that share no data bytes, every checksum\n"
    "       qpk unpack ARCHIVE FOLDER      write every entry's database into FOLDER\n"
    "       qpk --help\n"
    "       qpk --version\n";

int UsageError(const char* problem) {
  std::cerr << "qpk: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << "qpk " VEXO_VERSION_TEXT "\n";
    return 0;
  }
  const int early = CheckToolArguments("qpk", kUsage, argc, argv);
  if (early != kArgumentsAccepted) return early;
  if (argc < 2) return UsageError("no command given");
  const std::string command = argv[1];
  const int operands = argc - 2;
  if (command == "pack") {
    if (operands < 2) return UsageError("pack needs an archive and at least one database");
    return RunPack(argv[2], std::vector<std::string>(argv + 3, argv + argc), std::cout, std::cerr);
  }
  if (command == "list" || command == "verify") {
    if (operands != 1) return UsageError((command + " needs exactly one archive").c_str());
    return command == "list" ? RunList(argv[2], std::cout, std::cerr) : RunVerify(argv[2], std::cout, std::cerr);
  }
  if (command == "unpack") {
    if (operands != 2) return UsageError("unpack needs an archive and a folder");
    return RunUnpack(argv[2], argv[3], std::cout, std::cerr);
  }
  return UsageError(("unknown command \"" + command + "\"").c_str());
}
