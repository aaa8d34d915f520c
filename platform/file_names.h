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
// reaches another file than the one it stands for.
bool EndsInDotOrBlank(const char* name, std::size_t length);
inline bool EndsInDotOrBlank(const char* name) { return EndsInDotOrBlank(name, std::strlen(name)); }

// Appends a backslash unless the folder text is empty or ends in a colon or a
// backslash, then the name. False, leaving the folder as it was, when the
// result does not fit in `size` bytes.
bool JoinPathIn(char* folder, std::size_t size, const char* name);
