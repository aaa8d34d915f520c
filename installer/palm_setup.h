// The Palm Setup step: the handheld's kind of screen, from the saved settings or
// asked in the Palm Setup dialog.
#pragma once

#include <cstdint>

#include "base/error_code.h"
#include "installer/component_table.h"

extern std::uint16_t DeviceMask;

// /Install: show the Palm Setup dialog even when a device type is saved.
extern std::uint32_t g_rerunSetupFlag;

// Sets the device mask, showing the dialog when no type is saved or /Install
// asked for it; fails with 0x20000129 when the user cancels.
bool RunPalmSetup(ErrorCode* code);

// The models offered, each a type letter ('#' other, 'C' colour, 'M' mono)
// followed by the name; ends with an empty entry.
extern const char* const DeviceModelList[];
