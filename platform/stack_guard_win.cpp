// The stack protector's guard value and its failure, in place of libssp's.
// libssp seeds the guard through CryptAcquireContext, which loads the RSA
// provider and two more crypto DLLs before WinMain: a few milliseconds of every
// start, under Wine as on Windows. RtlGenRandom (advapi32, XP and later) gives
// random bytes without them.
#include <windows.h>
#include <ntsecapi.h>

#include <cstdint>

extern "C" {

// Until the constructor below seeds it.
void* __stack_chk_guard = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0x2B992DDFA23249D6ull));

// A smashed stack ends the process at once, with the code Windows gives such a
// process, so that nothing runs on with the overwritten frame.
[[noreturn]] void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(0xC0000409L));  // STATUS_STACK_BUFFER_OVERRUN
  __builtin_trap();
}

}  // extern "C"

namespace {

// A constructor, so it runs before WinMain; unguarded itself, because the guard
// changes while it runs.
__attribute__((constructor, no_stack_protector)) void SeedStackGuard() {
  std::uintptr_t seed = 0;
  if (!RtlGenRandom(&seed, sizeof seed) || seed == 0) {
    // What a compiler's own cookie falls back to: the time, ids and counters.
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    seed = reinterpret_cast<std::uintptr_t>(__stack_chk_guard) ^ static_cast<std::uintptr_t>(count.QuadPart) ^
           now.dwLowDateTime ^ (static_cast<std::uintptr_t>(GetCurrentProcessId()) << 16) ^
           GetCurrentThreadId() ^ GetTickCount() ^ reinterpret_cast<std::uintptr_t>(&seed);
  }
  __stack_chk_guard = reinterpret_cast<void*>(seed);
}

}  // namespace
