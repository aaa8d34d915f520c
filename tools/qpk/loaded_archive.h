// An archive read whole into memory, its layout checked and its directory
// restored, for `qpk list`, `verify` and `unpack`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_format.h"

struct LoadedArchive {
  std::vector<std::uint8_t> bytes;
  std::vector<ArchiveEntry> directory;
  std::uint32_t count = 0;
};

// False when the bytes do not have the layout the installer accepts; `fault`,
// when given, then says what is wrong.
bool ParseArchive(std::vector<std::uint8_t> bytes, LoadedArchive* archive, std::string* fault = nullptr);

// False, with a message naming the file, when it cannot be read or is not an archive.
bool LoadArchive(const std::string& path, LoadedArchive* archive, std::string* error);

bool EntryChecksumGood(const LoadedArchive& archive, std::uint32_t index);
// The entries whose data fails its checksum, in directory order: those the
// installer refuses to write.
std::vector<std::uint32_t> BadChecksums(const LoadedArchive& archive);
// Each entry's data as stored, for JudgeEntries.
std::vector<const std::uint8_t*> StoredData(const LoadedArchive& archive);
// InstallWarnings for the archive, entries named by index and name.
std::vector<std::string> ArchiveWarnings(const LoadedArchive& archive);

// "entry 3 \"Vexo Level 03 Colour\"", as messages name an entry.
std::string EntryLabel(const LoadedArchive& archive, std::uint32_t index);
// An entry's name, creator and type as printable text (other bytes become '?').
std::string EntryNameText(const ArchiveEntry& entry);
std::string CodeText(const char code[4]);
