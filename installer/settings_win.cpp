#include "installer/settings.h"

#include <windows.h>

#include <cstring>

#include "base/message_texts.h"
#include "base/text_builder.h"
#include "platform/registry.h"

namespace {

constexpr char kOwnKey[] = "\\Software\\Zenti\\Vexo\\\\";

// The own key with its last backslash cut, then the setting's value path.
bool SettingPath(const char* setting, char (&path)[kRegistryStringSize]) {
  TextBuilder builder(path, sizeof path);
  builder.Append(kOwnKey, sizeof kOwnKey - 2).Append(setting);
  return !builder.Clipped();
}

}  // namespace

std::uint32_t ReadSetting(const char* setting, char* destination, std::size_t size) {
  char path[kRegistryStringSize];
  if (!SettingPath(setting, path)) return msg::RegOpen;
  ErrorCode code = 0;
  if (!ReadStringValue(HKEY_CURRENT_USER, path, 0, &code)) return code;
  const std::size_t length = std::strlen(RegistryString);
  if (length + 1 > size) return kInsufficientBuffer;
  std::memcpy(destination, RegistryString, length + 1);
  return 0;
}

std::uint32_t WriteSetting(const char* setting, const char* text) {
  char path[kRegistryStringSize];
  if (!SettingPath(setting, path)) return msg::RegOpen;
  ErrorCode code = 0;
  return WriteStringValue(HKEY_CURRENT_USER, path, kCreateKeys | kCreateValue, text, &code) ? 0 : code;
}
