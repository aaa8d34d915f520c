// ErrorCode: how every failure travels back to the code that talks to the user.
//   0                          failure already reported, or nothing to say
//   1 .. 0x1FFFFFFF            a Windows system error code (GetLastError)
//   0x20000000 and up          one of this program's message identifiers; bit 29 is
//                              the application bit, so these also pass through
//                              SetLastError/GetLastError unchanged
#pragma once

#include <cstdint>

using ErrorCode = std::uint32_t;

constexpr ErrorCode kFirstOwnCode = 0x20000000;

constexpr bool IsOwnCode(ErrorCode code) { return code >= kFirstOwnCode; }
