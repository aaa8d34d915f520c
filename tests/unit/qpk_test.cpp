#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "palm/palm_writer.h"
#include "tools/qpk/commands.h"
#include "tools/qpk/data_area_plan.h"
#include "tools/qpk/file_io.h"
#include "tools/qpk/install_verdicts.h"
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
  ASSERT_EQ(RunPack(archive_, {Write("1.pdb", one), Write("2.pdb", two)}, false, out_, err_), 0) << err_.str();
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3) << "no temporary file left";
  EXPECT_EQ(RunVerify(archive_, false, out_, err_), 0) << err_.str();

  std::ostringstream list;
  ASSERT_EQ(RunList(archive_, false, list, err_), 0);
  const std::string lines = list.str();
  EXPECT_NE(lines.find("   0  Vexo Language UK                  Vexo  lang         588  good  "
                       "row 0, Vexo0000.pdb, language UK, box 0x65, colour and black-and-white\n"),
            std::string::npos)
      << lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3);
  EXPECT_NE(lines.find("\n2 entries, 4 warnings\n"), std::string::npos) << "no application or common database";

  ASSERT_EQ(RunUnpack(archive_, Path("out"), false, out_, err_), 0) << err_.str();
  EXPECT_EQ(Read("out/Vexo Language UK.pdb"), one);
  EXPECT_EQ(Read("out/Vexo a_b.pdb"), two);
}

TEST_F(QpkCommands, ReportsDamageAndKeepsTheOldArchive) {
  const std::string good = Write("g.pdb", Database("Vexo Data Mono", 300, "mdat"));
  ASSERT_EQ(RunPack(archive_, {good, good}, false, out_, err_), 0);
  std::vector<std::uint8_t> bytes = Read("Vexo.qpk");
  EXPECT_EQ(RunPack(archive_, {good, Write("bad.pdb", {1, 2, 3})}, false, out_, err_), 1);
  EXPECT_NE(err_.str().find("bad.pdb: not a Palm database"), std::string::npos) << err_.str();
  EXPECT_EQ(Read("Vexo.qpk"), bytes);

  bytes.back() ^= 0x80;
  Write("Vexo.qpk", bytes);
  err_.str("");
  EXPECT_EQ(RunVerify(archive_, false, out_, err_), 1);
  EXPECT_EQ(err_.str().rfind("qpk: " + archive_ + ": entry 1 \"Vexo Data Mono\": bad checksum\n", 0), 0u) << err_.str();

  bytes[0] = 0;
  Write("Vexo.qpk", bytes);
  err_.str("");
  EXPECT_EQ(RunVerify(archive_, false, out_, err_), 1);
  EXPECT_EQ(err_.str(), "qpk: " + archive_ + ": not a QPK archive\n");
}

TEST_F(QpkCommands, UnpackRefusesNamesThatCollide) {
  ASSERT_EQ(RunPack(archive_, {Write("1.pdb", Database("Vexo", 9)), Write("2.pdb", Database("VEXO", 9))}, false, out_, err_),
            0);
  EXPECT_EQ(RunUnpack(archive_, Path("out"), false, out_, err_), 1);
  EXPECT_NE(err_.str().find("entries 0 and 1"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(Path("out")));
}

TEST_F(QpkCommands, PackNeverOverwritesItsInputsOrOtherFiles) {
  const std::vector<std::uint8_t> a = Database("Vexo Level 01 Colour", 100), b = Database("Vexo Data Colour", 50, "cdat");
  const std::string aPath = Write("a.pdb", a), bPath = Write("b.pdb", b);
  EXPECT_EQ(RunPack(aPath, {bPath}, false, out_, err_), 1) << "qpk pack a.pdb b.pdb: a glob gone wrong";
  EXPECT_EQ(err_.str(), "qpk: " + aPath + ": exists and is not a QPK archive; nothing written\n");
  EXPECT_EQ(Read("a.pdb"), a);

  ASSERT_EQ(RunPack(archive_, {aPath}, false, out_, err_), 0);
  const std::vector<std::uint8_t> packed = Read("Vexo.qpk");
  err_.str("");
  const std::string sameArchive = (folder_ / "." / "Vexo.qpk").string();
  EXPECT_EQ(RunPack(archive_, {bPath, sameArchive}, false, out_, err_), 1);
  EXPECT_EQ(err_.str(), "qpk: " + archive_ + ": is also one of the databases to pack; nothing written\n");
  EXPECT_EQ(Read("Vexo.qpk"), packed);

  EXPECT_EQ(RunPack(archive_, {bPath}, false, out_, err_), 0) << "an archive may be replaced";
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
  ASSERT_EQ(RunPack(archive_, files, false, out_, err_), 0) << err_.str();
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
            "only one\n"
            "qpk: warning: colour handhelds get no application (row 15, box 0x88): the game cannot start there\n");

  std::ostringstream list;
  ASSERT_EQ(RunList(archive_, false, list, err_), 0);
  std::istringstream lines(list.str());
  std::vector<std::string> outlooks;
  for (std::string line; std::getline(lines, line) && line.find("good  ") != std::string::npos;) outlooks.push_back(line.substr(line.find("good  ") + 6));
  EXPECT_EQ(outlooks, (std::vector<std::string>{
                          "row 5, Vexo0005.pdb, level 1, box 0x6A, colour",
                          "row 26, Vexo0026.pdb, application, chosen by the installer, black-and-white",
                          "never installed: no component row takes its type and name",
                          "never installed: its creator is not the game's (Vexo)",
                          "its header is not one the installer takes for the game's database: its file is never "
                          "seen as installed and never removed",
                          "installs as Vexo0005.pdb like entry 0, whose file it replaces",
                          "row 14, Vexo0014.pdb, common data, chosen by the installer, colour",
                          "same database name as entry 6: the handheld keeps only one",
                          "row 25, Vexo0025.pdb, common data, chosen by the installer, black-and-white",
                      }));
}

// Each refusal leaves the files it guards as they were; each warning is counted.
TEST_F(QpkCommands, RefusesAndWarns) {
  const std::vector<std::string> colour = {
      Write("app.pdb", Database("Vexo Zantor", 90, "appl")), Write("data.pdb", Database("Vexo Data Colour", 90, "cdat")),
      Write("uk.pdb", Database("Vexo Language UK", 90, "lang")), Write("l3.pdb", Database("Vexo Level 03 Colour", 90, "cl03"))};
  std::vector<std::string> both = colour;
  both.push_back(Write("bw.pdb", Database("Vexo b/w", 90, "appl")));
  both.push_back(Write("mdat.pdb", Database("Vexo Data Mono", 90, "mdat")));
  both.push_back(Write("stray.pdb", Database("Vexo Level 01 Colour", 90, "cl01", "../a")));
  const std::string incomplete = Path("incomplete.qpk"), complete = Path("complete.qpk"), one = Path("one.qpk");
  ASSERT_EQ(RunPack(incomplete, colour, false, out_, err_), 0);
  ASSERT_EQ(RunPack(complete, both, false, out_, err_), 0);
  ASSERT_EQ(RunPack(one, {colour[0]}, false, out_, err_), 0);
  std::vector<std::uint8_t> bytes = Read("complete.qpk");
  bytes.pop_back();
  const std::string cut = Write("cut.qpk", bytes);
  bytes.resize(100);
  const std::string cutInDirectory = Write("cut-directory.qpk", bytes);
  bytes = Read("complete.qpk");
  bytes[bytes.size() - 200] ^= 1;
  const std::string damaged = Write("damaged.qpk", bytes);
  const std::string full = Path("full"), kept = Path("full/Vexo Zantor.pdb");
  fs::create_directories(full);
  Write("full/Vexo Zantor.pdb", {'k', 'e', 'p', 't'});
  Write("new.qpk.tmp", {'o', 'w', 'n'});
  // An earlier export, beside a player's own files that only look like one.
  const std::string earlier = Path("earlier");
  fs::create_directories(earlier);
  Write("earlier/Vexo0015.pdb", Read("app.pdb"));
  Write("earlier/Vexo0099.pdb", Read("l3.pdb"));
  Write("earlier/Vexo0007.pdb", Database("Vexo Level 03 Colour", 90, "cl03", "Othr"));
  Write("earlier/Vexo0014.pdb", {'o', 'w', 'n'});
  Write("earlier/Level 3.pdb", Read("l3.pdb"));
  fs::create_symlink(Path("l3.pdb"), Path("earlier/Vexo0005.pdb"));
  const auto unchanged = [&] { return Read("full/Vexo Zantor.pdb") == std::vector<std::uint8_t>{'k', 'e', 'p', 't'}; };
  const auto absent = [&](const char* name) { return [&, name] { return !fs::exists(Path(name)); }; };
  ExportChoice mono;
  mono.deviceMask = 0x4000;
  ExportChoice badLevel = mono;
  badLevel.levels = "3,12";

  const struct {
    const char* what;
    std::function<int()> run;
    int rc;
    std::string err;
    std::function<bool()> holds;
  } cases[] = {
      {"strict pack with warnings", [&] { return RunPack(Path("new.qpk"), colour, true, out_, err_); }, 1,
       "qpk: warning: black-and-white handhelds get no common database (row 25, box 0x87): the game cannot start "
       "there\nqpk: warning: black-and-white handhelds get no application (row 26, box 0x89): the game cannot start "
       "there\nqpk: 2 warnings, errors under --strict\n", absent("new.qpk")},
      {"strict verify", [&] { return RunVerify(incomplete, true, out_, err_); }, 1, "2 warnings, errors under --strict", {}},
      {"strict list", [&] { return RunList(incomplete, true, out_, err_); }, 1, "2 warnings, errors under --strict", {}},
      {"a warning without --strict", [&] { return RunVerify(complete, false, out_, err_); }, 0,
       "entry 6 \"Vexo Level 01 Colour\": never installed: its creator is not the game's (Vexo)", {}},
      {"cut by one byte", [&] { return RunVerify(cut, false, out_, err_); }, 1,
       ": not a QPK archive: cut short, 1 byte missing\n", {}},
      {"cut in the directory", [&] { return RunList(cutInDirectory, false, out_, err_); }, 1,
       ": not a QPK archive: cut short, at least ", {}},
      {"unpack over a file", [&] { return RunUnpack(complete, full, false, out_, err_); }, 1,
       kept + ": exists; nothing written (--force replaces it)\n", unchanged},
      {"export into a folder not empty", [&] { return RunExport(complete, full, mono, false, false, out_, err_); }, 1,
       full + ": is not empty; nothing written (--force writes into it)\n", unchanged},
      {"export of a damaged archive", [&] { return RunExport(damaged, Path("x"), mono, false, false, out_, err_); }, 1,
       ": damaged; nothing written\n", absent("x")},
      {"export of no archive", [&] { return RunExport(kept, Path("x"), mono, false, false, out_, err_); }, 1,
       ": not a QPK archive\n", absent("x")},
      {"export of an unknown level", [&] { return RunExport(complete, Path("x"), badLevel, false, false, out_, err_); }, 2,
       "--levels: \"12\" is not one of the game's", absent("x")},
      {"pack beside a file named like a fixed temporary", [&] { return RunPack(Path("new.qpk"), both, false, out_, err_); },
       0, "", [&] { return Read("new.qpk.tmp") == std::vector<std::uint8_t>{'o', 'w', 'n'}; }},
      {"export never writes outside its folder", [&] { return RunExport(complete, Path("x"), mono, false, false, out_, err_); },
       0, "", [&] { return !fs::exists(Path("a0005.pdb")) && fs::exists(Path("x/Vexo0026.pdb")); }},
      {"export --force removes the game's files only", [&] { return RunExport(complete, earlier, mono, true, false, out_, err_); },
       0, "", [&] {
         const std::vector<std::string> left{"Level 3.pdb",  "Vexo0000.pdb", "Vexo0005.pdb", "Vexo0007.pdb",
                                             "Vexo0014.pdb", "Vexo0025.pdb", "Vexo0026.pdb"};
         std::vector<std::string> names;
         for (const auto& file : fs::directory_iterator(earlier)) names.push_back(file.path().filename().string());
         std::sort(names.begin(), names.end());
         return names == left && fs::exists(Path("l3.pdb")) &&
                out_.str().find(" (2 files of the game removed first), 0 warnings\n") != std::string::npos;
       }},
      {"strict export for a handheld left without its application",
       [&] { return RunExport(incomplete, Path("y"), mono, false, true, out_, err_); }, 1,
       "qpk: warning: black-and-white handhelds get no common database (row 25, box 0x87): the game cannot start "
       "there\nqpk: warning: black-and-white handhelds get no application (row 26, box 0x89): the game cannot start "
       "there\nqpk: 2 warnings, errors under --strict\n", absent("y")},
      {"list counts a bad entry", [&] { return RunList(damaged, false, out_, err_); }, 0,
       "qpk: warning: entry 5 \"Vexo Data Mono\": bad checksum: the installer never writes it\n",
       [&] { return out_.str().find("\n7 entries, 3 warnings\n") != std::string::npos; }},
      {"unpack --force replaces", [&] { return RunUnpack(complete, full, true, out_, err_); }, 0, "",
       [&] { return !unchanged(); }},
  };
  for (const auto& c : cases) {
    out_.str("");
    err_.str("");
    EXPECT_EQ(c.run(), c.rc) << c.what << ": " << err_.str();
    EXPECT_NE(err_.str().find(c.err), std::string::npos) << c.what << ": " << err_.str();
    if (c.holds) {
      EXPECT_TRUE(c.holds()) << c.what;
    }
  }
  out_.str("");
  ASSERT_EQ(RunVerify(one, false, out_, err_), 0);
  EXPECT_EQ(out_.str(), one + ": 1 entry, every checksum good, 3 warnings\n");
}

// The cases pack cannot make, as a hand-made archive may hold them.
TEST(InstallVerdicts, HeadersTheScanWouldNotKeep) {
  const std::vector<std::uint8_t> uk = Database("Vexo Language UK", 40, "lang");
  ArchiveEntry entry{kEntryMarker, 0, static_cast<std::uint32_t>(uk.size()), 0, "Vexo Language UK",
                     {'V', 'e', 'x', 'o'}, {'l', 'a', 'n', 'g'}};
  ArchiveEntry renamed = entry;
  std::memcpy(renamed.name, "Vexo Langue UK", 15);
  ArchiveEntry tooShort = entry;
  tooShort.dataSize = 75;
  const std::vector<EntryVerdict> verdicts = JudgeEntries({entry, renamed, tooShort}, {uk.data(), uk.data(), uk.data()});
  ASSERT_EQ(verdicts.size(), 3u);
  EXPECT_EQ(verdicts[0].verdict, Verdict::Installs);
  EXPECT_EQ(VerdictText(renamed, verdicts[1]),
            "its header's name or type is not the directory's: its file is deleted at the next start");
  EXPECT_EQ(verdicts[2].verdict, Verdict::HeaderNotGame) << "the scan leaves files under 76 bytes alone";
}

}  // namespace
