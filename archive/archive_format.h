// The component archive Vexo.qpk. All integers are unsigned 32-bit little-endian.
//
//   offset 0             entry count N (1..1000), stored as is
//   offset 4             directory: N ArchiveEntry records of 56 bytes  } one transformed
//   4 + 56*N             end record: 56 bytes that read as zero           } region, key index 0
//   D = 4 + 56*(N + 1)   data area: each entry's bytes, stored as the Palm database
//                        itself; for the checksum each entry is transformed as a
//                        region of its own
//
// ArchiveEntry, as it reads after the transform:
//   0 marker 0x93FC   4 dataOffset (>= D)   8 dataSize   12 checksum
//   16 name (32 bytes, zero-padded, first byte not 0)   48 creator   52 type
//
// The file holds at least 192 bytes and at least D + 76. No byte of the data area
// belongs to two entries: each entry's data is its own transformed region, and
// an archive whose entries share bytes is damaged.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kMaxArchiveEntries = 1000;
constexpr std::size_t kArchiveEntrySize = 56;
constexpr std::uint32_t kEntryMarker = 0x93FC;
constexpr std::uint32_t kMinArchiveSize = 192;
constexpr std::uint32_t kBytesAfterEndRecord = 76;
constexpr std::size_t kEntryNameSize = 32;

struct ArchiveEntry {
  std::uint32_t marker;
  std::uint32_t dataOffset;
  std::uint32_t dataSize;
  std::uint32_t checksum;
  char name[kEntryNameSize];
  char creator[4];
  char type[4];
};

// The restored directory and end record of the loaded archive.
extern ArchiveEntry ArchiveDirectory[kMaxArchiveEntries + 1];

// XORs a region with the key, the key index starting at 0 at its first byte:
// 32-bit words first, then the 0 to 3 remaining bytes.
void ArchiveXor(std::uint8_t* region, std::size_t size);
// The sum of the region's little-endian words, a last partial word zero-extended.
std::uint32_t ArchiveChecksum(const std::uint8_t* region, std::size_t size);
// ArchiveXor then ArchiveChecksum of the result, in one pass over the bytes.
std::uint32_t ArchiveXorChecksum(std::uint8_t* region, std::size_t size);
// The checksum ArchiveXorChecksum gives, the region left as it is: the archive
// image can stay read-only.
std::uint32_t ArchiveXoredChecksum(const std::uint8_t* region, std::size_t size);

constexpr std::uint32_t DataAreaStart(std::uint32_t count) {
  return static_cast<std::uint32_t>(4 + kArchiveEntrySize * (count + 1));
}

// SharedBytes: every record reads well, but the data of two entries overlaps;
// `count` is set all the same, so a tool can name the two with FindSharedBytes.
enum class LayoutResult { Valid, NotAnArchive, SharedBytes };

// Checks the layout of a whole archive image and restores its directory into
// `directory` (room for kMaxArchiveEntries + 1 records). Never reads outside the
// `size` bytes at `file`.
LayoutResult ReadArchiveDirectory(const std::uint8_t* file, std::uint32_t size, ArchiveEntry* directory,
                                  std::uint32_t* count);

// For a file that fails as an archive: how many bytes it lacks when every byte
// that is there reads as the start of an archive, 0 otherwise. `atLeast` is set
// when the directory itself is cut, so that more may be missing.
std::uint64_t MissingArchiveBytes(const std::uint8_t* file, std::uint32_t size, bool* atLeast);

// Whether any byte lies in the data of two of the `count` entries (entries of 0
// bytes hold none); names two such entries, the lower index first.
bool FindSharedBytes(const ArchiveEntry* directory, std::uint32_t count, std::uint32_t* first,
                     std::uint32_t* second);

// The start-up verification of one entry: compares the checksum of its data as
// the transform gives it; the archive image is left as stored.
bool VerifyEntryData(const std::uint8_t* file, const ArchiveEntry& entry);

// Encodes / decodes one 56-byte record as it reads after the transform.
void EncodeEntry(const ArchiveEntry& entry, std::uint8_t* record);
ArchiveEntry DecodeEntry(const std::uint8_t* record);

// The four characters of a code as one little-endian word, in file order.
std::uint32_t CodeWord(const char code[4]);

struct ArchiveSelection {
  std::uint32_t creatorValue;  // already masked
  std::uint32_t creatorMask;
  std::uint32_t typeValue;  // already masked
  std::uint32_t typeMask;
  char namePrefix[kEntryNameSize + 1];
};

bool IsSelected(const ArchiveEntry& entry, const ArchiveSelection& selection);

// The output name of an entry: its name up to the first zero (at most 32), the
// characters 0x00-0x1F * ? | > < \ / : replaced by '_', then ".pdb".
constexpr std::size_t kEntryFileNameSize = kEntryNameSize + 4 + 1;
void EntryFileName(const char (&name)[kEntryNameSize], char (&out)[kEntryFileNameSize]);
