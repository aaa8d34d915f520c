#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

// The control ids a script names: the program's (IDC_... of resources/resource_ids.h),
// the message box's buttons (IDOK ... IDNO) and the two statics of Wine's message
// box (BOX_TEXT 0xFFFF, BOX_ICON 0x440).
std::optional<LONG_PTR> NamedControlId(std::string_view name);
