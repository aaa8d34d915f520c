#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include "platform/process_state.h"
#include "tests/win/test_dialog_ids.h"
#include "ui/dialog_procs.h"
#include "ui/window_builder.h"
#include "ui/window_rules.h"

namespace {

int g_calls[4];
UINT g_lastMessage;

INT_PTR First(HWND, UINT m, WPARAM, LPARAM) {
  ++g_calls[0];
  g_lastMessage = m;
  return 11;
}
INT_PTR Second(HWND, UINT, WPARAM, LPARAM) {
  ++g_calls[1];
  return 22;
}
INT_PTR Clicked(HWND, UINT, WPARAM, LPARAM) {
  ++g_calls[2];
  return 33;
}
INT_PTR DoubleClicked(HWND, UINT, WPARAM, LPARAM) {
  ++g_calls[3];
  return 44;
}

const MessageMapRow kMessages[] = {
    {First, WM_APP},
    {Second, WM_APP},
    {Second, WM_APP + 1},
    VEXO_STANDARD_MESSAGE_ROWS,
};
const CommandMapRow kCommands[] = {
    {IDC_TEST_BUTTON, Clicked},
    {(BN_DOUBLECLICKED << 16) | IDC_TEST_BUTTON2, DoubleClicked},
    {kEndOfCommandMap, nullptr},
};
const ControlDescriptor kRows[] = {{kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0}};

struct Dispatch : ::testing::Test {
  HWND window = nullptr;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    for (int& c : g_calls) c = 0;
    window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_TEST_WINDOW), nullptr, DlgProc, 0);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    ResetWindowTable();
    DestroyWindow(window);
  }
};

TEST_F(Dispatch, BeforeTheRecordIsAttachedEverythingReturnsZero) {
  EXPECT_EQ(DlgProc(window, WM_APP, 0, 0), 0);
  EXPECT_EQ(RouteCommand(window, WM_COMMAND, IDC_TEST_BUTTON, 0), 0);
  EXPECT_EQ(g_calls[0] + g_calls[2], 0);
}

TEST_F(Dispatch, FirstMatchingRowWins) {
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, kRows);
  EXPECT_EQ(DlgProc(window, WM_APP, 0, 0), 11);
  EXPECT_EQ(g_calls[0], 1);
  EXPECT_EQ(g_calls[1], 0) << "a later row for the same message is never called";
  EXPECT_EQ(DlgProc(window, WM_APP + 1, 0, 0), 22);
  EXPECT_EQ(DlgProc(window, WM_APP + 2, 0, 0), 0) << "no row: not handled";
}

TEST_F(Dispatch, CommandsMatchTheWholeFirstParameter) {
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, kRows);
  EXPECT_EQ(DlgProc(window, WM_COMMAND, IDC_TEST_BUTTON, 0), 33);
  EXPECT_EQ(DlgProc(window, WM_COMMAND, (BN_DOUBLECLICKED << 16) | IDC_TEST_BUTTON, 0), 0)
      << "a notification code other than 0 matches no plain id row";
  EXPECT_EQ(DlgProc(window, WM_COMMAND, IDC_TEST_BUTTON2, 0), 0);
  EXPECT_EQ(DlgProc(window, WM_COMMAND, (BN_DOUBLECLICKED << 16) | IDC_TEST_BUTTON2, 0), 44);
  SendDlgItemMessageA(window, IDC_TEST_BUTTON, BM_CLICK, 0, 0);
  EXPECT_EQ(g_calls[2], 2) << "a real click arrives as the plain id";
}

TEST_F(Dispatch, StandardRowsReachTheQuitRule) {
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, kRows);
  DestroyWindow(window);
  window = nullptr;
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_DESTROY ran the quit rule";
  ReleaseWindow(&WindowTable[kMainWindowRecord]);
  window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_TEST_WINDOW), nullptr, DlgProc, 0);
}

INT_PTR EndFromCommand(HWND window, UINT, WPARAM, LPARAM) {
  EndDialog(window, 5);
  return 0;
}

// Another program can post WM_INITDIALOG with any value: only the handler of the
// dialog the program opens runs, and only once.
TEST_F(Dispatch, ModalDialogIsInitialisedOnceThroughItsCreationParameter) {
  static const CommandMapRow commands[] = {{IDC_TEST_BUTTON, EndFromCommand}, {kEndOfCommandMap, nullptr}};
  static const MessageMapRow messages[] = {VEXO_STANDARD_MESSAGE_ROWS};
  static int runs = 0;
  struct Local {
    static INT_PTR Init(HWND w, UINT, WPARAM, LPARAM) {
      ++runs;
      BuildWindow(&WindowTable[kSetupWindowRecord], w, messages, commands, kRows);
      PostMessageA(w, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(static_cast<MessageHandler>(Init)));
      PostMessageA(w, WM_INITDIALOG, 0, 0x41414141);
      PostMessageA(w, WM_COMMAND, IDC_TEST_BUTTON, 0);
      return 1;
    }
  };
  EXPECT_EQ(RunModalDialog(IDD_TEST_WINDOW, nullptr, Local::Init), 5);
  EXPECT_EQ(runs, 1);
  ReleaseWindow(&WindowTable[kSetupWindowRecord]);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "the dialog ended while no other managed window existed";
  EXPECT_EQ(ModalDlgProc(window, WM_INITDIALOG, 0, 0), 0) << "no initialisation handler";
}

TEST_F(Dispatch, PropertySheetPagesOutsideTheTableAreNotInitialised) {
  PROPSHEETPAGEA page = {};
  page.dwSize = sizeof page;
  for (LPARAM index : {LPARAM{0}, LPARAM{1}, LPARAM{-1}}) {
    page.lParam = index;
    EXPECT_EQ(PropertySheetProc(window, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&page)), 0);
  }
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, kRows);
  EXPECT_EQ(PropertySheetProc(window, WM_APP, 0, 0), 11) << "other messages go through the maps";
}

}  // namespace
