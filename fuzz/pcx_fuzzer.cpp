#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "ui/pcx_image.h"

namespace {

constexpr std::size_t kGuardSize = 64;
constexpr std::size_t kPcxHeaderSize = 128;
constexpr std::uint8_t kGuard = 0xA5;
// Under libFuzzer a picture that claims more than a small image is sized but not
// decoded: a larger one only repeats the same row loop, and decoding up to 64 MiB
// for each input slows the search a hundredfold. The corpus replay decodes every
// size, the committed full 1024 x 768 picture included.
#ifdef VEXO_LIBFUZZER
constexpr std::uint64_t kMaxDecodedPixels = 4096;
#else
constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t{1} << 32;
#endif

std::uint16_t Word(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8); }
std::uint32_t Long(const std::uint8_t* bytes) { return Word(bytes) | std::uint32_t{Word(bytes + 2)} << 16; }

bool GuardIntact(const std::vector<std::uint8_t>& block, std::size_t from) {
  for (std::size_t i = from; i < block.size(); ++i)
    if (block[i] != kGuard) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint32_t pictureSize = static_cast<std::uint32_t>(size);
  std::uint32_t blockSize = 0;
  const PcxResult sizing = PcxBlockSize(data, pictureSize, &blockSize);
  // Without a whole header there is no size to report.
  if (size < kPcxHeaderSize) {
    FUZZ_CHECK(sizing == PcxResult::Truncated);
    return 0;
  }
  const std::uint32_t width = static_cast<std::uint16_t>(Word(data + 8) - Word(data + 4) + 1);
  const std::uint32_t height = static_cast<std::uint16_t>(Word(data + 10) - Word(data + 6) + 1);
  const std::uint64_t expected = kPcxPixelsOffset + std::uint64_t{(width + 3) & ~3u} * height;
  if (width == 0 || height == 0) {
    FUZZ_CHECK(sizing == PcxResult::Empty);
    return 0;
  }
  if (expected > kMaxPcxBlockSize) {
    FUZZ_CHECK(sizing == PcxResult::TooLarge);
    return 0;
  }
  FUZZ_CHECK(sizing == PcxResult::Ok || sizing == PcxResult::Truncated);
  FUZZ_CHECK(blockSize == expected);
  if (std::uint64_t{width} * height > kMaxDecodedPixels) return 0;

  std::vector<std::uint8_t> small(blockSize - 1 + kGuardSize, kGuard);
  FUZZ_CHECK(DecodePcx(data, pictureSize, small.data(), blockSize - 1) == PcxResult::BlockTooSmall);
  FUZZ_CHECK(GuardIntact(small, 0));

  std::vector<std::uint8_t> block(blockSize + kGuardSize, kGuard);
  const PcxResult decoding = DecodePcx(data, pictureSize, block.data(), blockSize);
  FUZZ_CHECK(decoding == PcxResult::Ok || decoding == PcxResult::Truncated);
  FUZZ_CHECK(GuardIntact(block, blockSize));
  FUZZ_CHECK(Word(&block[kPcxLogPaletteOffset]) == 0x300 && Word(&block[kPcxLogPaletteOffset + 2]) == 256);
  const std::uint8_t* info = &block[kPcxBitmapInfoOffset];
  FUZZ_CHECK(Long(info) == 40);
  FUZZ_CHECK(static_cast<std::int32_t>(Long(info + 8)) > 0);
  FUZZ_CHECK(Long(info + 4) == width && Long(info + 8) == height);
  FUZZ_CHECK(Word(info + 14) == 8);
  for (std::uint32_t i = 0; i < 256; ++i) {
    const std::uint8_t* entry = &block[kPcxLogPaletteOffset + 4 + 4 * i];
    const std::uint8_t* quad = &block[kPcxColourTableOffset + 4 * i];
    FUZZ_CHECK(entry[3] == 0 && quad[3] == 0);
    FUZZ_CHECK(entry[0] == quad[2] && entry[1] == quad[1] && entry[2] == quad[0]);
  }
  return 0;
}
