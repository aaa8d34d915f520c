// Times the start-up verification of an archive (one read of the whole file into
// one block, ReadArchiveDirectory, then ArchiveXorChecksum over every entry)
// beside reading the same file into one block and nothing else.
// usage: verify_bench ARCHIVE [REPETITIONS]
// Prints one line per repetition ("read_ns verify_ns") and the medians.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "archive/archive_format.h"

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<std::uint8_t[]> ReadWhole(const char* path, std::uint32_t* size) {
  const int fd = open(path, O_RDONLY);
  if (fd < 0) { std::perror(path); std::exit(1); }
  struct stat st;
  if (fstat(fd, &st) != 0) { std::perror("fstat"); std::exit(1); }
  std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[st.st_size]);
  const ssize_t got = read(fd, block.get(), st.st_size);  // one read, as the installer does
  if (got != st.st_size) { std::fprintf(stderr, "short read\n"); std::exit(1); }
  close(fd);
  *size = static_cast<std::uint32_t>(st.st_size);
  return block;
}

std::int64_t Ns(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(b - a).count();
}

std::int64_t Median(std::vector<std::int64_t> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) { std::fprintf(stderr, "usage: verify_bench ARCHIVE [REPETITIONS]\n"); return 2; }
  const int reps = argc > 2 ? std::atoi(argv[2]) : 15;
  std::vector<std::int64_t> reads, verifies;
  std::uint32_t entries = 0;
  std::uint64_t verifiedBytes = 0;
  for (int r = 0; r < reps + 1; ++r) {  // the first round warms the page cache and is dropped
    std::uint32_t size = 0;
    const auto t0 = Clock::now();
    auto plain = ReadWhole(argv[1], &size);
    const auto t1 = Clock::now();
    volatile std::uint8_t sink = plain[size / 2];
    (void)sink;
    plain.reset();

    const auto t2 = Clock::now();
    auto block = ReadWhole(argv[1], &size);
    std::uint32_t count = 0;
    if (ReadArchiveDirectory(block.get(), size, ArchiveDirectory, &count) != LayoutResult::Valid) {
      std::fprintf(stderr, "not an archive\n");
      return 1;
    }
    std::uint32_t bad = 0;
    std::uint64_t bytes = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
      const ArchiveEntry& e = ArchiveDirectory[i];
      if (ArchiveXorChecksum(block.get() + e.dataOffset, e.dataSize) != e.checksum) ++bad;
      bytes += e.dataSize;
    }
    const auto t3 = Clock::now();
    if (bad != 0) { std::fprintf(stderr, "%u entries fail their checksum\n", bad); return 1; }
    entries = count;
    verifiedBytes = bytes;
    if (r == 0) continue;
    reads.push_back(Ns(t0, t1));
    verifies.push_back(Ns(t2, t3));
    std::printf("rep %2d  read %9lld ns  verify %9lld ns\n", r, static_cast<long long>(Ns(t0, t1)),
                static_cast<long long>(Ns(t2, t3)));
  }
  const std::int64_t mr = Median(reads), mv = Median(verifies);
  std::printf("entries %u  bytes verified %llu\n", entries, static_cast<unsigned long long>(verifiedBytes));
  std::printf("median_read_ns %lld\nmedian_verify_ns %lld\nratio %.3f\n", static_cast<long long>(mr),
              static_cast<long long>(mv), static_cast<double>(mv) / static_cast<double>(mr));
  return 0;
}
