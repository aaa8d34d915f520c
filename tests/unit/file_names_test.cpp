#include "platform/file_names.h"
#include "tests/support/code_pages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/value_path.h"

namespace {

FolderText Folder(const char* text) {
  FolderText f = {};
  std::strcpy(f.text, text);
  f.length = static_cast<std::uint32_t>(std::strlen(text));
  return f;
}

struct Names : ::testing::Test {
  FolderText current = Folder("");
  FolderText windows = Folder("C:\\windows\\");
  FolderText system = Folder("C:\\windows\\system32\\");
  BaseFolders bases{&current, &windows, &system};
  char out[kPathSize];

  std::string Resolve(const char* name) {
    const char* resolved = nullptr;
    EXPECT_TRUE(ResolvePrefixedName(name, bases, out, sizeof out, &resolved)) << name;
    return resolved ? resolved : "";
  }
};

TEST_F(Names, Prefixes) {
  EXPECT_EQ(Resolve("+CVexo.qpk"), "Vexo.qpk");
  EXPECT_EQ(Resolve("+Wwin.ini"), "C:\\windows\\win.ini");
  EXPECT_EQ(Resolve("+Skernel32.dll"), "C:\\windows\\system32\\kernel32.dll");
  EXPECT_EQ(Resolve("+XVexo.qpk"), "+XVexo.qpk") << "any other prefix is used literally";
  EXPECT_EQ(Resolve("+"), "+");
  EXPECT_EQ(Resolve("plain.txt"), "plain.txt");
  const char* resolved = nullptr;
  const char* plain = "plain.txt";
  ASSERT_TRUE(ResolvePrefixedName(plain, bases, out, sizeof out, &resolved));
  EXPECT_EQ(resolved, plain) << "an unprefixed name is the caller's own text";
}

TEST_F(Names, ResolvedNameThatWouldNotFitIsRefused) {
  const std::string fits = "+W" + std::string(kPathSize - 1 - windows.length, 'n');
  EXPECT_EQ(Resolve(fits.c_str()).size(), kPathSize - 1);
  const std::string tooLong = fits + "n";
  const char* resolved = "untouched";
  EXPECT_FALSE(ResolvePrefixedName(tooLong.c_str(), bases, out, sizeof out, &resolved));
  EXPECT_STREQ(resolved, "untouched");
  EXPECT_EQ(out[0], 0) << "nothing half-made is left for a later reader";
}

TEST(JoinPath, Separators) {
  char folder[kPathSize] = "A:";
  ASSERT_TRUE(JoinPathIn(folder, sizeof folder, "x.pdb", IsLeadByte1252));
  EXPECT_STREQ(folder, "A:x.pdb") << "drive-relative";
  std::strcpy(folder, "C:\\Palm\\");
  ASSERT_TRUE(JoinPathIn(folder, sizeof folder, "x.pdb", IsLeadByte1252));
  EXPECT_STREQ(folder, "C:\\Palm\\x.pdb");
  std::strcpy(folder, "C:\\Palm");
  ASSERT_TRUE(JoinPathIn(folder, sizeof folder, "x.pdb", IsLeadByte1252));
  EXPECT_STREQ(folder, "C:\\Palm\\x.pdb");
  folder[0] = 0;
  ASSERT_TRUE(JoinPathIn(folder, sizeof folder, "x.pdb", IsLeadByte1252));
  EXPECT_STREQ(folder, "x.pdb") << "an empty folder is the current one, not the root";
}

// A folder whose name ends in 表 (0x95 0x5C in code page 932) does not end in a
// separator there; in 1252 the same bytes do. Paths are cut after their last
// backslash character, never after a character's second byte.
TEST(JoinPath, FoldersEndingInADoubleByteCharacter) {
  struct Case {
    LeadByteTest lead;
    const char* folder;
    const char* joined;
    std::size_t afterLastBackslash;
  };
  const Case cases[] = {
      {IsLeadByte932, "C:\\Games\\\x95\x5C", "C:\\Games\\\x95\x5C\\x.pdb", 9},
      {IsLeadByte1252, "C:\\Games\\\x95\x5C", "C:\\Games\\\x95\x5Cx.pdb", 11},
      {IsLeadByte932, "C:\\\x83\x70\x81\x5B\x83\x80\x83\x5C\x83\x74\x83\x67\\", "C:\\\x83\x70\x81\x5B\x83\x80\x83\x5C\x83\x74\x83\x67\\x.pdb", 16},
      {IsLeadByte932, "\x83\x5C", "\x83\x5C\\x.pdb", 0},
      {IsLeadByte932, "C:\x83\x5C", "C:\x83\x5C\\x.pdb", 0},
  };
  for (const Case& c : cases) {
    char folder[kPathSize];
    std::strcpy(folder, c.folder);
    EXPECT_EQ(AfterLastBackslash(folder, std::strlen(folder), c.lead), c.afterLastBackslash) << c.folder;
    ASSERT_TRUE(JoinPathIn(folder, sizeof folder, "x.pdb", c.lead));
    EXPECT_STREQ(folder, c.joined);
  }
}

TEST(JoinPath, RefusesAResultThatDoesNotFit) {
  char folder[kPathSize];
  std::memset(folder, 'f', 250);
  folder[250] = 0;
  EXPECT_TRUE(JoinPathIn(folder, sizeof folder, "12345678", IsLeadByte1252));  // 250 + 1 + 8 = 259
  folder[250] = 0;
  EXPECT_FALSE(JoinPathIn(folder, sizeof folder, "123456789", IsLeadByte1252));
  EXPECT_EQ(std::strlen(folder), 250u) << "left as it was";
}

TEST(ValuePath, ComponentsAndTheValueName) {
  const char* path = "\\Software\\Zenti\\\\Palm Type";
  std::size_t at = 0;
  char component[kComponentSize];
  ASSERT_TRUE(TakePathComponent(path, &at, component));
  EXPECT_STREQ(component, "") << "a leading backslash makes an empty first component";
  ASSERT_TRUE(TakePathComponent(path, &at, component));
  EXPECT_STREQ(component, "Software");
  ASSERT_TRUE(TakePathComponent(path, &at, component));
  EXPECT_STREQ(component, "Zenti");
  EXPECT_EQ(path[at], '\\') << "the key part ends at the double backslash";
  EXPECT_STREQ(path + at + 1, "Palm Type");
}

TEST(ValuePath, ComponentLimitAndMissingBackslash) {
  char component[kComponentSize];
  std::size_t at = 0;
  const std::string longest = std::string(255, 'k') + "\\\\v";
  ASSERT_TRUE(TakePathComponent(longest.c_str(), &at, component));
  EXPECT_EQ(std::strlen(component), 255u);
  at = 0;
  const std::string tooLong = std::string(256, 'k') + "\\\\v";
  EXPECT_FALSE(TakePathComponent(tooLong.c_str(), &at, component));
  EXPECT_EQ(at, 0u);
  EXPECT_FALSE(TakePathComponent("no backslash", &at, component));
  const char shortText[] = {'a', 0, '\\', 0};
  EXPECT_FALSE(TakePathComponent(shortText, &at, component)) << "the search stops at the terminator";
}

}  // namespace
