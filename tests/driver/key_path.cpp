#include "key_path.h"

#include <cstring>

#include "script_errors.h"

namespace {

struct NamedRoot {
  const char* prefix;
  RegistryRoot root;
};

const NamedRoot kRoots[] = {
    {"HKCU\\", RegistryRoot::kCurrentUser},
    {"HKLM\\", RegistryRoot::kLocalMachine},
    {"HKCR\\", RegistryRoot::kClassesRoot},
};

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i) {
    if (i >= text.size()) return false;
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

KeyPath ParseKeyPath(const std::string& text) {
  KeyPath path{RegistryRoot::kCurrentUser, text};
  for (const NamedRoot& named : kRoots) {
    if (StartsWithNoCase(text, named.prefix)) {
      path = KeyPath{named.root, text.substr(std::strlen(named.prefix))};
      break;
    }
  }
  const std::string& sub = path.subkey;
  if (sub.empty() || sub.front() == '\\' || sub.back() == '\\' || sub.find("\\\\") != std::string::npos)
    throw ScriptError("expected a key path of names joined by single backslashes, got " + text);
  return path;
}
