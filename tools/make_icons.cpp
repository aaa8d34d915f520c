// Build tool: draws the program's two icons (a handheld, and a handheld with an
// install arrow) and writes them as .ico files with 16x16 and 32x32 images, so
// the icons are made from source on every build.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/byte_order.h"
#include "tools/tool_arguments.h"

namespace {

struct Colour {
  std::uint8_t r, g, b, a;
};

class Canvas {
 public:
  explicit Canvas(int size) : size_(size), pixels_(static_cast<std::size_t>(size * size), Colour{0, 0, 0, 0}) {}
  int Size() const { return size_; }
  // Fills the rectangle given in 32ths of the canvas, so one drawing serves every size.
  void Fill(int x0, int y0, int x1, int y1, Colour c) {
    for (int y = Scale(y0); y < Scale(y1); ++y)
      for (int x = Scale(x0); x < Scale(x1); ++x) pixels_[static_cast<std::size_t>(y * size_ + x)] = c;
  }
  const Colour& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * size_ + x)]; }

 private:
  int Scale(int v) const { return v * size_ / 32; }
  int size_;
  std::vector<Colour> pixels_;
};

constexpr Colour kBody{0x3A, 0x40, 0x4A, 0xFF};
constexpr Colour kEdge{0x1C, 0x20, 0x26, 0xFF};
constexpr Colour kScreen{0x9C, 0xC8, 0x7C, 0xFF};
constexpr Colour kScreenInk{0x2E, 0x5A, 0x2A, 0xFF};
constexpr Colour kButton{0xB8, 0x3A, 0x3A, 0xFF};
constexpr Colour kArrow{0xF0, 0x9A, 0x1E, 0xFF};
constexpr Colour kArrowEdge{0x8A, 0x4C, 0x06, 0xFF};

void DrawHandheld(Canvas& c) {
  c.Fill(7, 1, 25, 31, kEdge);
  c.Fill(8, 2, 24, 30, kBody);
  c.Fill(10, 4, 22, 19, kScreen);
  c.Fill(12, 7, 20, 9, kScreenInk);
  c.Fill(12, 11, 17, 13, kScreenInk);
  c.Fill(12, 15, 19, 17, kScreenInk);
  for (int x : {10, 14, 18}) c.Fill(x, 23, x + 3, 26, kButton);
}

void DrawInstallArrow(Canvas& c) {
  c.Fill(19, 13, 27, 22, kArrowEdge);
  c.Fill(20, 13, 26, 22, kArrow);
  c.Fill(15, 21, 31, 24, kArrowEdge);
  c.Fill(17, 24, 29, 27, kArrowEdge);
  c.Fill(19, 27, 27, 30, kArrowEdge);
  c.Fill(16, 21, 30, 23, kArrow);
  c.Fill(18, 23, 28, 26, kArrow);
  c.Fill(20, 26, 26, 28, kArrow);
  c.Fill(22, 28, 24, 30, kArrow);
}

// One icon image: BITMAPINFOHEADER with doubled height, 32-bit rows bottom-up,
// then the AND mask (all clear: the alpha channel carries transparency).
std::vector<std::uint8_t> IconImage(const Canvas& c) {
  const int n = c.Size();
  std::vector<std::uint8_t> out;
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(n));
  PutLe32(out, static_cast<std::uint32_t>(2 * n));
  PutLe16(out, 1);
  PutLe16(out, 32);
  for (int i = 0; i < 6; ++i) PutLe32(out, 0);
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) {
      const Colour& p = c.At(x, y);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  const int maskStride = ((n + 31) / 32) * 4;
  out.insert(out.end(), static_cast<std::size_t>(maskStride * n), 0);
  return out;
}

bool WriteIcon(const char* path, bool withArrow) {
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : {32, 16}) {
    Canvas c(size);
    DrawHandheld(c);
    if (withArrow) DrawInstallArrow(c);
    images.push_back(IconImage(c));
  }
  std::vector<std::uint8_t> out;
  PutLe16(out, 0);
  PutLe16(out, 1);
  PutLe16(out, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  const int sizes[] = {32, 16};
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(sizes[i]));
    out.push_back(static_cast<std::uint8_t>(sizes[i]));
    out.push_back(0);
    out.push_back(0);
    PutLe16(out, 1);
    PutLe16(out, 32);
    PutLe32(out, static_cast<std::uint32_t>(images[i].size()));
    PutLe32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());

  std::FILE* f = std::fopen(path, "wb");
  if (f == nullptr || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
    std::perror(path);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  static const char kUsage[] = "usage: make_icons SHELLICON.ico SHELLICON2.ico\n";
  const int early = CheckToolArguments("make_icons", kUsage, argc, argv);
  if (early != kArgumentsAccepted) return early;
  if (argc != 3) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  return WriteIcon(argv[1], false) && WriteIcon(argv[2], true) ? 0 : 1;
}
