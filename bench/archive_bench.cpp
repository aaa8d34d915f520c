// The installer's verification pass over an entry, against memcpy of the same
// bytes: both move every byte through memory once, so memcpy is the bound.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "archive/archive_format.h"

namespace {

constexpr std::size_t kBufferSize = 64u << 20;

std::vector<std::uint8_t>& Buffer() {
  static std::vector<std::uint8_t> buffer = [] {
    std::vector<std::uint8_t> bytes(kBufferSize);
    std::uint32_t state = 1;
    for (std::uint8_t& b : bytes) {
      state = state * 1664525u + 1013904223u;
      b = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
  }();
  return buffer;
}

void XorChecksum(benchmark::State& state) {
  std::vector<std::uint8_t>& buffer = Buffer();
  for (auto _ : state) benchmark::DoNotOptimize(ArchiveXorChecksum(buffer.data(), buffer.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferSize);
}

// What the installer's start-up runs: the same sum, the bytes left as stored.
void XoredChecksum(benchmark::State& state) {
  const std::vector<std::uint8_t>& buffer = Buffer();
  for (auto _ : state) benchmark::DoNotOptimize(ArchiveXoredChecksum(buffer.data(), buffer.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferSize);
}

void XorThenChecksum(benchmark::State& state) {
  std::vector<std::uint8_t>& buffer = Buffer();
  for (auto _ : state) {
    ArchiveXor(buffer.data(), buffer.size());
    benchmark::DoNotOptimize(ArchiveChecksum(buffer.data(), buffer.size()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferSize);
}

void Memcpy(benchmark::State& state) {
  std::vector<std::uint8_t>& buffer = Buffer();
  std::vector<std::uint8_t> copy(kBufferSize);
  for (auto _ : state) {
    std::memcpy(copy.data(), buffer.data(), kBufferSize);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferSize);
}

}  // namespace

BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(XorChecksum)->Unit(benchmark::kMillisecond);
BENCHMARK(XoredChecksum)->Unit(benchmark::kMillisecond);
BENCHMARK(XorThenChecksum)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
