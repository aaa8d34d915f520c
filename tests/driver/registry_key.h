#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "key_path.h"

// Owns an open registry key. Keys are closed as soon as a step is done with them, so what the step
// wrote is what any other process reads next.
class UniqueKey {
 public:
  UniqueKey() = default;
  UniqueKey(const UniqueKey&) = delete;
  UniqueKey& operator=(const UniqueKey&) = delete;
  ~UniqueKey() {
    if (key_) RegCloseKey(key_);
  }

  HKEY Get() const { return key_; }
  HKEY* Receive() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

HKEY RootKey(RegistryRoot root);

// ERROR_SUCCESS with `key` open, or the error (ERROR_FILE_NOT_FOUND when the key does not exist).
LONG OpenKey(const KeyPath& path, REGSAM access, UniqueKey& key);

struct RegistryValue {
  DWORD type;
  std::string data;
};

// Nothing when the value does not exist; a StepFailure for any other error.
std::optional<RegistryValue> ReadValue(HKEY key, const std::string& name);

struct NamedValue {
  std::string name;
  RegistryValue value;
};
std::vector<NamedValue> ListValues(HKEY key);
std::vector<std::string> ListSubkeys(HKEY key);

// `sz "text"`, `dword 5 (0x5)`, `binary 01 02`: the type as scripts name it and the data.
// Text is shown without its terminating NUL, so data stored with or without one reads alike.
std::string DescribeValue(const RegistryValue& value);
