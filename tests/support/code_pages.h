// Lead-byte tests of two code pages, written out from their tables: Western
// (1252) has no double-byte characters; in Japanese (932) a character whose
// first byte is 0x81..0x9F or 0xE0..0xFC takes a second byte, which may be the
// backslash (ソ 0x83 0x5C, 表 0x95 0x5C).
#pragma once

#include <cstdint>

inline bool IsLeadByte1252(std::uint8_t) { return false; }
inline bool IsLeadByte932(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
