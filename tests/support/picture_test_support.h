// Helpers for the picture tests: decoding into a guarded block, turning a block
// into RGB, and netpbm's tools as an independent encoder and decoder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/pcx_image.h"

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // top line first

  std::uint32_t At(int x, int y) const;  // 0xRRGGBB
  bool operator==(const RgbImage&) const = default;
};

struct GuardedDecode {
  PcxResult result;
  std::vector<std::uint8_t> block;  // the block alone, without its guards
  bool guardsIntact;
};

// Decodes from an exactly-sized heap copy of `picture`, into a block of the
// size PcxBlockSize gives (0 when it fails) between guard bytes.
GuardedDecode DecodeGuarded(const std::vector<std::uint8_t>& picture);

// The picture a decoded block holds, through its colour table.
RgbImage BlockImage(const std::vector<std::uint8_t>& block);

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

bool HaveTool(const char* name);

// A folder of its own under the temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const char* name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Runs a shell command; true when it exits 0.
bool RunShell(const std::string& command);
std::optional<RgbImage> ReadPpm(const std::string& path);
void WritePpm(const std::string& path, const RgbImage& image);
// pcxtoppm's reading of the PCX file bytes.
std::optional<RgbImage> NetpbmDecode(const ScratchFolder& folder, const std::vector<std::uint8_t>& pcx);
