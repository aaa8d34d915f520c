#include "platform/ansi_names.h"

#include <cwchar>

bool IsAnsiLeadByte(std::uint8_t byte) { return IsDBCSLeadByte(byte) != 0; }

bool ExactAnsiName(const wchar_t* wide, char* out, std::size_t size) {
  // Where the code page is UTF-8 (Windows 10/11's "Use Unicode UTF-8" option),
  // Windows refuses the no-best-fit flag and the used-default flag with
  // ERROR_INVALID_FLAGS / ERROR_INVALID_PARAMETER; UTF-8 has no best fit, and a
  // name it cannot write (a lone surrogate) fails the read-back below.
  const bool utf8 = GetACP() == CP_UTF8;
  BOOL lossy = FALSE;
  const int written = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, -1, out,
                                          static_cast<int>(size), nullptr, utf8 ? nullptr : &lossy);
  if (written <= 0 || lossy) return false;
  // Double-byte code pages can still map two wide names onto one text: read it
  // back and compare.
  wchar_t back[MAX_PATH];
  const int read = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, out, -1, back, MAX_PATH);
  return read > 0 && std::wcscmp(back, wide) == 0;
}

bool AnsiPathOf(const wchar_t* wide, char* out, std::size_t size) {
  if (ExactAnsiName(wide, out, size)) return true;
  wchar_t shortName[MAX_PATH];
  const DWORD length = GetShortPathNameW(wide, shortName, MAX_PATH);
  return length > 0 && length < MAX_PATH && ExactAnsiName(shortName, out, size);
}

bool WidePathOf(const char* path, wchar_t* out, std::size_t count) {
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, out, static_cast<int>(count)) > 0;
}
