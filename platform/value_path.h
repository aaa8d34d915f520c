// Registry value paths: key names each followed by one backslash, then a second
// backslash and the value name, as in
//   \Software\Zenti\Vexo\Settings\\Palm Type
// A leading backslash makes an empty first component, which opens the root again.
// Portable, so the splitting can be tested and fuzzed natively.
#pragma once

#include <cstddef>

constexpr std::size_t kComponentSize = 256;
// How far ahead a component's backslash is looked for.
constexpr std::size_t kComponentSearch = 256;

// Copies the component at `*position` into `component` and moves the position
// past its backslash. False when no backslash comes within 256 characters (a
// component of 256 characters or more) or before the end of the text.
bool TakePathComponent(const char* path, std::size_t* position, char (&component)[kComponentSize]);
