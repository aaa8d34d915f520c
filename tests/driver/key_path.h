#pragma once

#include <string>

enum class RegistryRoot { kCurrentUser, kLocalMachine, kClassesRoot };

struct KeyPath {
  RegistryRoot root;
  std::string subkey;
};

// `Software\A` is below HKEY_CURRENT_USER; `HKLM\`, `HKCR\` (and `HKCU\`) name the root.
// Throws ScriptError for an empty component, so no path can name a root itself.
KeyPath ParseKeyPath(const std::string& text);
