// Times, under Wine, the installer's start-up verification of an archive
// (VerifyArchive: Extract in verify-only mode, as the main window's set-up runs
// it) beside reading the same file once with FileReadAll, the two alternating
// after one warm-up round, and prints each one's median.
//   extract_bench FOLDER ROUNDS     (FOLDER holds Vexo.qpk)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "archive/extract.h"
#include "installer/main_window.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || !SetCurrentDirectoryA(argv[1])) {
    std::fprintf(stderr, "usage: extract_bench FOLDER ROUNDS\n");
    return 2;
  }
  g_instance = GetModuleHandleA(nullptr);
  const int rounds = std::atoi(argv[2]);
  std::vector<double> reads, verifies;
  for (int round = 0; round <= rounds; ++round) {
    ErrorCode code = 0;
    void* block = nullptr;
    std::uint32_t size = 0;
    double start = Now();
    if (!FileReadAll("Vexo.qpk", 0, &block, &size, &code)) return 1;
    const double read = Now() - start;
    MemFree(&block);

    start = Now();
    if (!VerifyArchive(&code)) return 1;
    const double verify = Now() - start;
    ReleaseArchive();
    if (round == 0) continue;
    reads.push_back(read);
    verifies.push_back(verify);
  }
  std::printf("entries %u\nmedian_read_us %.0f\nmedian_verify_us %.0f\n", EntryCount, Median(reads),
              Median(verifies));
  return 0;
}
