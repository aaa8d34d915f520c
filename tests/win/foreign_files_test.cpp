// Many scans over random mixes of files that are not this game's: every one of
// them must be left byte for byte as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>

#include "archive/extract.h"
#include "installer/main_window_rows.h"
#include "installer/palm_setup.h"
#include "installer/selection.h"
#include "palm/palm_database.h"
#include "palm/palm_user.h"
#include "platform/file_layer.h"
#include "resources/resource_ids.h"
#include "shell/error_report.h"
#include "shell/process_state.h"
#include "tests/win/archive_fixture.h"
#include "tests/win/scratch_folder.h"
#include "ui/dialog_procs.h"
#include "ui/window_builder.h"

namespace {

const MessageMapRow kMessages[] = {VEXO_STANDARD_MESSAGE_ROWS};
const CommandMapRow kCommands[] = {{kEndOfCommandMap, nullptr}};

// A 78-byte Palm database header; the game's own when nothing is changed.
std::string Header(const std::string& name, const std::string& type, const std::string& creator) {
  std::string h(78, '\0');
  std::memcpy(h.data(), name.data(), name.size());
  h[36] = 0x11;  // creation date
  h[40] = 0x22;  // modification date
  std::memcpy(h.data() + 60, type.data(), 4);
  std::memcpy(h.data() + 64, creator.data(), 4);
  return h;
}

struct ForeignFiles : ::testing::Test {
  ScratchFolder folder;
  HWND window = nullptr;
  ErrorCode code = 0;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ASSERT_TRUE(LoadMessageTable());
    window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, DlgProc, 0);
    ASSERT_NE(window, nullptr);
    BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, MainWindowRows);
    const auto archive = BuildArchive({{"Vexo Level 01 Colour", "Vexo", "cl01", std::string(100, 'x')},
                                       {"Vexo Language UK", "Vexo", "lang", std::string(100, 'y')}});
    ASSERT_TRUE(WriteWholeFile(folder / "Vexo.qpk", std::string(archive.begin(), archive.end())));
    std::strcpy(ArchiveName, (folder / "Vexo.qpk").c_str());
    TargetFolder[0] = 0;
    ASSERT_TRUE(Extract(kGameCreatorWord, 0xFFFFFFFF, 0, 0, nullptr, &code));
    CreateDirectoryA((folder / "Install").c_str(), nullptr);
    std::strcpy(InstallFolder, (folder / "Install\\").c_str());
    DeviceMask = kColourMask;
  }
  void TearDown() override {
    MemFree(&ArchiveBlock);
    ResetWindowTable();
    DestroyWindow(window);
  }
};

TEST_F(ForeignFiles, RandomMixesAreNeverTouched) {
  std::mt19937 random(20261208);
  const char* names[] = {"Vexo Level 01 Colour", "Vexo Language UK"};
  const char* types[] = {"cl01", "lang"};
  int genuineDeleted = 0;
  for (int round = 0; round < 40; ++round) {
    std::map<std::string, std::string> foreign;
    const int count = 1 + static_cast<int>(random() % 10);
    for (int i = 0; i < count; ++i) {
      const int which = static_cast<int>(random() % 2);
      std::string bytes = Header(names[which], types[which], "Vexo");
      switch (random() % 8) {
        case 0: std::memcpy(bytes.data() + 64, "Othr", 4); break;
        case 1: bytes.resize(40 + random() % 36); break;
        case 2: bytes[51] = 1; break;   // modification number
        case 3: bytes[55] = 1; break;   // app info offset
        case 4: bytes[71] = 1; break;   // unique id seed
        case 5: bytes[36] = 0; break;   // creation date
        case 6: bytes[0] = 0; break;    // first name byte
        default: {
          bytes.assign(random() % 500, '\0');
          for (char& c : bytes) c = static_cast<char>(random());
        }
      }
      const std::string name = (random() % 2) ? "Vexo000" + std::to_string(random() % 10) + ".pdb"
                                              : "foreign" + std::to_string(round) + "_" + std::to_string(i) + ".pdb";
      foreign[name] = bytes;
    }
    for (const auto& [name, bytes] : foreign) ASSERT_TRUE(WriteWholeFile(folder / ("Install\\" + name), bytes));
    CreateDirectoryA((folder / "Install\\Vexo0099.pdb").c_str(), nullptr);
    // One genuine file, unticked: the checking scan must delete it.
    ASSERT_TRUE(WriteWholeFile(folder / "Install\\genuine.pdb", Header(names[0], types[0], "Vexo")));
    std::memset(QueuedFlags, 0, sizeof QueuedFlags);
    ScanInstallFolder(true);
    if (!FileExists(folder / "Install\\genuine.pdb")) ++genuineDeleted;

    for (const auto& [name, bytes] : foreign) {
      EXPECT_EQ(ReadWholeFile(folder / ("Install\\" + name)), bytes) << "round " << round << ": " << name;
      DeleteFileA((folder / ("Install\\" + name)).c_str());
    }
    EXPECT_TRUE(FileExists(folder / "Install\\Vexo0099.pdb")) << "folders are skipped";
  }
  EXPECT_EQ(genuineDeleted, 40) << "the scans did look at the game's own files";
}

}  // namespace
