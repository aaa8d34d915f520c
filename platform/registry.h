// The registry layer: single values addressed by one value path below a root
// key. Every operation walks the path key by key, acts on the last key, closes
// what it opened (never the root) and reports failures as its own codes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/error_code.h"
#include "platform/value_path.h"

enum : std::uint32_t {
  kCreateKeys = 0x1,   // create a missing component (open failed with 2 or 1010)
  kCreateValue = 0x2,  // a value that does not exist is written empty and returned
  // Set by the layer itself, never taken from a caller: the delete operation
  // sets delete mode, and its walk sets the key target when the path ends in "\\".
  kDeleteMode = 0x4,
  kKeyTarget = 0x8,
};

constexpr std::size_t kRegistryStringSize = 260;

// The text of the last ReadStringValue, always terminated.
extern char RegistryString[kRegistryStringSize];
// Bytes read or written by the last value operation.
extern DWORD RegistryDataSize;

// Returns the key that ends the key part (in delete mode with a key target, its
// parent); the caller closes it. `valueName` points after the double backslash.
bool OpenKeyPath(HKEY root, const char* path, std::uint32_t options, HKEY* key, const char** valueName,
                 ErrorCode* code);
bool ReadStringValue(HKEY root, const char* path, std::uint32_t options, ErrorCode* code);
bool WriteStringValue(HKEY root, const char* path, std::uint32_t options, const char* text, ErrorCode* code);
bool ReadBinaryValue(HKEY root, const char* path, std::uint32_t options, void* buffer, DWORD size,
                     DWORD* read, ErrorCode* code);
bool WriteBinaryValue(HKEY root, const char* path, std::uint32_t options, const void* data, DWORD size,
                      ErrorCode* code);
bool DeleteRegistryEntry(HKEY root, const char* path, std::uint32_t options, ErrorCode* code);
