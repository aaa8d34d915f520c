#include "platform/registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/process_state.h"

namespace {

// Every test works below its own key under HKCU\Software\VexoLoadTests.
struct Registry : ::testing::Test {
  std::string base;
  ErrorCode code = 0;
  void SetUp() override {
    g_registrySecurity = {};
    g_registrySecurity.nLength = sizeof g_registrySecurity;
    base = "Software\\VexoLoadTests\\" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
    RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str());
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }

  bool KeyExists(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  // Reads a value straight from the registry: type and bytes.
  bool RawValue(const std::string& keyPath, const char* name, DWORD* type, std::string* bytes) {
    char data[1024];
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, keyPath.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, type, data, &size) !=
        ERROR_SUCCESS) {
      return false;
    }
    bytes->assign(data, size);
    return true;
  }
  void SetRaw(const std::string& keyPath, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }
};

TEST_F(Registry, MissingChainIsCreatedKeyByKeyOnlyWhenAsked) {
  const std::string path = base + "\\One\\Two\\Three\\\\Value";
  EXPECT_FALSE(WriteStringValue(HKEY_CURRENT_USER, path.c_str(), 0, "x", &code));
  EXPECT_EQ(code, 0x2000010Au);
  EXPECT_FALSE(KeyExists(base + "\\One"));

  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, path.c_str(), kCreateKeys | kCreateValue, "Colour", &code));
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(base + "\\One\\Two\\Three", "Value", &type, &bytes));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, std::string("Colour\0", 7)) << "the terminator is stored";
}

TEST_F(Registry, LeadingBackslashReachesTheSameValue) {
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\\\V").c_str(), kCreateKeys, "same", &code));
  ASSERT_TRUE(ReadStringValue(HKEY_CURRENT_USER, ("\\" + base + "\\K\\\\V").c_str(), 0, &code));
  EXPECT_STREQ(RegistryString, "same");
  EXPECT_EQ(RegistryDataSize, 5u);
}

TEST_F(Registry, ReadingAMissingValue) {
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\\\Other").c_str(), kCreateKeys, "x", &code));
  EXPECT_FALSE(ReadStringValue(HKEY_CURRENT_USER, (base + "\\K\\\\Missing").c_str(), 0, &code));
  EXPECT_EQ(code, 0x2000010Du);
  ASSERT_TRUE(ReadStringValue(HKEY_CURRENT_USER, (base + "\\K\\\\Missing").c_str(), kCreateValue, &code));
  EXPECT_STREQ(RegistryString, "");
  EXPECT_EQ(RegistryDataSize, 1u);
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(base + "\\K", "Missing", &type, &bytes));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, std::string(1, '\0'));
  EXPECT_FALSE(ReadStringValue(HKEY_CURRENT_USER, (base + "\\Nowhere\\\\V").c_str(), kCreateValue, &code));
  EXPECT_EQ(code, 0x2000010Au) << "options 0x2 alone create no keys";
}

TEST_F(Registry, StringBufferLimitAndTermination) {
  const std::string key = base + "\\K";
  const std::string longest(259, 's');
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (key + "\\\\Fits").c_str(), kCreateKeys, longest.c_str(), &code));
  ASSERT_TRUE(ReadStringValue(HKEY_CURRENT_USER, (key + "\\\\Fits").c_str(), 0, &code));
  EXPECT_EQ(std::string(RegistryString), longest);

  const std::string tooLong(260, 't');
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (key + "\\\\Long").c_str(), 0, tooLong.c_str(), &code));
  EXPECT_FALSE(ReadStringValue(HKEY_CURRENT_USER, (key + "\\\\Long").c_str(), 0, &code));
  EXPECT_EQ(code, 0x2000010Du);

  const std::string full(260, 'f');
  SetRaw(key, "Full", REG_BINARY, full.data(), 260);
  EXPECT_FALSE(ReadStringValue(HKEY_CURRENT_USER, (key + "\\\\Full").c_str(), 0, &code))
      << "260 bytes and no terminator cannot be a text";
  EXPECT_EQ(code, 0x2000010Du);

  const DWORD number = 0x00434241;  // "ABC\0" ... read as text
  const DWORD noZero = 0x44434241;  // "ABCD" with no terminator
  SetRaw(key, "Dword", REG_DWORD, &noZero, 4);
  ASSERT_TRUE(ReadStringValue(HKEY_CURRENT_USER, (key + "\\\\Dword").c_str(), 0, &code));
  EXPECT_EQ(RegistryDataSize, 4u);
  EXPECT_STREQ(RegistryString, "ABCD") << "its raw bytes, terminated at the data size";
  SetRaw(key, "Dword", REG_DWORD, &number, 4);
  ASSERT_TRUE(ReadStringValue(HKEY_CURRENT_USER, (key + "\\\\Dword").c_str(), 0, &code));
  EXPECT_STREQ(RegistryString, "ABC");
}

TEST_F(Registry, BinaryValues) {
  const std::uint8_t data[3] = {1, 0, 2};
  ASSERT_TRUE(WriteBinaryValue(HKEY_CURRENT_USER, (base + "\\K\\\\Bin").c_str(), kCreateKeys, data, 3, &code));
  std::uint8_t back[8] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadBinaryValue(HKEY_CURRENT_USER, (base + "\\K\\\\Bin").c_str(), 0, back, sizeof back, &read, &code));
  EXPECT_EQ(read, 3u);
  EXPECT_EQ(back[2], 2);
  ASSERT_TRUE(ReadBinaryValue(HKEY_CURRENT_USER, (base + "\\K\\\\New").c_str(), kCreateValue, back, sizeof back,
                              &read, &code));
  EXPECT_EQ(read, 0u);
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(base + "\\K", "New", &type, &bytes));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_TRUE(bytes.empty());
}

TEST_F(Registry, DeleteAKeyOrAValue) {
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\Leaf\\\\V").c_str(), kCreateKeys, "x", &code));
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\\\W").c_str(), 0, "y", &code));
  ASSERT_TRUE(DeleteRegistryEntry(HKEY_CURRENT_USER, (base + "\\K\\\\W").c_str(), 0, &code));
  DWORD type;
  std::string bytes;
  EXPECT_FALSE(RawValue(base + "\\K", "W", &type, &bytes));
  EXPECT_TRUE(KeyExists(base + "\\K\\Leaf")) << "a value delete leaves the key";

  ASSERT_TRUE(DeleteRegistryEntry(HKEY_CURRENT_USER, (base + "\\K\\Leaf\\\\").c_str(), 0, &code));
  EXPECT_FALSE(KeyExists(base + "\\K\\Leaf"));
  EXPECT_TRUE(KeyExists(base + "\\K"));

  EXPECT_FALSE(DeleteRegistryEntry(HKEY_CURRENT_USER, (base + "\\K\\\\W").c_str(), 0, &code));
  EXPECT_EQ(code, 0x20000112u);
  EXPECT_FALSE(DeleteRegistryEntry(HKEY_CURRENT_USER, (base + "\\K\\Gone\\\\").c_str(), 0, &code));
  EXPECT_EQ(code, 0x2000010Au) << "the walk opens the key to delete before deleting it";
}

// Asked to create a value it cannot read, the layer creates only a value that
// is not there: one that is too long or too large for the buffer is kept.
TEST_F(Registry, AValueThatDoesNotFitIsNeverReplaced) {
  const std::string key = base + "\\K";
  const std::string tooLong(300, 't');
  SetRaw(key, "Long", REG_SZ, tooLong.c_str(), 301);
  const std::string bytes10 = "0123456789";
  SetRaw(key, "Bin", REG_BINARY, bytes10.data(), 10);

  EXPECT_FALSE(ReadStringValue(HKEY_CURRENT_USER, (key + "\\\\Long").c_str(), kCreateValue, &code));
  EXPECT_EQ(code, 0x2000010Du);
  std::uint8_t small[4] = {};
  DWORD read = 99;
  EXPECT_FALSE(ReadBinaryValue(HKEY_CURRENT_USER, (key + "\\\\Bin").c_str(), 0, small, sizeof small, &read, &code))
      << "ten bytes do not fit in four";
  EXPECT_EQ(code, 0x2000010Du);
  EXPECT_FALSE(ReadBinaryValue(HKEY_CURRENT_USER, (key + "\\\\Bin").c_str(), kCreateValue, small, sizeof small,
                               &read, &code));
  EXPECT_EQ(code, 0x2000010Du);

  DWORD type = 0;
  std::string stored;
  ASSERT_TRUE(RawValue(key, "Long", &type, &stored));
  EXPECT_EQ(stored, tooLong + '\0');
  ASSERT_TRUE(RawValue(key, "Bin", &type, &stored));
  EXPECT_EQ(stored, bytes10);
}

// Delete mode and the key target are the delete operation's own; a caller who
// passes them changes nothing.
TEST_F(Registry, CallersCannotSetTheWalksOwnOptions) {
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\K\\\\Inner").c_str(), kCreateKeys, "i", &code));
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\\\W").c_str(), 0, "w", &code));
  ASSERT_TRUE(DeleteRegistryEntry(HKEY_CURRENT_USER, (base + "\\K\\\\W").c_str(), kKeyTarget, &code));
  DWORD type;
  std::string bytes;
  EXPECT_FALSE(RawValue(base + "\\K", "W", &type, &bytes)) << "the value named was deleted";
  EXPECT_TRUE(KeyExists(base + "\\K\\K")) << "not a key of the same name";

  HKEY key = nullptr;
  const char* name = nullptr;
  ASSERT_TRUE(OpenKeyPath(HKEY_CURRENT_USER, (base + "\\A\\B\\\\").c_str(), kCreateKeys | kDeleteMode, &key,
                          &name, &code));
  ASSERT_EQ(RegSetValueExA(key, "Here", 0, REG_SZ, reinterpret_cast<const BYTE*>("b"), 2), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_TRUE(RawValue(base + "\\A\\B", "Here", &type, &bytes)) << "the last key, not its parent";
}

TEST_F(Registry, AKeyWithASubkeyIsNotDeleted) {
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, (base + "\\K\\Sub\\\\V").c_str(), kCreateKeys, "x", &code));
  EXPECT_FALSE(DeleteRegistryEntry(HKEY_CURRENT_USER, (base + "\\K\\\\").c_str(), 0, &code));
  EXPECT_EQ(code, 0x20000111u);
  EXPECT_TRUE(KeyExists(base + "\\K\\Sub"));
}

TEST_F(Registry, OpenKeyPathEndingInADoubleBackslashReturnsTheLastKey) {
  HKEY key = nullptr;
  const char* name = nullptr;
  const std::string path = base + "\\A\\B\\\\";
  ASSERT_TRUE(OpenKeyPath(HKEY_CURRENT_USER, path.c_str(), kCreateKeys, &key, &name, &code));
  EXPECT_STREQ(name, "");
  ASSERT_EQ(RegSetValueExA(key, "Here", 0, REG_SZ, reinterpret_cast<const BYTE*>("b"), 2), ERROR_SUCCESS);
  RegCloseKey(key);
  DWORD type;
  std::string bytes;
  EXPECT_TRUE(RawValue(base + "\\A\\B", "Here", &type, &bytes));
}

TEST_F(Registry, OpenFailuresOtherThanNotFoundAreNeverCreated) {
  // Wine grants every access to its registry, so an open is refused here through
  // a root that is no key at all (ERROR_INVALID_HANDLE).
  HKEY notAKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7FFF1234));
  EXPECT_FALSE(WriteStringValue(notAKey, "Software\\\\V", kCreateKeys, "x", &code));
  EXPECT_EQ(code, 0x2000010Au);
}

TEST_F(Registry, ComponentsOfMoreThan255CharactersFailCleanly) {
  const std::string path = base + "\\" + std::string(256, 'c') + "\\\\V";
  EXPECT_FALSE(WriteStringValue(HKEY_CURRENT_USER, path.c_str(), kCreateKeys, "x", &code));
  EXPECT_EQ(code, 0x2000010Au);
  EXPECT_FALSE(WriteStringValue(HKEY_CURRENT_USER, "no backslash at all", kCreateKeys, "x", &code));
  EXPECT_EQ(code, 0x2000010Au);
}

}  // namespace
