// What the scan of the Install folder keeps, deletes and counts as queued, and
// the size of what is ticked.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "archive/extract.h"
#include "installer/selection.h"
#include "tests/win/main_window_fixture.h"

namespace {

struct InstallFolderScan : MainWindowFixture {
  const std::string uk = GameHeader("Vexo Language UK", "lang") + std::string(300, 'u');
  const std::string level = GameHeader("Vexo Level 03 Colour", "cl03") + std::string(500, 'l');
  // A language whose name only begins with SP: no row takes it.
  const std::string noRow = GameHeader("SP Vexo Language", "lang") + std::string(100, 's');

  void SetUp() override {
    MainWindowFixture::SetUp();
    LoadArchive({{"Vexo Language UK", "Vexo", "lang", uk},
                 {"Vexo Level 03 Colour", "Vexo", "cl03", level},
                 {"SP Vexo Language", "Vexo", "lang", noRow}});
  }
  void Put(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteWholeFile(InInstall(name), bytes)); }
  std::string FirstListed() const {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(InInstall("*.pdb").c_str(), &found);
    EXPECT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    return found.cFileName;
  }
};

TEST_F(InstallFolderScan, GameFilesThatNoEntryOrNoRowClaimsAreDeleted) {
  Put("stray.pdb", GameHeader("Vexo Level 04 Colour", "cl04") + std::string(200, 'x'));
  Put("longname.pdb", GameHeader("Vexo Language UK", "lang").replace(20, 1, "!") + std::string(300, 'u'));
  Put("spanish.pdb", noRow);
  Put("Vexo0000.pdb", uk);
  ScanInstallFolder(false);
  EXPECT_FALSE(FileExists(InInstall("stray.pdb"))) << "no entry has its name and type";
  EXPECT_FALSE(FileExists(InInstall("longname.pdb"))) << "a byte after the name's terminator differs";
  EXPECT_FALSE(FileExists(InInstall("spanish.pdb"))) << "its entry matches no row";
  EXPECT_EQ(ReadWholeFile(InInstall("Vexo0000.pdb")), uk);
  EXPECT_EQ(QueuedFlags[0], kQueued);
  EXPECT_EQ(QueuedFlags[2], kNotQueued);
}

TEST_F(InstallFolderScan, OfTwoFilesForOneEntryTheFirstListedStays) {
  Put("copy-b.pdb", uk);
  Put("copy-a.pdb", uk);
  const std::string first = FirstListed();
  const std::string second = first == "copy-a.pdb" ? "copy-b.pdb" : "copy-a.pdb";
  ScanInstallFolder(false);
  EXPECT_TRUE(FileExists(InInstall(first)));
  EXPECT_FALSE(FileExists(InInstall(second)));
  EXPECT_EQ(QueuedFlags[0], kQueued);
}

// A copy cut short by a crash or a full disk must not go to the handheld, nor
// keep Install from writing the component whole.
TEST_F(InstallFolderScan, AFileCutShortIsDeletedAndStaysTicked) {
  Put("Vexo0007.pdb", level.substr(0, 200));
  ScanInstallFolder(false);
  EXPECT_FALSE(FileExists(InInstall("Vexo0007.pdb")));
  EXPECT_NE(QueuedFlags[1], kQueued) << "Install must write it again";
  ApplyInitialSelection();
  EXPECT_TRUE(Ticked(0x6C)) << "still the user's choice";

  Put("Vexo0007.pdb", level + "x");
  Put("whole.pdb", level);
  std::memset(QueuedFlags, 0, sizeof QueuedFlags);
  ScanInstallFolder(true);
  EXPECT_FALSE(FileExists(InInstall("Vexo0007.pdb"))) << "one byte too many is no better";
  EXPECT_EQ(ReadWholeFile(InInstall("whole.pdb")), level) << "the whole copy stays, whichever is listed first";
  EXPECT_EQ(QueuedFlags[1], kQueued);
}

// The size is a byte count: past 2 GiB it must not turn negative.
TEST_F(MainWindowFixture, SizesBeyondTwoGigabytesAreShownUnsigned) {
  ArchiveDirectory[0] = {kEntryMarker, 0, 2000000000, 0, "Vexo Level 01 Colour", {'V', 'e', 'x', 'o'},
                         {'c', 'l', '0', '1'}};
  ArchiveDirectory[1] = {kEntryMarker, 0, 2294967295u, 0, "Vexo Language UK", {'V', 'e', 'x', 'o'},
                         {'l', 'a', 'n', 'g'}};
  EntryCount = 2;
  Tick(0x6A);
  UpdateDataSize(window, WM_COMMAND, 0x6A, 0);
  EXPECT_EQ(SizeText(), "2,000,000,000 bytes.");
  Tick(0x65);
  UpdateDataSize(window, WM_COMMAND, 0x65, 0);
  EXPECT_EQ(SizeText(), "4,294,967,295 bytes.");
  EXPECT_EQ(SelectedSize, 0xFFFFFFFFu);
}

}  // namespace
