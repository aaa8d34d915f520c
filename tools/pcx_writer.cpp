#include "tools/pcx_writer.h"

#include <algorithm>
#include <stdexcept>

#include "base/byte_order.h"

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr int kMaxRun = 0x3F;
constexpr std::uint8_t kPaletteMarker = 12;

std::vector<std::uint8_t> Header(int width, int height, int bytesPerLine) {
  std::vector<std::uint8_t> out = {10, 5, 1, 8};
  PutLe16(out, 0);
  PutLe16(out, 0);
  PutLe16(out, static_cast<std::uint16_t>(width - 1));
  PutLe16(out, static_cast<std::uint16_t>(height - 1));
  PutLe16(out, 72);
  PutLe16(out, 72);
  out.resize(65, 0);  // the 16-colour palette and a reserved byte stay 0
  out.push_back(1);
  PutLe16(out, static_cast<std::uint16_t>(bytesPerLine));
  PutLe16(out, 1);  // colour palette
  out.resize(kHeaderSize, 0);
  return out;
}

// Runs end at the line's end, as other readers of the format expect.
void EncodeLine(const std::uint8_t* line, int length, std::vector<std::uint8_t>& out) {
  for (int x = 0; x < length;) {
    int run = 1;
    while (x + run < length && run < kMaxRun && line[x + run] == line[x]) ++run;
    if (run > 1 || line[x] >= kRunFlag) out.push_back(static_cast<std::uint8_t>(kRunFlag | run));
    out.push_back(line[x]);
    x += run;
  }
}

}  // namespace

std::vector<std::uint8_t> EncodePcx(int width, int height, const std::vector<std::uint8_t>& pixels,
                                    const Palette& palette) {
  if (width < 1 || height < 1 || width > 0xFFFE || height > 0xFFFF ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    throw std::invalid_argument("EncodePcx: the pixels do not match the size");
  }
  const int bytesPerLine = (width + 1) & ~1;  // the format wants an even count
  std::vector<std::uint8_t> out = Header(width, height, bytesPerLine);
  std::vector<std::uint8_t> line(static_cast<std::size_t>(bytesPerLine), 0);
  for (int y = 0; y < height; ++y) {
    const auto first = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
    std::copy(first, first + width, line.begin());
    EncodeLine(line.data(), bytesPerLine, out);
  }
  out.push_back(kPaletteMarker);
  for (const Rgb& c : palette) out.insert(out.end(), {c.r, c.g, c.b});
  return out;
}
