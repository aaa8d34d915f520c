#include "ui/error_report.h"

#include <gtest/gtest.h>

#include <string>

#include "base/message_lookup.h"
#include "platform/process_state.h"

namespace {

std::string Looked(ErrorCode code) {
  LookupMessage(code);
  return MessageBuffer;
}

struct Loaded : ::testing::Test {
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(LoadMessageTable()) << "the test program carries the program's resources";
  }
};

TEST_F(Loaded, OwnCodesComeFromTheResource) {
  EXPECT_EQ(Looked(0x20000105), "Bytes not all read from file");
  EXPECT_EQ(Looked(0x20000116), "Error 20000116 has occured!");
  EXPECT_STREQ(MessageText(0x20000129), "Application has been 'cancelled'.");
  EXPECT_STREQ(MessageText(0x20000120), "Resource message data missing.");
  EXPECT_STREQ(MessageText(0x20000113), "Unable to run multiple instances of the application!");
}

TEST_F(Loaded, SystemCodesUseTheSystemText) {
  char expected[512] = {};
  ASSERT_NE(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, 5, 0, expected,
                           sizeof expected, nullptr),
            0u);
  EXPECT_EQ(Looked(5), expected);
  EXPECT_NE(Looked(5).find("ccess"), std::string::npos) << "access denied";
}

TEST_F(Loaded, SystemCodeWithoutASystemTextShowsDecimal) {
  char probe[512];
  const DWORD code = 0xFFF0;
  ASSERT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, probe,
                           sizeof probe, nullptr),
            0u);
  EXPECT_EQ(Looked(code), "Error 65520 has occured!");
}

TEST_F(Loaded, ShowErrorOfZeroShowsNothingAndFails) {
  // A box would block this test until its time-out; returning is the proof.
  EXPECT_FALSE(ShowError(0));
}

TEST_F(Loaded, OwnerIsNoneWithoutACurrentWindow) { EXPECT_EQ(OwnerWindow(), nullptr); }

}  // namespace
