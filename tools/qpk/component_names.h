// What each ComponentTable row is, in words, read off the row itself.
#pragma once

#include <string>

#include "installer/component_table.h"

// A level row's number ("3"); empty for other rows.
std::string LevelText(const ComponentRow& row);
// A language row's code ("UK"); empty for other rows.
std::string LanguageText(const ComponentRow& row);
// "level 3", "language UK", "common data", "application".
std::string ComponentName(const ComponentRow& row);
