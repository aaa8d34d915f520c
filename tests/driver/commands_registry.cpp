#include <cstdio>
#include <cstring>

#include "command_handlers.h"
#include "registry_key.h"
#include "script_errors.h"
#include "step_args.h"
#include "text_format.h"
#include "win_error.h"

namespace {

// The value as the script gives it (`sz TEXT` or `dword N`), stored the way Windows stores it.
RegistryValue ValueArg(const std::string& type, const std::string& data) {
  if (type == "sz") return RegistryValue{REG_SZ, data + '\0'};
  if (type == "dword") {
    DWORD number = static_cast<DWORD>(IntegerArg(data, -0x80000000LL, 0xFFFFFFFFLL));
    std::string bytes(sizeof number, '\0');
    std::memcpy(bytes.data(), &number, sizeof number);
    return RegistryValue{REG_DWORD, bytes};
  }
  throw ScriptError("expected the type sz or dword, got " + type);
}

std::string ValueLabel(const std::string& key, const std::string& name) {
  return (name.empty() ? std::string("the default value") : "value " + Quoted(name)) + " of " + key;
}

[[noreturn]] void FailChange(const std::string& what, const char* call, LONG error) {
  throw StepFailure("expected to " + what + ", " + call + " failed with " + ErrorText(static_cast<DWORD>(error)));
}

// Opens the key for reading; false when it does not exist.
bool OpenExisting(const std::string& text, UniqueKey& key) {
  LONG result = OpenKey(ParseKeyPath(text), KEY_READ, key);
  if (result == ERROR_FILE_NOT_FOUND) return false;
  if (result != ERROR_SUCCESS) FailChange("open " + text, "RegOpenKeyEx", result);
  return true;
}

void PrintKey(HKEY key, const std::string& indent) {
  for (const NamedValue& entry : ListValues(key))
    std::printf("%s%s = %s\n", indent.c_str(), Quoted(entry.name).c_str(), DescribeValue(entry.value).c_str());
  for (const std::string& name : ListSubkeys(key)) {
    std::printf("%s%s\\\n", indent.c_str(), name.c_str());
    UniqueKey subkey;
    LONG result = RegOpenKeyExA(key, name.c_str(), 0, KEY_READ, subkey.Receive());
    if (result != ERROR_SUCCESS) FailChange("open the subkey " + name, "RegOpenKeyEx", result);
    PrintKey(subkey.Get(), indent + "  ");
  }
}

}  // namespace

void RunRegSet(Session&, const Args& args) {
  const KeyPath path = ParseKeyPath(args[0]);
  const RegistryValue value = ValueArg(args[2], args[3]);
  UniqueKey key;
  LONG result = RegCreateKeyExA(RootKey(path.root), path.subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                key.Receive(), nullptr);
  if (result != ERROR_SUCCESS) FailChange("create the key " + args[0], "RegCreateKeyEx", result);
  result = RegSetValueExA(key.Get(), args[1].c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size()));
  if (result != ERROR_SUCCESS) FailChange("set " + ValueLabel(args[0], args[1]), "RegSetValueEx", result);
}

// A volatile key takes only volatile subkeys, so a program that creates an
// ordinary key below it meets a refusal from the registry.
void RunRegVolatileKey(Session&, const Args& args) {
  const KeyPath path = ParseKeyPath(args[0]);
  UniqueKey key;
  DWORD disposition = 0;
  LONG result = RegCreateKeyExA(RootKey(path.root), path.subkey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_READ,
                                nullptr, key.Receive(), &disposition);
  if (result != ERROR_SUCCESS) FailChange("create the volatile key " + args[0], "RegCreateKeyEx", result);
  if (disposition != REG_CREATED_NEW_KEY) throw StepFailure("expected to create " + args[0] + ", found it there");
}

void RunRegDeleteKey(Session&, const Args& args) {
  const KeyPath path = ParseKeyPath(args[0]);
  LONG result = RegDeleteTreeA(RootKey(path.root), path.subkey.c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
    FailChange("delete the key " + args[0], "RegDeleteTree", result);
}

void RunRegDeleteValue(Session&, const Args& args) {
  UniqueKey key;
  LONG result = OpenKey(ParseKeyPath(args[0]), KEY_SET_VALUE, key);
  if (result == ERROR_FILE_NOT_FOUND) return;
  if (result != ERROR_SUCCESS) FailChange("open " + args[0], "RegOpenKeyEx", result);
  result = RegDeleteValueA(key.Get(), args[1].c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
    FailChange("delete " + ValueLabel(args[0], args[1]), "RegDeleteValue", result);
}

void RunExpectReg(Session&, const Args& args) {
  const std::string expected = DescribeValue(ValueArg(args[2], args[3]));
  const std::string what = "expected " + ValueLabel(args[0], args[1]) + " to be " + expected + ", found ";
  UniqueKey key;
  if (!OpenExisting(args[0], key)) throw StepFailure(what + "no key " + args[0]);
  std::optional<RegistryValue> value = ReadValue(key.Get(), args[1]);
  if (!value) throw StepFailure(what + "no such value");
  const std::string found = DescribeValue(*value);
  if (found != expected) throw StepFailure(what + found);
}

void RunExpectNoReg(Session&, const Args& args) {
  UniqueKey key;
  if (!OpenExisting(args[0], key)) return;
  if (args.size() == 1)
    throw StepFailure("expected no key " + args[0] + ", found it with " + std::to_string(ListValues(key.Get()).size()) +
                      " values and " + std::to_string(ListSubkeys(key.Get()).size()) + " subkeys");
  if (std::optional<RegistryValue> value = ReadValue(key.Get(), args[1]))
    throw StepFailure("expected no " + ValueLabel(args[0], args[1]) + ", found " + DescribeValue(*value));
}

void RunPrintReg(Session&, const Args& args) {
  UniqueKey key;
  if (!OpenExisting(args[0], key)) throw StepFailure("expected a key " + args[0] + " to print, found none");
  std::printf("key %s\n", args[0].c_str());
  PrintKey(key.Get(), "  ");
}
