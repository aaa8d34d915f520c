// Names that pass between Windows' wide names and the program's 8-bit texts.
// An 8-bit name is trusted only when Windows would open exactly the file it
// came from: the code page's best fit (a full-width digit read as a digit) and a
// trailing dot or blank, which Windows drops, both lead to another file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// The 8-bit text of a wide name that comes back unchanged from the code page;
// false for a name the code page cannot write exactly or that does not fit.
bool ExactAnsiName(const wchar_t* wide, char* out, std::size_t size);
// A folder or file path in 8 bits: exact, else its short name; false when
// neither can be written in the code page.
bool AnsiPathOf(const wchar_t* wide, char* out, std::size_t size);
// Whether a byte starts a double-byte character in the ANSI code page: the
// test every walk through an 8-bit path takes (platform/ansi_chars.h).
bool IsAnsiLeadByte(std::uint8_t byte);
// The wide text of an 8-bit path; false when it does not fit.
bool WidePathOf(const char* path, wchar_t* out, std::size_t count);
