#include "palm/palm_user.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "palm/user_list_writer.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"
#include "tests/win/scratch_folder.h"
#include "ui/error_report.h"
#include "ui/window_record.h"

namespace {

// A Palm Desktop of our own: a program registered for ".pdb" in a scratch
// folder, its Users.dat and the user's folder.
struct PalmDesktop : ::testing::Test {
  ScratchFolder folder;
  std::string desktop = folder.Path() + "\\Palm";
  ErrorCode code = 0;

  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ASSERT_TRUE(LoadMessageTable());
    g_registrySecurity = {sizeof g_registrySecurity, nullptr, FALSE};
    MainPalmUser = {};
    CreateDirectoryA(desktop.c_str(), nullptr);
    ASSERT_TRUE(WriteWholeFile(desktop + "\\Palm.exe", "MZ"));
    Associate(desktop + "\\Palm.exe");
  }
  void TearDown() override {
    MemFree(&MainPalmUser.image);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".pdb");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VexoTest.PalmDatabase");
  }
  static void Associate(const std::string& program) {
    RegSetValueA(HKEY_CLASSES_ROOT, ".pdb", REG_SZ, "VexoTest.PalmDatabase", 0);
    const std::string command = "\"" + program + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, "VexoTest.PalmDatabase\\shell\\open\\command", REG_SZ, command.c_str(), 0);
  }
  void Users(const std::vector<UserListEntry>& users, bool sync = false) {
    const auto bytes = WriteUserList(users, sync);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_TRUE(WriteWholeFile(desktop + "\\Users.dat", std::string(bytes->begin(), bytes->end())));
  }
  static int TempFiles() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    WIN32_FIND_DATAA found;
    int count = 0;
    HANDLE search = FindFirstFileA((std::string(temp) + "*.pdb").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
  }
};

TEST_F(PalmDesktop, TheMainUserComesFromTheAssociatedProgramsFolder) {
  Users({{1234, "Jo Player", "PlayerJ"}, {99, "Second", "Second"}}, true);
  const int before = TempFiles();
  ASSERT_TRUE(FindPalmUser(&code)) << std::hex << code;
  EXPECT_EQ(MainPalmUser.id, 1234u);
  EXPECT_STREQ(MainPalmUser.name, "Jo Player");
  EXPECT_EQ(std::string(MainPalmUser.folder), desktop + "\\PlayerJ");
  EXPECT_EQ(MainPalmUser.recordTag, 0x0001);
  ASSERT_NE(MainPalmUser.image, nullptr);
  EXPECT_EQ(TempFiles(), before) << "the probe files are gone";

  MakeInstallFlagName();
  EXPECT_STREQ(InstallFlagName, "Install1234");
  MainPalmUser.id = 0x80000005;
  MakeInstallFlagName();
  EXPECT_STREQ(InstallFlagName, "Install-2147483643");
}

TEST_F(PalmDesktop, NoAssociationMeansNoHotSyncManager) {
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ".pdb");
  Users({{1, "A", "A"}});
  const int before = TempFiles();
  EXPECT_FALSE(FindPalmUser(&code));
  EXPECT_EQ(code, 0x20000122u);
  EXPECT_STREQ(MessageText(code), "Palm Hot Synch Manager not found.");
  EXPECT_EQ(TempFiles(), before) << "neither temporary file is left behind";
}

TEST_F(PalmDesktop, UserListMissingOrAFolder) {
  EXPECT_FALSE(FindPalmUser(&code));
  EXPECT_EQ(code, 0x20000123u);
  CreateDirectoryA((desktop + "\\Users.dat").c_str(), nullptr);
  EXPECT_FALSE(FindPalmUser(&code));
  EXPECT_EQ(code, 0x20000123u);
  EXPECT_STREQ(MessageText(code), "Palm user data file does not exist.");
}

TEST_F(PalmDesktop, BrokenUserListsAreNotAvailable) {
  ASSERT_TRUE(WriteWholeFile(desktop + "\\Users.dat", std::string(30, '\x01')));
  EXPECT_FALSE(FindPalmUser(&code));
  EXPECT_EQ(code, 0x20000125u);
}

TEST_F(PalmDesktop, AUserFolderTooLongForTheInstallFolderIsRefused) {
  const std::string longest(255, 'f');
  Users({{7, "Long", longest}});
  EXPECT_FALSE(FindPalmUser(&code)) << "the folder alone would not leave room for Install";
  EXPECT_EQ(code, 0x20000125u);
  EXPECT_LT(std::string(MainPalmUser.folder).size(), static_cast<std::size_t>(kPathSize));
}

struct InstallFolderTest : PalmDesktop {
  void UseFolder(const std::string& user) {
    std::strcpy(MainPalmUser.folder, (desktop + "\\" + user).c_str());
  }
};

TEST_F(InstallFolderTest, MissingFoldersAreCreatedOneLevelEach) {
  UseFolder("NewUser");
  ASSERT_TRUE(PrepareInstallFolder(&code));
  EXPECT_EQ(std::string(InstallFolder), desktop + "\\NewUser\\Install\\");
  EXPECT_TRUE(FileExists(desktop + "\\NewUser\\Install"));
  ASSERT_TRUE(PrepareInstallFolder(&code)) << "existing folders are fine";

  std::strcpy(MainPalmUser.folder, (desktop + "\\No\\Such").c_str());
  EXPECT_FALSE(PrepareInstallFolder(&code)) << "only the last component is created";
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_PATH_NOT_FOUND));
}

TEST_F(InstallFolderTest, FilesInPlaceOfTheFolders) {
  ASSERT_TRUE(WriteWholeFile(desktop + "\\FileUser", "x"));
  UseFolder("FileUser");
  EXPECT_FALSE(PrepareInstallFolder(&code));
  EXPECT_EQ(code, 0x20000127u);
  EXPECT_STREQ(MessageText(code), "Error: Failed to open Date Book database.");

  CreateDirectoryA((desktop + "\\User").c_str(), nullptr);
  ASSERT_TRUE(WriteWholeFile(desktop + "\\User\\Install", "x"));
  UseFolder("User");
  EXPECT_FALSE(PrepareInstallFolder(&code));
  EXPECT_EQ(code, 0x20000128u);
  EXPECT_STREQ(MessageText(code), "Error: Palm User's Install directory is invalid.");
}

TEST_F(PalmDesktop, InstallFlagIsWrittenWithEveryMissingKey) {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\U.S. Robotics");
  std::strcpy(InstallFlagName, "Install4321");
  ASSERT_TRUE(SetInstallFlag(1, &code));
  DWORD value = 0, size = sizeof value, type = 0;
  ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager", "Install4321",
                         RRF_RT_ANY, &type, &value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 1u);
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\U.S. Robotics");
}

}  // namespace
