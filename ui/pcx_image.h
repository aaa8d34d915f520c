// The backdrop picture: a 256-colour PCX decoded into one block that Windows
// takes as it is:
//
//   offset 0      LOGPALETTE: version 0x300, 256 entries of red, green, blue, 0
//   offset 1028   BITMAPINFOHEADER: 40 bytes, height positive (bottom-up), 8 bits
//   offset 1068   colour table: 256 RGBQUADs of blue, green, red, 0
//   offset 2092   the pixel rows, `stride` (width rounded up to 4) bytes each,
//                 the picture's bottom line first
//
// Only Xmin @4, Ymin @6, Xmax @8, Ymax @10 and bytes per line @66 of the header
// are read; the pixel data starts at 128 and the palette follows it after one
// marker byte whose value is ignored.
//
// Malformed pictures:
//   - a run may cross a line's end: its rest carries over into the next line
//     (the decoded bytes are one stream cut into lines); a rest left after the
//     last line is dropped
//   - a repeat count of 0 produces nothing
//   - bytes per line below the width: the rest of each row stays 0
//   - data or palette ending early: Truncated, the block then holds zeros
//     wherever nothing was decoded
//   - width or height 0 after the 16-bit wrap: Empty
//   - a block above kMaxPcxBlockSize: TooLarge
#pragma once

#include <cstdint>

constexpr std::uint32_t kPcxLogPaletteOffset = 0;
constexpr std::uint32_t kPcxBitmapInfoOffset = 1028;
constexpr std::uint32_t kPcxColourTableOffset = 1068;
constexpr std::uint32_t kPcxPixelsOffset = 2092;
// Far above any screen's picture (8K is 33 MiB), and a request GlobalAlloc can
// still meet in a 32-bit process. Sizes from 16-bit fields cannot overflow 32 bits.
constexpr std::uint32_t kMaxPcxBlockSize = 64u << 20;

enum class PcxResult { Ok, Truncated, Empty, TooLarge, BlockTooSmall };

// The size of the image block for the picture of `size` bytes; set only when the
// result is Ok (a picture too short for its header gives no size at all).
PcxResult PcxBlockSize(const std::uint8_t* picture, std::uint32_t size, std::uint32_t* blockSize);

// Fills the first PcxBlockSize bytes of `block`; never reads outside the `size`
// bytes of `picture`. BlockTooSmall writes nothing.
PcxResult DecodePcx(const std::uint8_t* picture, std::uint32_t size, std::uint8_t* block,
                    std::uint32_t blockSize);
