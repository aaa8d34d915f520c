#include "tools/qpk/component_names.h"

#include <cstring>

#include "installer/install_rules.h"

std::string LevelText(const ComponentRow& row) { return LevelOf(row) != 0 ? std::to_string(LevelOf(row)) : ""; }

std::string LanguageText(const ComponentRow& row) {
  return IsLanguage(row) ? std::string(row.nameSuffix, strnlen(row.nameSuffix, sizeof row.nameSuffix)) : "";
}

std::string ComponentName(const ComponentRow& row) {
  if (!LevelText(row).empty()) return "level " + LevelText(row);
  if (!LanguageText(row).empty()) return "language " + LanguageText(row);
  return row.checkBox == kCommonDataBox ? "common data" : "application";
}
