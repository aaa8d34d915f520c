// Walking 8-bit texts in the ANSI code page. In a double-byte code page the
// second byte of a character may be 0x40 or above, the backslash among them
// (ソ is 0x83 0x5C in code page 932, 表 0x95 0x5C), so a path is only ever
// walked from its start, one character at a time, never searched for a byte.
// The caller says which bytes start a double-byte character: the program asks
// Windows (IsDBCSLeadByte), portable code and its tests pass a test of their own.
#pragma once

#include <cstddef>
#include <cstdint>

using LeadByteTest = bool (*)(std::uint8_t byte);

// Bytes of the character that starts at `at`: 2 for a lead byte followed by a
// second byte other than zero before `end`, else 1.
std::size_t CharLength(const char* at, const char* end, LeadByteTest lead);

// Offset just past the text's last backslash character; 0 when it has none.
std::size_t AfterLastBackslash(const char* text, std::size_t length, LeadByteTest lead);

// The text's last character when it is a single byte; 0 when it is a double-byte
// character or the text is empty.
char LastSingleByteChar(const char* text, std::size_t length, LeadByteTest lead);

// Whether a character of the text is a zero byte or one of the single-byte
// characters of `set`.
bool HasZeroOrCharOf(const char* text, std::size_t length, const char* set, LeadByteTest lead);
