#include <cstdio>

#include "check.h"

#include "../hex_bytes.h"
#include "../key_path.h"
#include "../name_list.h"
#include "../script_errors.h"

namespace {

using check::Check;

bool KeyIs(const char* text, RegistryRoot root, const char* subkey) {
  try {
    KeyPath path = ParseKeyPath(text);
    return path.root == root && path.subkey == subkey;
  } catch (const ScriptError&) {
    return false;
  }
}

bool KeyRejected(const char* text) {
  try {
    ParseKeyPath(text);
    return false;
  } catch (const ScriptError&) {
    return true;
  }
}

void HexPairs() {
  Check(ParseHexBytes("4D5a") == std::string("MZ"), "pairs of either case");
  Check(ParseHexBytes(" 4D \t5A 00 ") == std::string("MZ\0", 3), "blanks between pairs, NUL kept");
  Check(ParseHexBytes("") == std::string(), "no pairs is no bytes");
  Check(!ParseHexBytes("4D5") && !ParseHexBytes("4 D") && !ParseHexBytes("4G") && !ParseHexBytes("0x4D"),
        "odd digits, a split pair, non-hex and 0x are rejected");
  Check(HexBytes(std::string("\x01\xff\0", 3), 8) == "01 FF 00", "bytes shown as pairs");
  Check(HexBytes("abcd", 2) == "61 62 ...", "long data is cut at the limit");
}

void KeyPaths() {
  Check(KeyIs("Software\\A", RegistryRoot::kCurrentUser, "Software\\A"), "no prefix is below HKCU");
  Check(KeyIs("HKLM\\Software\\A", RegistryRoot::kLocalMachine, "Software\\A"), "HKLM prefix");
  Check(KeyIs("hkcr\\.txt", RegistryRoot::kClassesRoot, ".txt"), "HKCR prefix in any case");
  Check(KeyIs("HKCU\\Software", RegistryRoot::kCurrentUser, "Software"), "HKCU prefix");
  Check(KeyIs("HKLMX\\A", RegistryRoot::kCurrentUser, "HKLMX\\A"), "a longer first name is no prefix");
  Check(KeyRejected("") && KeyRejected("HKLM\\") && KeyRejected("hkcu\\"), "a root alone is rejected");
  Check(KeyRejected("\\Software") && KeyRejected("Software\\") && KeyRejected("Software\\\\A") &&
            KeyRejected("HKLM\\\\Software"),
        "empty names are rejected");
}

void Names() {
  Check(FoldedName("ReadMe.TXT") == "readme.txt", "names fold to lower case");
  Check(SameNames({"A.txt", "b"}, {"B", "a.TXT"}), "order and case do not matter");
  Check(!SameNames({"a", "a"}, {"a", "b"}) && !SameNames({"a"}, {"a", "b"}) && SameNames({}, {}), "every name counts");
  Check(SortedNames({"b", "A", "c"}) == std::vector<std::string>{"A", "b", "c"}, "sorted regardless of case");
  Check(JoinNames({"a", "b"}) == "a, b" && JoinNames({}) == "nothing", "lists read as text");
}

}  // namespace

int main() {
  HexPairs();
  KeyPaths();
  Names();
  return check::Summary();
}
