#include "installer/component_table.h"

#include <cstring>

const ComponentRow ComponentTable[kComponentRows + 1] = {
    {0x65, 0xC0, {'l', 'a', 'n', 'g'}, "UK"},
    {0x66, 0xC0, {'l', 'a', 'n', 'g'}, "FR"},
    {0x67, 0xC0, {'l', 'a', 'n', 'g'}, "GE"},
    {0x68, 0xC0, {'l', 'a', 'n', 'g'}, "IT"},
    {0x69, 0xC0, {'l', 'a', 'n', 'g'}, "SP"},
    {0x6A, 0x80, {'c', 'l', '0', '1'}, ""},
    {0x6B, 0x80, {'c', 'l', '0', '2'}, ""},
    {0x6C, 0x80, {'c', 'l', '0', '3'}, ""},
    {0x6D, 0x80, {'c', 'l', '0', '4'}, ""},
    {0x6E, 0x80, {'c', 'l', '0', '5'}, ""},
    {0x6F, 0x80, {'c', 'l', '0', '6'}, ""},
    {0x70, 0x80, {'c', 'l', '0', '7'}, ""},
    {0x71, 0x80, {'c', 'l', '0', '8'}, ""},
    {0x72, 0x80, {'c', 'l', '0', '9'}, ""},
    {0x87, 0x80, {'c', 'd', 'a', 't'}, ""},
    {0x88, 0x80, {'a', 'p', 'p', 'l'}, {'Z', 'a', 'n', 't', 'o', 'r'}},
    {0x6A, 0x40, {'m', 'l', '0', '1'}, ""},
    {0x6B, 0x40, {'m', 'l', '0', '2'}, ""},
    {0x6C, 0x40, {'m', 'l', '0', '3'}, ""},
    {0x6D, 0x40, {'m', 'l', '0', '4'}, ""},
    {0x6E, 0x40, {'m', 'l', '0', '5'}, ""},
    {0x6F, 0x40, {'m', 'l', '0', '6'}, ""},
    {0x70, 0x40, {'m', 'l', '0', '7'}, ""},
    {0x71, 0x40, {'m', 'l', '0', '8'}, ""},
    {0x72, 0x40, {'m', 'l', '0', '9'}, ""},
    {0x87, 0x40, {'m', 'd', 'a', 't'}, ""},
    {0x89, 0x40, {'a', 'p', 'p', 'l'}, "b/w"},
    {0, 0, {0, 0, 0, 0}, ""},
};

namespace {

bool TypeMatches(const ComponentRow& row, const char type[4]) {
  for (int i = 0; i < 4; ++i) {
    if (row.type[i] != '?' && row.type[i] != type[i]) return false;
  }
  return true;
}

bool SuffixMatches(const ComponentRow& row, const char* name, std::size_t nameLength) {
  std::size_t suffix = 0;
  while (suffix < sizeof row.nameSuffix && row.nameSuffix[suffix] != 0) ++suffix;
  if (suffix == 0) return true;
  return suffix <= nameLength && std::memcmp(name + nameLength - suffix, row.nameSuffix, suffix) == 0;
}

}  // namespace

const ComponentRow* FindComponentRow(const char type[4], const char* name, std::size_t nameSize,
                                     std::size_t* index) {
  std::size_t length = 0;
  while (length < nameSize && name[length] != 0) ++length;
  for (std::size_t i = 0; ComponentTable[i].checkBox != 0 || ComponentTable[i].deviceFlags != 0; ++i) {
    const ComponentRow& row = ComponentTable[i];
    if (TypeMatches(row, type) && SuffixMatches(row, name, length)) {
      *index = i;
      return &row;
    }
  }
  return nullptr;
}
