#include "registry_key.h"

#include <cstring>

#include "hex_bytes.h"
#include "script_errors.h"
#include "text_format.h"
#include "win_error.h"

namespace {

constexpr size_t kShownBytes = 64;

[[noreturn]] void FailRead(const char* call, LONG error) {
  throw StepFailure(std::string("expected to read the registry, ") + call + " failed with " +
                    ErrorText(static_cast<DWORD>(error)));
}

std::string WithoutTerminator(const std::string& data) {
  return !data.empty() && data.back() == '\0' ? data.substr(0, data.size() - 1) : data;
}

std::string NumberText(unsigned long long number) { return std::to_string(number) + " (" + Hex(number) + ")"; }

template <typename Number>
std::string FixedNumberText(const char* type, const std::string& data) {
  if (data.size() != sizeof(Number))
    return std::string(type) + " of " + std::to_string(data.size()) + " bytes " + HexBytes(data, kShownBytes);
  Number number;
  std::memcpy(&number, data.data(), sizeof number);
  return std::string(type) + " " + NumberText(number);
}

}  // namespace

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kClassesRoot:
      return HKEY_CLASSES_ROOT;
    default:
      return HKEY_CURRENT_USER;
  }
}

LONG OpenKey(const KeyPath& path, REGSAM access, UniqueKey& key) {
  return RegOpenKeyExA(RootKey(path.root), path.subkey.c_str(), 0, access, key.Receive());
}

std::optional<RegistryValue> ReadValue(HKEY key, const std::string& name) {
  RegistryValue value{REG_NONE, {}};
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  // The value may grow between asking its size and reading it.
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    value.data.resize(size);
    result =
        RegQueryValueExA(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size);
    if (result == ERROR_SUCCESS) {
      value.data.resize(size);
      return value;
    }
  }
  if (result == ERROR_FILE_NOT_FOUND) return std::nullopt;
  FailRead("RegQueryValueEx", result);
}

std::vector<NamedValue> ListValues(HKEY key) {
  std::vector<NamedValue> values;
  for (DWORD index = 0;;) {
    DWORD name_max = 0, data_max = 0;
    LONG info = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &name_max,
                                 &data_max, nullptr, nullptr);
    if (info != ERROR_SUCCESS) FailRead("RegQueryInfoKey", info);
    std::string name(name_max + 1, '\0');
    NamedValue entry{{}, {REG_NONE, std::string(data_max, '\0')}};
    DWORD name_length = name_max + 1;
    DWORD data_size = data_max;
    LONG result = RegEnumValueA(key, index, name.data(), &name_length, nullptr, &entry.value.type,
                                reinterpret_cast<BYTE*>(entry.value.data.data()), &data_size);
    if (result == ERROR_NO_MORE_ITEMS) return values;
    // A value that grew since RegQueryInfoKey is read again with the new sizes.
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) FailRead("RegEnumValue", result);
    entry.name = name.substr(0, name_length);
    entry.value.data.resize(data_size);
    values.push_back(std::move(entry));
    ++index;
  }
}

std::vector<std::string> ListSubkeys(HKEY key) {
  std::vector<std::string> names;
  // Key names are at most 255 characters.
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    LONG result = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return names;
    if (result != ERROR_SUCCESS) FailRead("RegEnumKeyEx", result);
    names.emplace_back(name, length);
  }
}

std::string DescribeValue(const RegistryValue& value) {
  switch (value.type) {
    case REG_SZ:
      return "sz " + Quoted(WithoutTerminator(value.data));
    case REG_EXPAND_SZ:
      return "expand-sz " + Quoted(WithoutTerminator(value.data));
    case REG_MULTI_SZ:
      return "multi-sz " + Quoted(WithoutTerminator(value.data));
    case REG_DWORD:
      return FixedNumberText<DWORD>("dword", value.data);
    case REG_QWORD:
      return FixedNumberText<unsigned long long>("qword", value.data);
    case REG_BINARY:
      return "binary " + HexBytes(value.data, kShownBytes);
    case REG_NONE:
      return "none " + HexBytes(value.data, kShownBytes);
    default:
      return "type " + std::to_string(value.type) + " " + HexBytes(value.data, kShownBytes);
  }
}
