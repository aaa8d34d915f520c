// Runs a harness over saved inputs without libFuzzer, so the corpus is replayed
// by ctest with the ordinary compiler. Arguments are files or folders of files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void RunFile(const std::filesystem::path& file) {
  // One spare byte, so that even an empty file hands over a real pointer, as libFuzzer does.
  std::vector<std::uint8_t> input(std::filesystem::file_size(file) + 1);
  std::ifstream in(file, std::ios::binary);
  in.read(reinterpret_cast<char*>(input.data()), static_cast<std::streamsize>(input.size() - 1));
  input.pop_back();
  LLVMFuzzerTestOneInput(input.data(), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path argument = argv[i];
    if (std::filesystem::is_directory(argument)) {
      for (const auto& item : std::filesystem::directory_iterator(argument)) {
        if (!item.is_regular_file()) continue;
        RunFile(item.path());
        ++count;
      }
    } else if (std::filesystem::is_regular_file(argument)) {
      RunFile(argument);
      ++count;
    } else {
      std::fprintf(stderr, "%s: not found\n", argv[i]);
      return 2;
    }
  }
  std::printf("%zu inputs replayed\n", count);
  return count == 0 ? 2 : 0;
}
