// The program's own saved settings, REG_SZ values below
// HKEY_CURRENT_USER\Software\Zenti\Vexo.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/error_code.h"

constexpr char kPalmTypeSetting[] = "Settings\\\\Palm Type";
constexpr char kPalmSetupSetting[] = "Settings\\\\Palm Setup";

constexpr std::uint32_t kInsufficientBuffer = 122;

// 0 when the text was copied; 122 when it does not fit `size` bytes with its
// terminator (nothing copied); otherwise the registry layer's code.
std::uint32_t ReadSetting(const char* setting, char* destination, std::size_t size);
std::uint32_t WriteSetting(const char* setting, const char* text);
