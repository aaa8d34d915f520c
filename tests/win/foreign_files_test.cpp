// Many scans over random mixes of files that are not this game's: every one of
// them must be left byte for byte as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>

#include "installer/selection.h"
#include "tests/win/main_window_fixture.h"

namespace {

struct ForeignFiles : MainWindowFixture {
  void SetUp() override {
    MainWindowFixture::SetUp();
    LoadArchive({{"Vexo Level 01 Colour", "Vexo", "cl01", std::string(100, 'x')},
                 {"Vexo Language UK", "Vexo", "lang", std::string(100, 'y')}});
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
      std::string bytes = GameHeader(names[which], types[which]);
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
    ASSERT_TRUE(WriteWholeFile(folder / "Install\\genuine.pdb", GameHeader(names[0], types[0])));
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
