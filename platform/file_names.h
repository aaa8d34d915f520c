// Prefixed file names and path joining. Portable: plain text in fixed buffers.
//
//   +C<name>  a file in the current folder (its base is empty)
//   +W<name>  a file in the Windows folder
//   +S<name>  a file in the System folder
// Any other name, "+X..." included, is used as it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/ansi_chars.h"

constexpr std::size_t kPathSize = 260;

struct FolderText {
  char text[kPathSize];
  std::uint32_t length;  // in bytes, the trailing backslash included
};

struct BaseFolders {
  const FolderText* current;
  const FolderText* windows;
  const FolderText* system;
};

// The name to hand to Windows: `name` itself, or `out` holding the base folder
// followed by the rest of the name. False (out left empty) when the result
// would not fit in `size` bytes with its terminator.
bool ResolvePrefixedName(const char* name, const BaseFolders& bases, char* out, std::size_t size,
                         const char** resolved);

// Windows drops a trailing dot or blank from a name it opens, so such a name
// reaches another file than the one it stands for. Neither byte is ever the
// second byte of a double-byte character, so the last byte tells.
bool EndsInDotOrBlank(const char* name, std::size_t length);
inline bool EndsInDotOrBlank(const char* name) { return EndsInDotOrBlank(name, std::strlen(name)); }

// A file is written first under a new name, "~NN" and the target's name (NN
// from 00 up, past names already taken), then moved over the target; a run
// killed in between leaves that new file behind.
constexpr std::size_t kWriteTempExtra = 3;
constexpr int kWriteTempTries = 100;
// "~NN" for try `n` (0..99).
void WriteTempPrefix(int n, char (&prefix)[kWriteTempExtra + 1]);
// The target's name within such a new file's name; nullptr for any other name.
const char* WriteTempTarget(const char* name);

// Appends a backslash unless the folder text is empty or its last character is
// a colon or a backslash, then the name. False, leaving the folder as it was,
// when the result does not fit in `size` bytes.
bool JoinPathIn(char* folder, std::size_t size, const char* name, LeadByteTest lead);
