// Loading and verifying the component archive, and writing single components.
#pragma once

#include <cstdint>

#include "archive/archive_format.h"
#include "base/error_code.h"
#include "platform/file_names.h"

// Set by the caller before Extract.
extern char ArchiveName[kPathSize];
extern char TargetFolder[kPathSize];  // empty: verify only

// The whole archive file as stored, a read-only view of it that keeps the file
// from changing; released by a failing Extract and by the main window's close.
extern const std::uint8_t* ArchiveBlock;
extern std::uint32_t EntryCount;
extern ArchiveSelection Selection;
extern char CurrentEntryName[kEntryNameSize + 1];
// Which entries passed their checksum in the last Extract.
extern bool EntryVerified[kMaxArchiveEntries];

// Loads the archive and processes every selected entry. Fails, with code 0
// because the message has been shown, only when the archive cannot be loaded.
bool Extract(std::uint32_t creatorValue, std::uint32_t creatorMask, std::uint32_t typeValue,
             std::uint32_t typeMask, const char* namePrefix, ErrorCode* code);

// One selected entry: verify it, and write it transformed when a target folder is set.
bool ExtractEntry(std::uint32_t index);

// Writes the entry's bytes as stored in the archive file to `path`. Refuses an
// entry that did not pass its checksum with 0x20000103; a write that fails once
// the file exists leaves no partial file behind.
bool WriteEntryFile(const ArchiveEntry* entry, const char* path, ErrorCode* code);

// Releases the archive and the file behind it; harmless when none is loaded.
void ReleaseArchive();
