#include "installer/component_table.h"

#include <cstring>

#include "resources/resource_ids.h"

const ComponentRow ComponentTable[kComponentRows + 1] = {
    {IDC_LANGUAGE_UK, 0xC0, {'l', 'a', 'n', 'g'}, "UK"},
    {IDC_LANGUAGE_FR, 0xC0, {'l', 'a', 'n', 'g'}, "FR"},
    {IDC_LANGUAGE_GE, 0xC0, {'l', 'a', 'n', 'g'}, "GE"},
    {IDC_LANGUAGE_IT, 0xC0, {'l', 'a', 'n', 'g'}, "IT"},
    {IDC_LANGUAGE_SP, 0xC0, {'l', 'a', 'n', 'g'}, "SP"},
    {IDC_LEVEL_1, 0x80, {'c', 'l', '0', '1'}, ""},
    {IDC_LEVEL_2, 0x80, {'c', 'l', '0', '2'}, ""},
    {IDC_LEVEL_3, 0x80, {'c', 'l', '0', '3'}, ""},
    {IDC_LEVEL_4, 0x80, {'c', 'l', '0', '4'}, ""},
    {IDC_LEVEL_5, 0x80, {'c', 'l', '0', '5'}, ""},
    {IDC_LEVEL_6, 0x80, {'c', 'l', '0', '6'}, ""},
    {IDC_LEVEL_7, 0x80, {'c', 'l', '0', '7'}, ""},
    {IDC_LEVEL_8, 0x80, {'c', 'l', '0', '8'}, ""},
    {IDC_LEVEL_9, 0x80, {'c', 'l', '0', '9'}, ""},
    {IDC_COMMON_DATABASE, 0x80, {'c', 'd', 'a', 't'}, ""},
    {IDC_COLOUR_APPLICATION, 0x80, {'a', 'p', 'p', 'l'}, {'Z', 'a', 'n', 't', 'o', 'r'}},
    {IDC_LEVEL_1, 0x40, {'m', 'l', '0', '1'}, ""},
    {IDC_LEVEL_2, 0x40, {'m', 'l', '0', '2'}, ""},
    {IDC_LEVEL_3, 0x40, {'m', 'l', '0', '3'}, ""},
    {IDC_LEVEL_4, 0x40, {'m', 'l', '0', '4'}, ""},
    {IDC_LEVEL_5, 0x40, {'m', 'l', '0', '5'}, ""},
    {IDC_LEVEL_6, 0x40, {'m', 'l', '0', '6'}, ""},
    {IDC_LEVEL_7, 0x40, {'m', 'l', '0', '7'}, ""},
    {IDC_LEVEL_8, 0x40, {'m', 'l', '0', '8'}, ""},
    {IDC_LEVEL_9, 0x40, {'m', 'l', '0', '9'}, ""},
    {IDC_COMMON_DATABASE, 0x40, {'m', 'd', 'a', 't'}, ""},
    {IDC_MONO_APPLICATION, 0x40, {'a', 'p', 'p', 'l'}, "b/w"},
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
