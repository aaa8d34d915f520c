#include "platform/file_names.h"

#include <cstring>

bool ResolvePrefixedName(const char* name, const BaseFolders& bases, char* out, std::size_t size,
                         const char** resolved) {
  const FolderText* base = nullptr;
  if (name[0] == '+') {
    switch (name[1]) {
      case 'C': base = bases.current; break;
      case 'W': base = bases.windows; break;
      case 'S': base = bases.system; break;
      default: break;
    }
  }
  if (base == nullptr) {
    *resolved = name;
    return true;
  }
  const std::size_t rest = std::strlen(name + 2);
  if (size == 0 || base->length >= size || rest >= size - base->length) {
    if (size > 0) out[0] = 0;
    return false;
  }
  std::memcpy(out, base->text, base->length);
  std::memcpy(out + base->length, name + 2, rest + 1);
  *resolved = out;
  return true;
}

bool JoinPathIn(char* folder, std::size_t size, const char* name, LeadByteTest lead) {
  std::size_t length = std::strlen(folder);
  const char last = LastSingleByteChar(folder, length, lead);
  const bool separator = length > 0 && last != ':' && last != '\\';
  const std::size_t nameLength = std::strlen(name);
  if (length + (separator ? 1 : 0) + nameLength >= size) return false;
  if (separator) folder[length++] = '\\';
  std::memcpy(folder + length, name, nameLength + 1);
  return true;
}

void WriteTempPrefix(int n, char (&prefix)[kWriteTempExtra + 1]) {
  prefix[0] = '~';
  prefix[1] = static_cast<char>('0' + n / 10 % 10);
  prefix[2] = static_cast<char>('0' + n % 10);
  prefix[3] = 0;
}

const char* WriteTempTarget(const char* name) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (name[0] != '~' || !digit(name[1]) || !digit(name[2])) return nullptr;
  return name + kWriteTempExtra;
}

bool EndsInDotOrBlank(const char* name, std::size_t length) {
  return length > 0 && (name[length - 1] == '.' || name[length - 1] == ' ');
}
