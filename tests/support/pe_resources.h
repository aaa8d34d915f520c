// Reads a resource out of a PE image file (.exe) the way the Windows loader
// finds it, so tests can check what the build really put into the program.
//
//   DOS header      "MZ" ... offset 0x3C: file offset of the PE header
//   PE header       "PE\0\0", COFF header (20 bytes), optional header
//                   (PE32 or PE32+), whose data directory 2 is the resource table
//   section table   40-byte records mapping RVAs to file offsets
//   resource tree   type -> name -> language directories, then a data entry
//                   holding the RVA and size of the resource's bytes
//
// Every offset and count is checked against the file's size before it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of the resource with this numeric type and name (its first
// language), or nothing with the reason in `why`.
std::optional<std::vector<std::uint8_t>> FindPeResource(const std::vector<std::uint8_t>& image, std::uint16_t type,
                                                        std::uint16_t name, std::string* why);
