#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "palm/palm_writer.h"
#include "tools/qpk/commands.h"
#include "tools/qpk/data_area_plan.h"
#include "tools/qpk/file_io.h"
#include "tools/qpk/install_outlook.h"
#include "tools/qpk/loaded_archive.h"
#include "tools/qpk/pack.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Database(const std::string& name, std::size_t recordSize, const char* type = "cl01",
                                   const char* creator = "Vexo") {
  PalmDatabaseContents c{name, {}, {}, 1, 2, {std::vector<std::uint8_t>(recordSize)}};
  std::memcpy(c.type, type, 4);
  std::memcpy(c.creator, creator, 4);
  for (std::size_t i = 0; i < recordSize; ++i) c.records[0][i] = static_cast<std::uint8_t>(i * 7 + name.size());
  std::vector<std::uint8_t> bytes;
  BuildPalmDatabase(c, &bytes);
  return bytes;
}

TEST(DataAreaPlan, LaysOutPadsAndRefuses) {
  DataAreaPlan plan;
  std::size_t culprit = 99;
  const std::uint32_t d3 = DataAreaStart(3);
  ASSERT_EQ(PlanDataArea({78, 5, 1000}, &plan, &culprit), PlanResult::Planned);
  EXPECT_EQ(plan.offsets, (std::vector<std::uint32_t>{d3, d3 + 78, d3 + 83}));
  EXPECT_EQ(plan.padding, 0u);
  ASSERT_EQ(PlanDataArea({10, 0}, &plan, &culprit), PlanResult::Planned);
  EXPECT_EQ(plan.padding, 66u);
  EXPECT_EQ(plan.archiveSize, DataAreaStart(2) + kBytesAfterEndRecord);

  const std::uint64_t room = 0xFFFFFFFFu - DataAreaStart(2);
  ASSERT_EQ(PlanDataArea({room - 1, 1}, &plan, &culprit), PlanResult::Planned);
  EXPECT_EQ(plan.archiveSize, 0xFFFFFFFFu);
  EXPECT_EQ(PlanDataArea({room, 1}, &plan, &culprit), PlanResult::TooLarge);
  EXPECT_EQ(culprit, 1u);
  EXPECT_EQ(PlanDataArea({}, &plan, &culprit), PlanResult::NoEntries);
  EXPECT_EQ(PlanDataArea(std::vector<std::uint64_t>(kMaxArchiveEntries + 1, 80), &plan, &culprit),
            PlanResult::TooManyEntries);
}

TEST(PackArchive, RoundTripsThroughTheReader) {
  std::vector<PackInput> inputs{{"a.pdb", Database("Vexo Level 01 Colour", 3000)},
                                {"b.pdb", Database("Vexo b/w", 1, "appl")},
                                {"c.pdb", Database(std::string(32, 'Z'), 4)}};
  // The installer compares all 32 name bytes with the header's, those after
  // the terminator too: they must reach the directory as they are.
  std::memcpy(inputs[1].bytes.data() + 9, "junk", 4);
  PackedArchive packed;
  std::string error;
  ASSERT_TRUE(PackArchive(inputs, &packed, &error)) << error;
  LoadedArchive archive;
  ASSERT_TRUE(ParseArchive(ArchiveImage(packed, inputs), &archive));
  ASSERT_EQ(archive.count, 3u);
  for (std::uint32_t i = 0; i < 3; ++i) {
    const ArchiveEntry& e = archive.directory[i];
    EXPECT_TRUE(EntryChecksumGood(archive, i));
    EXPECT_EQ(std::vector<std::uint8_t>(archive.bytes.begin() + e.dataOffset,
                                        archive.bytes.begin() + e.dataOffset + e.dataSize),
              inputs[i].bytes);
  }
  EXPECT_EQ(std::string(archive.directory[1].name, kEntryNameSize),
            std::string("Vexo b/w\0junk", 13) + std::string(19, '\0'));
  EXPECT_EQ(EntryNameText(archive.directory[2]), std::string(32, 'Z'));
  EXPECT_EQ(CodeText(archive.directory[1].creator) + CodeText(archive.directory[1].type), "Vexoappl");

  archive.bytes[archive.directory[1].dataOffset] ^= 1;
  EXPECT_TRUE(EntryChecksumGood(archive, 0));
  EXPECT_FALSE(EntryChecksumGood(archive, 1));
  EXPECT_TRUE(EntryChecksumGood(archive, 2));
}

TEST(PackArchive, RefusesNamingTheInput) {
  std::vector<std::uint8_t> unnamed = Database("x", 8);
  unnamed[0] = 0;
  const struct {
    std::vector<PackInput> inputs;
    const char* message;
  } cases[] = {
      {{{"good.pdb", Database("Vexo", 8)}, {"short.pdb", std::vector<std::uint8_t>(77, 'a')}}, "short.pdb: not a Palm"},
      {{{"unnamed.pdb", unnamed}}, "unnamed.pdb: not a Palm database: its name is empty"},
      {std::vector<PackInput>(kMaxArchiveEntries + 1, {"x.pdb", Database("Vexo", 1)}), "at most 1000"},
  };
  for (const auto& c : cases) {
    PackedArchive packed;
    std::string error;
    EXPECT_FALSE(PackArchive(c.inputs, &packed, &error));
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
}

class QpkCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    EXPECT_TRUE(WriteFileReplacing(Path(name), {{bytes.data(), bytes.size()}}, &error)) << error;
    return Path(name);
  }
  std::vector<std::uint8_t> Read(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(Path(name), &bytes, &error)) << error;
    return bytes;
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  const fs::path folder_ = fs::temp_directory_path() /
                           ("qpk_test_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  const std::string archive_ = Path("Vexo.qpk");
  std::ostringstream out_, err_;
};

TEST_F(QpkCommands, PackListVerifyUnpack) {
  const std::vector<std::uint8_t> one = Database("Vexo Language UK", 500, "lang"), two = Database("Vexo a:b", 77);
  ASSERT_EQ(RunPack(archive_, {Write("1.pdb", one), Write("2.pdb", two)}, out_, err_), 0) << err_.str();
  EXPECT_FALSE(fs::exists(archive_ + ".tmp"));
  EXPECT_EQ(RunVerify(archive_, out_, err_), 0) << err_.str();

  std::ostringstream list;
  ASSERT_EQ(RunList(archive_, list, err_), 0);
  const std::string lines = list.str();
  EXPECT_NE(lines.find("   0  Vexo Language UK                  Vexo  lang         588  good  "
                       "row 0, Vexo0000.pdb, box 0x65, colour and black-and-white\n"),
            std::string::npos)
      << lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);

  ASSERT_EQ(RunUnpack(archive_, Path("out"), out_, err_), 0) << err_.str();
  EXPECT_EQ(Read("out/Vexo Language UK.pdb"), one);
  EXPECT_EQ(Read("out/Vexo a_b.pdb"), two);
}

TEST_F(QpkCommands, ReportsDamageAndKeepsTheOldArchive) {
  const std::string good = Write("g.pdb", Database("Vexo Data Mono", 300, "mdat"));
  ASSERT_EQ(RunPack(archive_, {good, good}, out_, err_), 0);
  std::vector<std::uint8_t> bytes = Read("Vexo.qpk");
  EXPECT_EQ(RunPack(archive_, {good, Write("bad.pdb", {1, 2, 3})}, out_, err_), 1);
  EXPECT_NE(err_.str().find("bad.pdb: not a Palm database"), std::string::npos) << err_.str();
  EXPECT_EQ(Read("Vexo.qpk"), bytes);

  bytes.back() ^= 0x80;
  Write("Vexo.qpk", bytes);
  err_.str("");
  EXPECT_EQ(RunVerify(archive_, out_, err_), 1);
  EXPECT_EQ(err_.str(), "qpk: " + archive_ + ": entry 1 \"Vexo Data Mono\": bad checksum\n");

  bytes[0] = 0;
  Write("Vexo.qpk", bytes);
  err_.str("");
  EXPECT_EQ(RunVerify(archive_, out_, err_), 1);
  EXPECT_EQ(err_.str(), "qpk: " + archive_ + ": not a QPK archive\n");
}

TEST_F(QpkCommands, UnpackRefusesNamesThatCollide) {
  ASSERT_EQ(RunPack(archive_, {Write("1.pdb", Database("Vexo", 9)), Write("2.pdb", Database("VEXO", 9))}, out_, err_),
            0);
  EXPECT_EQ(RunUnpack(archive_, Path("out"), out_, err_), 1);
  EXPECT_NE(err_.str().find("entries 0 and 1"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(Path("out")));
}

TEST_F(QpkCommands, PackNeverOverwritesItsInputsOrOtherFiles) {
  const std::vector<std::uint8_t> a = Database("Vexo Level 01 Colour", 100), b = Database("Vexo Data Colour", 50, "cdat");
  const std::string aPath = Write("a.pdb", a), bPath = Write("b.pdb", b);
  EXPECT_EQ(RunPack(aPath, {bPath}, out_, err_), 1) << "qpk pack a.pdb b.pdb: a glob gone wrong";
  EXPECT_EQ(err_.str(), "qpk: " + aPath + ": exists and is not a QPK archive; nothing written\n");
  EXPECT_EQ(Read("a.pdb"), a);

  ASSERT_EQ(RunPack(archive_, {aPath}, out_, err_), 0);
  const std::vector<std::uint8_t> packed = Read("Vexo.qpk");
  err_.str("");
  const std::string sameArchive = (folder_ / "." / "Vexo.qpk").string();
  EXPECT_EQ(RunPack(archive_, {bPath, sameArchive}, out_, err_), 1);
  EXPECT_EQ(err_.str(), "qpk: " + archive_ + ": is also one of the databases to pack; nothing written\n");
  EXPECT_EQ(Read("Vexo.qpk"), packed);
  EXPECT_FALSE(fs::exists(archive_ + ".tmp"));

  EXPECT_EQ(RunPack(archive_, {bPath}, out_, err_), 0) << "an archive may be replaced";
  EXPECT_NE(Read("Vexo.qpk"), packed);
}

// Each database the installer would never put on the handheld, or not keep
// there, is named when packing and shown by list; the archive is still packed.
TEST_F(QpkCommands, PackAndListTellWhatTheInstallerWillDo) {
  std::vector<std::uint8_t> appInfo = Database("Vexo Level 03 Colour", 90, "cl03");
  appInfo[55] = 0x50;  // an app info block: not how the game's databases come
  const std::vector<std::string> files = {
      Write("level1.pdb", Database("Vexo Level 01 Colour", 80)),
      Write("bw.pdb", Database("Vexo b/w", 10, "appl")),
      Write("norow.pdb", Database("Vexo Extras", 10, "xtra")),
      Write("other.pdb", Database("Other Level 02", 10, "cl02", "Othr")),
      Write("appinfo.pdb", appInfo),
      Write("level1b.pdb", Database("Vexo Level 01 Colour v2", 20)),
      Write("data.pdb", Database("Vexo Data", 20, "cdat")),
      Write("data5.pdb", Database("Vexo Data", 20, "cl05")),
      Write("datamono.pdb", Database("Vexo Data", 20, "mdat")),
  };
  ASSERT_EQ(RunPack(archive_, files, out_, err_), 0) << err_.str();
  const std::string folder = folder_.string() + "/";
  EXPECT_EQ(err_.str(),
            "qpk: warning: " + folder + "norow.pdb (entry 2): never installed: no component row takes its type and "
            "name\n"
            "qpk: warning: " + folder + "other.pdb (entry 3): never installed: its creator is not the game's (Vexo)\n"
            "qpk: warning: " + folder + "appinfo.pdb (entry 4): its header is not one the installer takes for the "
            "game's database: its file is never seen as installed and never removed\n"
            "qpk: warning: " + folder + "level1b.pdb (entry 5): installs as Vexo0005.pdb like entry 0, whose file "
            "it replaces\n"
            "qpk: warning: " + folder + "data5.pdb (entry 7): same database name as entry 6: the handheld keeps "
            "only one\n");

  std::ostringstream list;
  ASSERT_EQ(RunList(archive_, list, err_), 0);
  std::istringstream lines(list.str());
  std::vector<std::string> outlooks;
  for (std::string line; std::getline(lines, line);) outlooks.push_back(line.substr(line.find("good  ") + 6));
  EXPECT_EQ(outlooks, (std::vector<std::string>{
                          "row 5, Vexo0005.pdb, box 0x6A, colour",
                          "row 26, Vexo0026.pdb, box 0x89, black-and-white",
                          "never installed: no component row takes its type and name",
                          "never installed: its creator is not the game's (Vexo)",
                          "its header is not one the installer takes for the game's database: its file is never "
                          "seen as installed and never removed",
                          "installs as Vexo0005.pdb like entry 0, whose file it replaces",
                          "row 14, Vexo0014.pdb, box 0x87, colour",
                          "same database name as entry 6: the handheld keeps only one",
                          "row 25, Vexo0025.pdb, box 0x87, black-and-white",
                      }));
}

// The cases pack cannot make, as a hand-made archive may hold them.
TEST(InstallOutlook, HeadersTheScanWouldNotKeep) {
  const std::vector<std::uint8_t> uk = Database("Vexo Language UK", 40, "lang");
  ArchiveEntry entry{kEntryMarker, 0, static_cast<std::uint32_t>(uk.size()), 0, "Vexo Language UK",
                     {'V', 'e', 'x', 'o'}, {'l', 'a', 'n', 'g'}};
  ArchiveEntry renamed = entry;
  std::memcpy(renamed.name, "Vexo Langue UK", 15);
  ArchiveEntry tooShort = entry;
  tooShort.dataSize = 75;
  const std::vector<EntryOutlook> outlook =
      ForeseeInstall({entry, renamed, tooShort}, {uk.data(), uk.data(), uk.data()});
  ASSERT_EQ(outlook.size(), 3u);
  EXPECT_EQ(outlook[0].outlook, Outlook::Installs);
  EXPECT_EQ(OutlookText(renamed, outlook[1]),
            "its header's name or type is not the directory's: its file is deleted at the next start");
  EXPECT_EQ(outlook[2].outlook, Outlook::HeaderNotGame) << "the scan leaves files under 76 bytes alone";
}

}  // namespace
