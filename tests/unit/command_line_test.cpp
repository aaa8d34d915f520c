#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/counting_heap.h"

namespace {

using counting_heap::kHeap;
int& g_live = counting_heap::live;

const std::string kSyntax =
    "\r\n\r\nSyntax: VexoLoad [options]\r\n\r\n/Install  Re-run Palm Setup.\r\n/About    Display about message.";

// The program's own tables.
struct ProgramParse : ::testing::Test {
  std::uint32_t install = 7, about = 7;
  char name[260] = {};
  SwitchRow switches[3] = {{"INSTALL", 0, &install, 0}, {"ABOUT", 0, &about, 0}, {nullptr, 0, nullptr, 0}};
  ParameterSlot slots[2] = {{name, sizeof name}, {nullptr, 0}};
  std::string failure;
  CommandLineOutcome outcome = CommandLineOutcome::Parsed;

  bool Parse(const std::string& line) {
    g_live = 0;
    const char* text = nullptr;
    outcome = ParseCommandLineText(line.c_str(), switches, slots, kHeap, &text);
    EXPECT_EQ(g_live, 0) << "every argument is released";
    failure = outcome == CommandLineOutcome::Refused ? text : "";
    EXPECT_EQ(outcome == CommandLineOutcome::Refused, text != nullptr);
    return outcome == CommandLineOutcome::Parsed;
  }
};

TEST_F(ProgramParse, InstallSwitchInAnyCaseOrWithADash) {
  for (const char* line : {"prog /install", "prog /INSTALL", "prog -Install"}) {
    ASSERT_TRUE(Parse(line)) << line;
    EXPECT_EQ(install, 1u) << line;
    EXPECT_EQ(about, 0u) << line;
    EXPECT_STREQ(name, "prog");
  }
}

TEST_F(ProgramParse, ProgramNameAloneLeavesBothFlagsClear) {
  ASSERT_TRUE(Parse("prog"));
  EXPECT_EQ(install, 0u);
  EXPECT_EQ(about, 0u);
  ASSERT_TRUE(Parse(""));
  EXPECT_EQ(install, 0u);
  ASSERT_TRUE(Parse(" \t  "));
}

TEST_F(ProgramParse, AboutSetsItsFlag) {
  ASSERT_TRUE(Parse("prog /About"));
  EXPECT_EQ(about, 1u);
}

TEST_F(ProgramParse, HelpRequestIsItsOwnOutcome) {
  for (const char* line : {"prog /?", "prog -?", "prog /install /?"}) {
    ASSERT_FALSE(Parse(line));
    EXPECT_EQ(outcome, CommandLineOutcome::HelpRequested) << line;
  }
}

TEST_F(ProgramParse, UnknownSwitchesAreShownAsTyped) {
  ASSERT_FALSE(Parse("prog /??"));
  EXPECT_EQ(failure, "Unknown switch used '/?\?'." + kSyntax);
  ASSERT_FALSE(Parse("prog /Inst"));
  EXPECT_EQ(failure, "Unknown switch used '/Inst'." + kSyntax);
  ASSERT_FALSE(Parse("prog -xY"));
  EXPECT_EQ(failure, "Unknown switch used '-xY'." + kSyntax);
}

TEST_F(ProgramParse, ExtraArgumentsAreReportedInArgumentOrder) {
  ASSERT_FALSE(Parse("prog extra"));
  EXPECT_EQ(failure, "Incorrect number of parameters." + kSyntax);
  ASSERT_FALSE(Parse("prog extra /x"));
  EXPECT_EQ(failure, "Incorrect number of parameters." + kSyntax);
  ASSERT_FALSE(Parse("prog /x extra"));
  EXPECT_EQ(failure, "Unknown switch used '/x'." + kSyntax);
}

TEST_F(ProgramParse, Quotes) {
  ASSERT_FALSE(Parse("prog \"a b\""));
  EXPECT_EQ(failure, "Incorrect number of parameters." + kSyntax);
  ASSERT_FALSE(Parse("prog \"a\"b"));
  EXPECT_EQ(failure, "Application syntax error.\r\nInvalid character following quotation!");
  ASSERT_TRUE(Parse("prog \"\""));
  EXPECT_STREQ(name, "prog");
  ASSERT_TRUE(Parse("\"C:\\Program Files\\Vexo\\VexoLoad.exe\" /install"));
  EXPECT_STREQ(name, "C:\\Program Files\\Vexo\\VexoLoad.exe");
  EXPECT_EQ(install, 1u);
  ASSERT_TRUE(Parse("\"C:\\Vexo\\VexoLoad.exe"));
  EXPECT_STREQ(name, "C:\\Vexo\\VexoLoad.exe") << "an unclosed quote runs to the end";
  ASSERT_FALSE(Parse("prog a\"b"));
  EXPECT_EQ(failure, "Incorrect number of parameters." + kSyntax) << "a quote inside is an ordinary character";
}

TEST_F(ProgramParse, TabsSeparateAndOuterBlanksAreIgnored) {
  ASSERT_TRUE(Parse("  \tprog\t/about \t "));
  EXPECT_EQ(about, 1u);
  EXPECT_STREQ(name, "prog");
}

TEST_F(ProgramParse, TooManyArguments) {
  std::string line = "prog";
  for (int i = 0; i < 1023; ++i) line += " x";
  ASSERT_FALSE(Parse(line));
  EXPECT_EQ(failure, "Incorrect number of parameters." + kSyntax) << "1024 arguments are stored";
  line += " x";
  ASSERT_FALSE(Parse(line));
  EXPECT_EQ(failure, "Too many command line arguments specified!" + kSyntax);
}

TEST_F(ProgramParse, CommandLineLongerThanTheWorkBufferIsRefused) {
  std::string line = "prog " + std::string(8186, 'x');
  ASSERT_EQ(line.size(), 8191u);
  ASSERT_FALSE(Parse(line));
  EXPECT_EQ(failure, "Incorrect number of parameters." + kSyntax) << "8191 characters still fit";
  ASSERT_FALSE(Parse("prog /install " + std::string(10000, 'x')));
  EXPECT_EQ(failure, "Application syntax error.\r\nThe command line is too long!" + kSyntax);
  EXPECT_EQ(install, 0u) << "nothing of a refused line takes effect";
}

TEST_F(ProgramParse, VeryLongSwitchNamesNeverOverrunAndAreCutInTheMessage) {
  ASSERT_FALSE(Parse("prog /" + std::string(300, 'I')));
  EXPECT_EQ(failure.substr(0, 22), "Unknown switch used '/");
  EXPECT_LT(failure.size(), 512u);

  const std::string longSwitch = "/" + std::string(599, 'q');
  ASSERT_FALSE(Parse("prog " + longSwitch));
  ASSERT_EQ(failure.size(), 511u) << "cut to the 512-byte message buffer";
  EXPECT_EQ(failure.substr(0, 21), "Unknown switch used '");
  EXPECT_EQ(failure.substr(failure.size() - kSyntax.size() - 5), "...'." + kSyntax)
      << "the cut is marked and the syntax still follows";
}

TEST_F(ProgramParse, PositionalLongerThanItsSlot) {
  ASSERT_FALSE(Parse(std::string(260, 'p')));
  EXPECT_EQ(failure, "Following parameter exceeds buffer space.\r\n" + std::string(260, 'p') + kSyntax);
  ASSERT_TRUE(Parse(std::string(259, 'p')));
}

// A table with every kind of switch, as the parser supports them.
struct KindsParse : ::testing::Test {
  std::uint32_t flag = 9;
  std::int32_t number = 9;
  char string[kStringTargetSize] = "old";
  char list[kStringListSize] = {};
  char name[260] = {};
  SwitchRow switches[5] = {{"FLAG", 0, &flag, 0},
                           {"NUM", kSwitchNumeric, &number, 42},
                           {"STR", kSwitchString, string, 0},
                           {"ADD", kSwitchString | kSwitchList, list, 0},
                           {nullptr, 0, nullptr, 0}};
  ParameterSlot slots[2] = {{name, sizeof name}, {nullptr, 0}};
  std::string failure;

  bool Parse(const std::string& line) {
    g_live = 0;
    const char* text = nullptr;
    const CommandLineOutcome outcome = ParseCommandLineText(line.c_str(), switches, slots, kHeap, &text);
    EXPECT_EQ(g_live, 0);
    failure = outcome == CommandLineOutcome::Refused ? text : "";
    return outcome == CommandLineOutcome::Parsed;
  }
};

TEST_F(KindsParse, InitialValuesAreWrittenFirst) {
  ASSERT_TRUE(Parse("prog"));
  EXPECT_EQ(flag, 0u);
  EXPECT_EQ(number, 42);
  EXPECT_EQ(string[0], 0);
}

TEST_F(KindsParse, Numbers) {
  ASSERT_TRUE(Parse("prog /num -17abc"));
  EXPECT_EQ(number, -17) << "digits up to the first non-digit";
  ASSERT_TRUE(Parse("prog /num 2147483647"));
  EXPECT_EQ(number, 2147483647);
  ASSERT_TRUE(Parse("prog /num -2147483648"));
  EXPECT_EQ(number, INT32_MIN);
  for (const char* bad : {"prog /num x", "prog /num -", "prog /num 2147483648", "prog /num 99999999999999"}) {
    ASSERT_FALSE(Parse(bad)) << bad;
    EXPECT_EQ(failure, "Switch \"/NUM\" expects a numerical parameter.\r\n" + kSyntax) << bad;
  }
  ASSERT_FALSE(Parse("prog /Num"));
  EXPECT_EQ(failure, "Switch \"/NUM\" has no parameter. A parameter is expected.\r\n" + kSyntax);
}

TEST_F(KindsParse, StringsTakeTheNextArgumentWhateverItBeginsWith) {
  ASSERT_TRUE(Parse("prog /str /flag"));
  EXPECT_STREQ(string, "/flag");
  EXPECT_EQ(flag, 0u);
  ASSERT_FALSE(Parse("prog /str " + std::string(260, 's')));
  EXPECT_EQ(failure, "Switch \"/STR\" is out of string space.\r\n" + kSyntax);
}

TEST_F(KindsParse, StringListAppendsInOrderAndStartsEmptyEachParse) {
  ASSERT_TRUE(Parse("prog /add one /ADD two"));
  EXPECT_STREQ(list, "one");
  EXPECT_STREQ(list + 4, "two");
  EXPECT_EQ(list[8], 0) << "the list ends with an empty string";
  ASSERT_TRUE(Parse("prog /add three"));
  EXPECT_STREQ(list, "three");
  EXPECT_EQ(list[6], 0);
}

}  // namespace
