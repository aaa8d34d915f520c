#include "ui/pcx_image.h"

#include <algorithm>

#include "base/byte_order.h"

namespace {

constexpr std::uint32_t kHeaderSize = 128;
constexpr std::uint32_t kColours = 256;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 520;

struct Geometry {
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t bytesPerLine;
  std::uint32_t stride;
  std::uint32_t blockSize;
};

PcxResult ReadGeometry(const std::uint8_t* picture, std::uint32_t size, Geometry* g) {
  if (size < kHeaderSize) return PcxResult::Truncated;
  g->width = static_cast<std::uint16_t>(GetLe16(picture + 8) - GetLe16(picture + 4) + 1);
  g->height = static_cast<std::uint16_t>(GetLe16(picture + 10) - GetLe16(picture + 6) + 1);
  g->bytesPerLine = GetLe16(picture + 66);
  if (g->width == 0 || g->height == 0) return PcxResult::Empty;
  g->stride = (g->width + 3) & ~3u;
  const std::uint64_t blockSize = std::uint64_t{g->stride} * g->height + kPcxPixelsOffset;
  if (blockSize > kMaxPcxBlockSize) return PcxResult::TooLarge;
  g->blockSize = static_cast<std::uint32_t>(blockSize);
  return PcxResult::Ok;
}

// The decoded bytes as one stream, so a run keeps going across line ends.
class RunReader {
 public:
  RunReader(const std::uint8_t* data, std::uint32_t size) : data_(data), size_(size), pos_(kHeaderSize) {}

  // The next run of one value, at most `most` bytes of it; the rest of a longer
  // run is kept for the next call. A literal byte is a run of one.
  bool NextRun(std::uint32_t most, std::uint8_t* value, std::uint32_t* count) {
    while (repeat_ == 0) {
      if (pos_ >= size_) return false;
      const std::uint8_t b = data_[pos_++];
      if (b < 0xC0) {
        *value = b;
        *count = 1;
        return true;
      }
      if (pos_ >= size_) return false;
      repeat_ = b & 0x3F;
      value_ = data_[pos_++];
    }
    *count = std::min(repeat_, most);
    repeat_ -= *count;
    *value = value_;
    return true;
  }

  std::uint32_t Position() const { return pos_; }

 private:
  const std::uint8_t* data_;
  std::uint32_t size_;
  std::uint32_t pos_;
  std::uint32_t repeat_ = 0;
  std::uint8_t value_ = 0;
};

void StoreLe16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void WriteHeaders(const Geometry& g, std::uint8_t* block) {
  StoreLe16(block + kPcxLogPaletteOffset, 0x300);
  StoreLe16(block + kPcxLogPaletteOffset + 2, kColours);
  std::uint8_t* info = block + kPcxBitmapInfoOffset;
  SetLe32(info, kBitmapInfoHeaderSize);
  SetLe32(info + 4, g.width);
  SetLe32(info + 8, g.height);
  StoreLe16(info + 12, 1);
  StoreLe16(info + 14, 8);
  SetLe32(info + 16, 0);
  SetLe32(info + 20, 0);
  SetLe32(info + 24, kPixelsPerMetre);
  SetLe32(info + 28, kPixelsPerMetre);
  SetLe32(info + 32, kColours);
  SetLe32(info + 36, kColours);
}

bool DecodeLines(const Geometry& g, RunReader& reader, std::uint8_t* block) {
  std::uint8_t* row = block + kPcxPixelsOffset + (g.height - 1) * g.stride;
  for (std::uint32_t line = 0; line < g.height; ++line, row -= g.stride) {
    for (std::uint32_t x = 0; x < g.bytesPerLine;) {
      std::uint8_t value;
      std::uint32_t count;
      if (!reader.NextRun(g.bytesPerLine - x, &value, &count)) return false;
      if (x < g.width) std::fill_n(row + x, std::min(count, g.width - x), value);
      x += count;
    }
  }
  return true;
}

void WritePalette(const std::uint8_t* rgb, std::uint8_t* block) {
  std::uint8_t* entry = block + kPcxLogPaletteOffset + 4;
  std::uint8_t* quad = block + kPcxColourTableOffset;
  for (std::uint32_t i = 0; i < kColours; ++i, rgb += 3, entry += 4, quad += 4) {
    entry[0] = rgb[0];
    entry[1] = rgb[1];
    entry[2] = rgb[2];
    quad[0] = rgb[2];
    quad[1] = rgb[1];
    quad[2] = rgb[0];
  }
}

}  // namespace

PcxResult PcxBlockSize(const std::uint8_t* picture, std::uint32_t size, std::uint32_t* blockSize) {
  Geometry g;
  const PcxResult result = ReadGeometry(picture, size, &g);
  if (result == PcxResult::Ok) *blockSize = g.blockSize;
  return result;
}

PcxResult DecodePcx(const std::uint8_t* picture, std::uint32_t size, std::uint8_t* block,
                    std::uint32_t blockSize) {
  Geometry g;
  const PcxResult result = ReadGeometry(picture, size, &g);
  if (result != PcxResult::Ok) return result;
  // Every write below lies inside g.blockSize by the layout's arithmetic.
  if (blockSize < g.blockSize) return PcxResult::BlockTooSmall;
  std::fill(block, block + g.blockSize, std::uint8_t{0});
  WriteHeaders(g, block);
  RunReader reader(picture, size);
  if (!DecodeLines(g, reader, block)) return PcxResult::Truncated;
  const std::uint32_t marker = reader.Position();
  if (size - marker < 1 + 3 * kColours) return PcxResult::Truncated;
  WritePalette(picture + marker + 1, block);
  return PcxResult::Ok;
}
