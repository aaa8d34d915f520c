// Writes the game's sample Palm databases into a folder: by default one per
// ComponentTable row; with --count N --total-bytes B, N databases of about B
// bytes in all, for benchmarks.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "archive/archive_format.h"
#include "tools/qpk/file_io.h"
#include "tools/samples/sample_set.h"
#include "tools/tool_arguments.h"

namespace {

constexpr char kUsage[] =
    "usage: make_samples FOLDER [--count N --total-bytes B]\n"
    "Writes the game's sample Palm databases into FOLDER: one per component row, or\n"
    "N databases of about B bytes in all.\n";

int UsageError(const std::string& problem) {
  std::cerr << "make_samples: " << problem << "\n" << kUsage;
  return 2;
}

bool ParseNumber(const char* text, unsigned long long low, unsigned long long high, std::uint64_t* value) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long number = std::strtoull(text, &end, 10);
  if (errno != 0 || end == text || *end != 0 || text[0] == '-' || number < low || number > high) return false;
  *value = number;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int early = CheckToolArguments("make_samples", kUsage, argc, argv, {"--count", "--total-bytes"});
  if (early != kArgumentsAccepted) return early;
  if (argc != 2 && argc != 6) return UsageError("expected a folder, optionally with --count and --total-bytes");
  if (argv[1][0] == '-') return UsageError("the folder comes first, before the options");
  const std::string folder = argv[1];
  std::vector<SampleDatabase> samples;
  if (argc == 2) {
    samples = ComponentSamples();
  } else {
    std::uint64_t count = 0;
    std::uint64_t total = 0;
    if (std::string(argv[2]) != "--count" || std::string(argv[4]) != "--total-bytes") {
      return UsageError("expected --count N --total-bytes B");
    }
    if (!ParseNumber(argv[3], 1, kMaxArchiveEntries, &count))
      return UsageError("N must be 1 to " + std::to_string(kMaxArchiveEntries));
    if (!ParseNumber(argv[5], 1, 0xFFFFFFFFu, &total)) return UsageError("B must be 1 to 4294967295");
    samples = BulkSamples(static_cast<std::size_t>(count), total);
  }

  std::error_code code;
  std::filesystem::create_directories(folder, code);
  if (code) {
    std::cerr << "make_samples: " << folder << ": " << code.message() << "\n";
    return 1;
  }
  for (const SampleDatabase& sample : samples) {
    const std::string path = (std::filesystem::path(folder) / sample.fileName).string();
    std::string error;
    if (!WriteFileReplacing(path, {{sample.bytes.data(), sample.bytes.size()}}, &error)) {
      std::cerr << "make_samples: " << error << "\n";
      return 1;
    }
  }
  return 0;
}
