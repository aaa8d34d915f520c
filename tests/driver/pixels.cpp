#include "pixels.h"

#include <cstdio>

namespace {

// A memory DC with a 32-bit top-down DIB selected into it.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    if (previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }

  bool Ok() const { return dc_ && bitmap_ && bits_; }
  HDC Dc() const { return dc_; }

  Pixels ToPixels() const {
    GdiFlush();
    Pixels image{width_, height_, {}};
    const auto* source = static_cast<const std::uint32_t*>(bits_);
    image.rgb.assign(source, source + static_cast<size_t>(width_) * height_);
    for (auto& p : image.rgb) p &= 0xFFFFFF;
    return image;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

void PutU16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void PutU32(std::vector<unsigned char>& out, unsigned long value) {
  PutU16(out, static_cast<unsigned>(value & 0xFFFF));
  PutU16(out, static_cast<unsigned>(value >> 16));
}

}  // namespace

std::optional<Pixels> CaptureScreen(const RECT& area) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  Canvas canvas(width, height);
  if (!canvas.Ok()) return std::nullopt;
  HDC screen = GetDC(nullptr);
  BOOL copied = BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  if (!copied) return std::nullopt;
  return canvas.ToPixels();
}

std::optional<Pixels> RenderIcon(HICON icon, int width, int height, COLORREF background) {
  if (width <= 0 || height <= 0) return std::nullopt;
  Canvas canvas(width, height);
  if (!canvas.Ok()) return std::nullopt;
  RECT all{0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(canvas.Dc(), &all, brush);
  DeleteObject(brush);
  if (!DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) return std::nullopt;
  return canvas.ToPixels();
}

bool SaveBmp(const Pixels& image, const char* path) {
  const unsigned long row_size = (static_cast<unsigned long>(image.width) * 3 + 3) & ~3UL;
  const unsigned long data_size = row_size * static_cast<unsigned long>(image.height);
  const unsigned long header_size = 14 + 40;
  std::vector<unsigned char> out;
  out.reserve(header_size + data_size);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, header_size + data_size);
  PutU32(out, 0);
  PutU32(out, header_size);
  PutU32(out, 40);
  PutU32(out, static_cast<unsigned long>(image.width));
  PutU32(out, static_cast<unsigned long>(image.height));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, BI_RGB);
  PutU32(out, data_size);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    size_t row_start = out.size();
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t p = image.At(x, y);
      out.push_back(static_cast<unsigned char>(p));
      out.push_back(static_cast<unsigned char>(p >> 8));
      out.push_back(static_cast<unsigned char>(p >> 16));
    }
    out.resize(row_start + row_size, 0);
  }
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}
