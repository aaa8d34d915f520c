// Palm Desktop's main user, found through the program the shell opens ".pdb"
// files with, and the user's Install folder and HotSync install flag.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/error_code.h"
#include "platform/file_names.h"

struct PalmUser {
  std::uint32_t id;
  char name[kPathSize];
  char folder[kPathSize];  // Palm Desktop's folder and the user's folder name, no final backslash
  std::uint16_t recordTag;
  std::uint8_t* image;  // the whole user list and 16 zero bytes, until the main window closes
};

extern PalmUser MainPalmUser;
// The user folder, "\Install" and a final backslash.
extern char InstallFolder[kPathSize];
// A component's file name there: its creator, the row index in four digits,
// ".pdb" ("Vexo0007.pdb").
constexpr std::size_t kComponentFileNameSize = 4 + 4 + 4 + 1;
constexpr std::size_t kInstallFlagNameSize = 48;
extern char InstallFlagName[kInstallFlagNameSize];

bool FindPalmUser(ErrorCode* code);
void MakeInstallFlagName();
bool PrepareInstallFolder(ErrorCode* code);
bool SetInstallFlag(std::uint32_t value, ErrorCode* code);
