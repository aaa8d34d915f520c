#include "tools/qpk/component_names.h"

#include <cctype>
#include <cstring>

#include "installer/install_rules.h"

std::string LevelText(const ComponentRow& row) {
  const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  if (!digit(row.type[2]) || !digit(row.type[3])) return {};
  return std::to_string((row.type[2] - '0') * 10 + (row.type[3] - '0'));
}

std::string LanguageText(const ComponentRow& row) {
  if (std::string(row.type, 4) != "lang") return {};
  return std::string(row.nameSuffix, strnlen(row.nameSuffix, sizeof row.nameSuffix));
}

std::string ComponentName(const ComponentRow& row) {
  if (!LevelText(row).empty()) return "level " + LevelText(row);
  if (!LanguageText(row).empty()) return "language " + LanguageText(row);
  return row.checkBox == kCommonDataBox ? "common data" : "application";
}
