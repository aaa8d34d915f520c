#include "archive/extract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "palm/palm_database.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"
#include "tests/win/archive_fixture.h"
#include "tests/win/prompt_answerer.h"
#include "tests/win/scratch_folder.h"
#include "ui/error_report.h"
#include "ui/window_record.h"

namespace {

constexpr std::uint32_t kVexo = kGameCreatorWord;

struct Extraction : ::testing::Test {
  ScratchFolder folder;
  ErrorCode code = 1;
  std::string archive = folder / "Vexo.qpk";

  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ASSERT_TRUE(LoadMessageTable());
    std::strcpy(ArchiveName, archive.c_str());
    TargetFolder[0] = 0;
  }
  void TearDown() override { ReleaseArchive(); }
  void Write(const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(WriteWholeFile(archive, std::string(bytes.begin(), bytes.end())));
  }
  // Runs the start-up verification and returns the texts it showed.
  std::vector<std::string> Verify(bool* ok = nullptr) {
    PromptAnswerer user;
    bool result = Extract(kVexo, 0xFFFFFFFF, 0, 0, nullptr, &code);
    if (ok) *ok = result;
    user.Finish();
    std::vector<std::string> texts;
    for (const SeenBox& box : user.Boxes()) texts.push_back(box.text);
    return texts;
  }
};

std::vector<FixtureEntry> ThreeEntries() {
  return {{"Vexo Level 01 Colour", "Vexo", "cl01", std::string(1000, 'a')},
          {"Other game", "Othr", "cl01", "zz"},
          {"Vexo Data Colour", "Vexo", "cdat", "abc"}};
}

TEST_F(Extraction, VerifiesTheSelectedEntriesAndHoldsTheArchiveUnchanged) {
  const auto bytes = BuildArchive(ThreeEntries());
  Write(bytes);
  bool ok = false;
  EXPECT_TRUE(Verify(&ok).empty());
  ASSERT_TRUE(ok);
  EXPECT_EQ(EntryCount, 3u);
  EXPECT_STREQ(ArchiveDirectory[1].name, "Other game");
  EXPECT_TRUE(EntryVerified[0]);
  EXPECT_FALSE(EntryVerified[1]) << "another creator is not selected";
  EXPECT_TRUE(EntryVerified[2]);
  EXPECT_EQ(std::memcmp(ArchiveBlock, bytes.data(), bytes.size()), 0) << "verification leaves every byte as stored";

  // What was verified is what Install writes: while loaded, no one may change,
  // replace or delete the file.
  const HANDLE writer = CreateFileA(archive.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  const std::string moved = folder / "moved.qpk";
  EXPECT_FALSE(MoveFileA(archive.c_str(), moved.c_str()));
  EXPECT_FALSE(DeleteFileA(archive.c_str()));

  ReleaseArchive();
  EXPECT_EQ(ArchiveBlock, nullptr);
  ReleaseArchive();
  EXPECT_TRUE(DeleteFileA(archive.c_str())) << "released with the archive";
}

TEST_F(Extraction, WriteEntryFileWritesTheStoredBytesAndCanBeRepeated) {
  Write(BuildArchive(ThreeEntries()));
  ASSERT_TRUE(Verify().empty());
  const std::string out = folder / "Vexo0005.pdb";
  ASSERT_TRUE(WriteEntryFile(&ArchiveDirectory[0], out.c_str(), &code));
  EXPECT_EQ(ReadWholeFile(out), std::string(1000, 'a'));
  ASSERT_TRUE(WriteEntryFile(&ArchiveDirectory[0], out.c_str(), &code));
  EXPECT_EQ(ReadWholeFile(out), std::string(1000, 'a')) << "the block went back to its verified state";
  ASSERT_TRUE(WriteEntryFile(&ArchiveDirectory[2], out.c_str(), &code));
  EXPECT_EQ(ReadWholeFile(out), "abc") << "a later entry replaces the file";
}

TEST_F(Extraction, UnverifiedEntriesAreNeverWritten) {
  auto entries = ThreeEntries();
  entries[2].badChecksum = true;
  Write(BuildArchive(entries));
  const auto texts = Verify();
  ASSERT_EQ(texts.size(), 1u) << "one message for the one bad entry";
  EXPECT_EQ(texts[0], std::string("Checksum is incorrect for Vexo Data Colour"));
  EXPECT_TRUE(EntryVerified[0]);
  const std::string out = folder / "out.pdb";
  EXPECT_FALSE(WriteEntryFile(&ArchiveDirectory[2], out.c_str(), &code));
  EXPECT_EQ(code, 0x20000103u);
  EXPECT_FALSE(WriteEntryFile(&ArchiveDirectory[1], out.c_str(), &code)) << "never selected";
  EXPECT_EQ(code, 0x20000103u);
  EXPECT_FALSE(FileExists(out));
  EXPECT_FALSE(WriteEntryFile(&ArchiveDirectory[3], out.c_str(), &code)) << "the end record is no entry";
}

TEST_F(Extraction, AWriteThatFailsOnAFullDiskLeavesNoPartialFile) {
  // make test mounts a small tmpfs and names it here (as a Windows path).
  const char* smallDisk = std::getenv("VEXO_SMALL_DISK");
  if (smallDisk == nullptr || *smallDisk == 0) GTEST_SKIP() << "no small disk mounted";
  Write(BuildArchive({{"Vexo Level 01 Colour", "Vexo", "cl01", std::string(2 * 1024 * 1024, 'L')}}));
  ASSERT_TRUE(Verify().empty());
  const std::string out = std::string(smallDisk) + "\\Vexo0005.pdb";
  PromptAnswerer user({kAbort});
  EXPECT_FALSE(WriteEntryFile(&ArchiveDirectory[0], out.c_str(), &code));
  const auto& prompts = user.Finish();
  ASSERT_EQ(prompts.size(), 1u) << "the failed write was offered for a retry";
  EXPECT_TRUE(code == ERROR_DISK_FULL || code == 0x20000104u) << "a full disk ends the write short";
  EXPECT_FALSE(FileExists(out)) << "no truncated database is left for HotSync";
}

TEST_F(Extraction, AFileTheOpenCannotTakeIsLeftAlone) {
  Write(BuildArchive(ThreeEntries()));
  ASSERT_TRUE(Verify().empty());
  const std::string out = folder / "held.pdb";
  ASSERT_TRUE(WriteWholeFile(out, "old"));
  HANDLE holder = CreateFileA(out.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteEntryFile(&ArchiveDirectory[0], out.c_str(), &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_SHARING_VIOLATION));
  CloseHandle(holder);
  EXPECT_EQ(ReadWholeFile(out), "old") << "a file the open could not take is not ours to delete";
}

TEST_F(Extraction, LayoutFaultsShowOneMessageAndFreeTheBlock) {
  const auto valid = BuildArchive(ThreeEntries());
  std::vector<std::vector<std::uint8_t>> damaged;
  damaged.push_back({});
  damaged.push_back(std::vector<std::uint8_t>(valid.begin(), valid.begin() + 191));
  auto zeroCount = valid;
  zeroCount[0] = 0;
  damaged.push_back(zeroCount);
  auto endRecord = valid;
  endRecord[4 + 56 * 3 + 20] ^= 1;
  damaged.push_back(endRecord);
  for (const auto& bytes : damaged) {
    Write(bytes);
    bool ok = true;
    const auto texts = Verify(&ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(code, 0u);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Not a QPK file type - " + archive);
    EXPECT_EQ(ArchiveBlock, nullptr);
  }
}

// The third entry's data begins 40 bytes into the first's, its checksum right for
// those bytes as stored: verifying either in place would damage the other.
TEST_F(Extraction, EntriesSharingBytesMakeNoArchive) {
  std::vector<std::uint8_t> bytes = BuildArchive(ThreeEntries());
  std::vector<std::uint8_t> directory(bytes.begin() + 4, bytes.begin() + 4 + kArchiveEntrySize * 4);
  ArchiveXor(directory.data(), directory.size());
  ArchiveEntry third = DecodeEntry(directory.data() + 2 * kArchiveEntrySize);
  third.dataOffset = DecodeEntry(directory.data()).dataOffset + 40;
  third.dataSize = 100;
  std::vector<std::uint8_t> region(bytes.begin() + third.dataOffset, bytes.begin() + third.dataOffset + 100);
  third.checksum = ArchiveXorChecksum(region.data(), region.size());
  EncodeEntry(third, directory.data() + 2 * kArchiveEntrySize);
  ArchiveXor(directory.data(), directory.size());
  std::copy(directory.begin(), directory.end(), bytes.begin() + 4);
  Write(bytes);

  bool ok = true;
  const auto texts = Verify(&ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], "Not a QPK file type - " + archive);
  EXPECT_EQ(ArchiveBlock, nullptr);
  EXPECT_EQ(EntryCount, 0u);
  EXPECT_FALSE(WriteEntryFile(&ArchiveDirectory[0], (folder / "Vexo0005.pdb").c_str(), &code));
  EXPECT_FALSE(FileExists(folder / "Vexo0005.pdb"));
}

TEST_F(Extraction, MissingArchiveAndLongPrefix) {
  bool ok = true;
  auto texts = Verify(&ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], "Error accessing " + archive);

  std::strcpy(ArchiveName, "+CVexo.qpk");
  texts = Verify(&ok);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], std::string("Error accessing Vexo.qpk")) << "the resolved name";

  Write(BuildArchive(ThreeEntries()));
  std::strcpy(ArchiveName, archive.c_str());
  PromptAnswerer user;
  EXPECT_TRUE(Extract(kVexo, 0xFFFFFFFF, 0, 0, std::string(32, 'V').c_str(), &code));
  EXPECT_FALSE(Extract(kVexo, 0xFFFFFFFF, 0, 0, std::string(33, 'V').c_str(), &code));
  user.Finish();
  ASSERT_EQ(user.Boxes().size(), 1u);
  EXPECT_EQ(user.Boxes()[0].text, "Database name string parameter for 'Extract' is too long!") << "names no file";
}

TEST_F(Extraction, TargetFolderWritesTransformedFilesUnderTheirNames) {
  Write(BuildArchive({{"a:b/c", "Vexo", "cl01", "xyz"}, {"Vexo Data Colour", "Vexo", "cdat", ""}}));
  std::strcpy(TargetFolder, folder.Path().c_str());
  PromptAnswerer user;
  ASSERT_TRUE(Extract(kVexo, 0xFFFFFFFF, 0, 0, "a", &code));
  user.Finish();
  EXPECT_TRUE(user.Boxes().empty());
  std::string expected = "xyz";
  ArchiveXor(reinterpret_cast<std::uint8_t*>(expected.data()), expected.size());
  EXPECT_EQ(ReadWholeFile(folder / "a_b_c.pdb"), expected);
  EXPECT_FALSE(FileExists(folder / "Vexo Data Colour.pdb")) << "the prefix did not select it";
}

}  // namespace
