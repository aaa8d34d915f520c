#include "platform/registry.h"

#include <cstring>

#include "base/message_texts.h"
#include "platform/process_state.h"

char RegistryString[kRegistryStringSize];
DWORD RegistryDataSize;

namespace {

// The layer's working fields: one operation runs at a time.
HKEY g_root;
HKEY g_current;
HKEY g_opened;
std::uint32_t g_options;
char g_component[kComponentSize];
DWORD g_valueType;

void CloseHeld(HKEY* key) {
  if (*key != nullptr && *key != g_root) RegCloseKey(*key);
  *key = nullptr;
}

bool FailWalk(ErrorCode failure, ErrorCode* code) {
  CloseHeld(&g_opened);
  CloseHeld(&g_current);
  *code = failure;
  return false;
}

// Makes the opened key the current one, closing the one it replaces.
bool StepDown(ErrorCode* code) {
  if (g_current != g_root && RegCloseKey(g_current) != ERROR_SUCCESS) {
    g_current = nullptr;
    return FailWalk(msg::RegClose, code);
  }
  g_current = g_opened;
  g_opened = nullptr;
  return true;
}

bool OpenComponent(ErrorCode* code) {
  LONG opened = RegOpenKeyExA(g_current, g_component, 0, KEY_ALL_ACCESS, &g_opened);
  if (opened == ERROR_SUCCESS) return true;
  g_opened = nullptr;
  if ((g_options & kCreateKeys) == 0 || (opened != ERROR_FILE_NOT_FOUND && opened != ERROR_BADKEY)) {
    return FailWalk(msg::RegOpen, code);
  }
  char noClass[] = "";
  DWORD disposition;
  if (RegCreateKeyExA(g_current, g_component, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      &g_registrySecurity, &g_opened, &disposition) != ERROR_SUCCESS) {
    g_opened = nullptr;
    return FailWalk(msg::RegCreateKey, code);
  }
  return true;
}

// The options a caller may pass; the others belong to the delete operation.
constexpr std::uint32_t kCallerOptions = kCreateKeys | kCreateValue;

// Whether a failed read may be answered by creating the value: only when asked,
// and only when there is no value of that name. A value that exists but does not
// fit is the user's data, never overwritten.
bool MayCreateValue(std::uint32_t options, LONG readResult) {
  return (options & kCreateValue) != 0 && readResult == ERROR_FILE_NOT_FOUND;
}

bool Walk(HKEY root, const char* path, std::uint32_t options, HKEY* key, const char** valueName, ErrorCode* code) {
  g_root = root;
  g_current = root;
  g_opened = nullptr;
  g_options = options;
  std::size_t position = 0;
  for (;;) {
    if (!TakePathComponent(path, &position, g_component)) return FailWalk(msg::RegOpen, code);
    if (!OpenComponent(code)) return false;
    if (path[position] != '\\') {
      if (!StepDown(code)) return false;
      continue;
    }
    if ((g_options & kDeleteMode) && path[position + 1] == 0) {
      g_options |= kKeyTarget;
      const LONG closed = RegCloseKey(g_opened);
      g_opened = nullptr;
      if (closed != ERROR_SUCCESS) return FailWalk(msg::RegClose, code);
    } else if (!StepDown(code)) {
      return false;
    }
    *key = g_current;
    *valueName = path + position + 1;
    return true;
  }
}

// Ends an operation on the value key: closes it and reports `failure`, if any.
bool Finish(HKEY key, ErrorCode failure, ErrorCode* code) {
  if (key != g_root) RegCloseKey(key);
  if (failure == 0) return true;
  *code = failure;
  return false;
}

}  // namespace

bool OpenKeyPath(HKEY root, const char* path, std::uint32_t options, HKEY* key, const char** valueName,
                 ErrorCode* code) {
  return Walk(root, path, options & kCallerOptions, key, valueName, code);
}

bool ReadStringValue(HKEY root, const char* path, std::uint32_t options, ErrorCode* code) {
  HKEY key;
  const char* name;
  if (!OpenKeyPath(root, path, options, &key, &name, code)) return false;
  RegistryDataSize = kRegistryStringSize;
  LONG read = RegQueryValueExA(key, name, nullptr, &g_valueType, reinterpret_cast<BYTE*>(RegistryString),
                               &RegistryDataSize);
  // A value that fills the whole buffer without a terminator does not fit either.
  if (read == ERROR_SUCCESS && RegistryDataSize == kRegistryStringSize &&
      RegistryString[kRegistryStringSize - 1] != 0) {
    read = ERROR_MORE_DATA;
  }
  if (read == ERROR_SUCCESS) {
    if (RegistryDataSize < kRegistryStringSize) RegistryString[RegistryDataSize] = 0;
    return Finish(key, 0, code);
  }
  RegistryString[0] = 0;
  if (!MayCreateValue(options, read)) return Finish(key, msg::RegRead, code);
  const BYTE empty[1] = {0};
  if (RegSetValueExA(key, name, 0, REG_SZ, empty, 1) != ERROR_SUCCESS) return Finish(key, msg::RegCreateValue, code);
  RegistryDataSize = 1;
  return Finish(key, 0, code);
}

bool WriteStringValue(HKEY root, const char* path, std::uint32_t options, const char* text, ErrorCode* code) {
  HKEY key;
  const char* name;
  if (!OpenKeyPath(root, path, options, &key, &name, code)) return false;
  RegistryDataSize = static_cast<DWORD>(std::strlen(text) + 1);
  const LONG written = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), RegistryDataSize);
  return Finish(key, written == ERROR_SUCCESS ? 0 : msg::RegWrite, code);
}

bool ReadBinaryValue(HKEY root, const char* path, std::uint32_t options, void* buffer, DWORD size, DWORD* read,
                     ErrorCode* code) {
  HKEY key;
  const char* name;
  if (!OpenKeyPath(root, path, options, &key, &name, code)) return false;
  RegistryDataSize = size;
  LONG result = RegQueryValueExA(key, name, nullptr, &g_valueType, static_cast<BYTE*>(buffer), &RegistryDataSize);
  if (result != ERROR_SUCCESS) {
    if (!MayCreateValue(options, result)) return Finish(key, msg::RegRead, code);
    if (RegSetValueExA(key, name, 0, REG_BINARY, nullptr, 0) != ERROR_SUCCESS) {
      return Finish(key, msg::RegCreateValue, code);
    }
    RegistryDataSize = 0;
  }
  *read = RegistryDataSize;
  return Finish(key, 0, code);
}

bool WriteBinaryValue(HKEY root, const char* path, std::uint32_t options, const void* data, DWORD size,
                      ErrorCode* code) {
  HKEY key;
  const char* name;
  if (!OpenKeyPath(root, path, options, &key, &name, code)) return false;
  RegistryDataSize = size;
  const LONG written = RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size);
  return Finish(key, written == ERROR_SUCCESS ? 0 : msg::RegWrite, code);
}

bool DeleteRegistryEntry(HKEY root, const char* path, std::uint32_t options, ErrorCode* code) {
  HKEY key;
  const char* name;
  if (!Walk(root, path, (options & kCallerOptions) | kDeleteMode, &key, &name, code)) return false;
  if (g_options & kKeyTarget) {
    return Finish(key, RegDeleteKeyA(key, g_component) == ERROR_SUCCESS ? 0 : msg::RegDeleteKey, code);
  }
  return Finish(key, RegDeleteValueA(key, name) == ERROR_SUCCESS ? 0 : msg::RegDeleteValue, code);
}
