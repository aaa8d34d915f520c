#include "tests/support/picture_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "base/byte_order.h"

namespace {
constexpr std::size_t kGuard = 64;
constexpr std::uint8_t kGuardByte = 0xA5;
}  // namespace

std::uint32_t RgbImage::At(int x, int y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)) * 3;
  return (std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2];
}

GuardedDecode DecodeGuarded(const std::vector<std::uint8_t>& picture) {
  const auto size = static_cast<std::uint32_t>(picture.size());
  std::unique_ptr<std::uint8_t[]> input(new std::uint8_t[picture.size()]);
  std::copy(picture.begin(), picture.end(), input.get());
  std::uint32_t blockSize = 0;
  if (PcxBlockSize(input.get(), size, &blockSize) != PcxResult::Ok) blockSize = 0;
  std::vector<std::uint8_t> guarded(blockSize + 2 * kGuard, kGuardByte);
  GuardedDecode out;
  out.result = DecodePcx(input.get(), size, guarded.data() + kGuard, blockSize);
  const auto blockBegin = guarded.begin() + kGuard;
  const auto blockEnd = blockBegin + blockSize;
  out.guardsIntact = std::all_of(guarded.begin(), blockBegin, [](std::uint8_t b) { return b == kGuardByte; }) &&
                     std::all_of(blockEnd, guarded.end(), [](std::uint8_t b) { return b == kGuardByte; });
  out.block.assign(blockBegin, blockEnd);
  return out;
}

RgbImage BlockImage(const std::vector<std::uint8_t>& block) {
  if (block.size() < kPcxPixelsOffset) throw std::invalid_argument("not an image block");
  RgbImage image;
  image.width = static_cast<int>(GetLe32(block.data() + kPcxBitmapInfoOffset + 4));
  image.height = static_cast<int>(GetLe32(block.data() + kPcxBitmapInfoOffset + 8));
  const std::size_t stride = (static_cast<std::size_t>(image.width) + 3) & ~std::size_t{3};
  if (block.size() != kPcxPixelsOffset + stride * static_cast<std::size_t>(image.height)) {
    throw std::invalid_argument("the block's size does not match its header");
  }
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = block.data() + kPcxPixelsOffset + (image.height - 1 - y) * stride;
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* quad = block.data() + kPcxColourTableOffset + 4 * row[x];
      image.rgb.insert(image.rgb.end(), {quad[2], quad[1], quad[0]});
    }
  }
  return image;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

bool HaveTool(const char* name) { return RunShell(std::string("command -v ") + name + " >/dev/null 2>&1"); }

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vexo-picture-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

bool RunShell(const std::string& command) { return std::system(command.c_str()) == 0; }

std::optional<RgbImage> ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  RgbImage image;
  int maxValue = 0;
  if (!(in >> magic >> image.width >> image.height >> maxValue) || magic != "P6" || maxValue != 255) {
    return std::nullopt;
  }
  in.get();
  image.rgb.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
  if (!in.read(reinterpret_cast<char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()))) {
    return std::nullopt;
  }
  return image;
}

void WritePpm(const std::string& path, const RgbImage& image) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
}

std::optional<RgbImage> NetpbmDecode(const ScratchFolder& folder, const std::vector<std::uint8_t>& pcx) {
  WriteBytes(folder.File("in.pcx"), pcx);
  if (!RunShell("pcxtoppm " + folder.File("in.pcx") + " > " + folder.File("out.ppm") + " 2>/dev/null")) {
    return std::nullopt;
  }
  return ReadPpm(folder.File("out.ppm"));
}
