#include "ui/window_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/process_state.h"
#include "tests/win/test_dialog_ids.h"
#include "ui/dialog_procs.h"

namespace {

const MessageMapRow kNoMessages[] = {{kEndOfMessageMap, 0}};
const CommandMapRow kNoCommands[] = {{kEndOfCommandMap, nullptr}};

struct Builder : ::testing::Test {
  HWND window = nullptr;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    g_pixelsPerInch = 96;
    ResetWindowTable();
    std::memset(FontCache, 0, sizeof FontCache);
  }
  void TearDown() override {
    ResetWindowTable();  // so destroying the window runs no quit rule
    if (window) DestroyWindow(window);
  }
  HWND Create() {
    HWND w = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_TEST_WINDOW), nullptr, DlgProc, 0);
    EXPECT_NE(w, nullptr);
    return w;
  }
  static RECT ClientRectOf(HWND parent, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static std::string Text(HWND w) {
    char buffer[256];
    GetWindowTextA(w, buffer, sizeof buffer);
    return buffer;
  }
};

TEST_F(Builder, WindowIsCentredAndControlsPlacedCaptionedAndAttached) {
  static const ControlDescriptor rows[] = {
      {0, kWindowRow, 5, 5, 301, 201, "Built", 0, kDefaultColour, kDefaultColour},
      {IDC_TEST_BUTTON, kPushButton, 10, 20, 90, 30, "Install", 0, kDefaultColour, kDefaultColour},
      {IDC_TEST_LABEL, kTextLabel, 110, 20, 80, 17, nullptr, 0, kDefaultColour, kDefaultColour},
      {99, kPushButton, 1, 1, 1, 1, "nobody", 0, kDefaultColour, kDefaultColour},
      {kEndOfDescriptors, 0, 0, 0, 0, 0, "never", 0, 0, 0},
      {IDC_TEST_CHECK, kCheckBox, 0, 0, 5, 5, "after the end", 0, kDefaultColour, kDefaultColour},
  };
  window = Create();
  WindowRecord* record = &WindowTable[kMainWindowRecord];
  BuildWindow(record, window, kNoMessages, kNoCommands, rows);

  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 301) >> 1);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 201) >> 1);
  EXPECT_EQ(frame.right - frame.left, 301);
  EXPECT_EQ(frame.bottom - frame.top, 201);
  EXPECT_EQ(Text(window), "Built");

  RECT button = ClientRectOf(window, IDC_TEST_BUTTON);
  EXPECT_EQ(button.left, 10);
  EXPECT_EQ(button.top, 20);
  EXPECT_EQ(button.right, 100);
  EXPECT_EQ(button.bottom, 50);
  EXPECT_EQ(Text(GetDlgItem(window, IDC_TEST_BUTTON)), "Install");
  EXPECT_EQ(Text(GetDlgItem(window, IDC_TEST_LABEL)), "label") << "no caption keeps the template's text";
  EXPECT_EQ(Text(GetDlgItem(window, IDC_TEST_CHECK)), "box") << "rows after the end row are never read";

  EXPECT_EQ(CurrentWindow, record);
  EXPECT_EQ(record->window, window);
  EXPECT_EQ(record->descriptors, rows);
  EXPECT_EQ(AttachedRecord(window), record);
}

TEST_F(Builder, WindowLargerThanTheScreenGoesToANegativePosition) {
  const int width = GetSystemMetrics(SM_CXSCREEN) + 301;
  const int height = GetSystemMetrics(SM_CYSCREEN) + 3;
  const ControlDescriptor rows[] = {
      {0, kWindowRow, 0, 0, width, height, nullptr, 0, kDefaultColour, kDefaultColour},
      {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
  };
  window = Create();
  ApplyControlDescriptors(window, rows);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, -151) << "the floor of -301 / 2";
  EXPECT_EQ(frame.top, -2);
}

TEST_F(Builder, TableStartingWithItsEndRowChangesNothing) {
  static const ControlDescriptor rows[] = {
      {kEndOfDescriptors, kWindowRow, 0, 0, 10, 10, "changed", 0x82, 0, 0},
  };
  window = Create();
  RECT before, after;
  GetWindowRect(window, &before);
  HFONT fontBefore = reinterpret_cast<HFONT>(SendDlgItemMessageA(window, IDC_TEST_BUTTON, WM_GETFONT, 0, 0));
  ApplyControlDescriptors(window, rows);
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(Text(window), "");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageA(window, IDC_TEST_BUTTON, WM_GETFONT, 0, 0)), fontBefore);
  EXPECT_EQ(FontCache[0].font, nullptr);
}

HFONT ControlFont(HWND window, int id) {
  return reinterpret_cast<HFONT>(SendDlgItemMessageA(window, id, WM_GETFONT, 0, 0));
}

TEST_F(Builder, FontsComeFromTheStyleByteAndAreSharedAcrossWindows) {
  static const ControlDescriptor rows[] = {
      {IDC_TEST_BUTTON, kPushButton, 0, 0, 50, 20, nullptr, 0x02, kDefaultColour, kDefaultColour},
      {IDC_TEST_BUTTON2, kPushButton, 0, 20, 50, 20, nullptr, 0xC2, kDefaultColour, kDefaultColour},
      {IDC_TEST_LABEL, kTextLabel, 0, 40, 50, 20, nullptr, 0xE0, kDefaultColour, kDefaultColour},
      {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
  };
  window = Create();
  HFONT windowFont = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  CaptureTemplateFont(window);
  ApplyControlDescriptors(window, rows);

  EXPECT_EQ(ControlFont(window, IDC_TEST_BUTTON), windowFont) << "0x02 lacks the own-font bit";
  HFONT boldTen = ControlFont(window, IDC_TEST_BUTTON2);
  ASSERT_NE(boldTen, windowFont);
  LOGFONTA bold;
  GetObjectA(boldTen, sizeof bold, &bold);
  EXPECT_EQ(bold.lfHeight, -(10 * 96 / 72));
  EXPECT_EQ(bold.lfWeight, FW_BOLD);
  EXPECT_FALSE(bold.lfItalic);
  LOGFONTA italic;
  GetObjectA(ControlFont(window, IDC_TEST_LABEL), sizeof italic, &italic);
  EXPECT_EQ(italic.lfHeight, -(8 * 96 / 72));
  EXPECT_TRUE(italic.lfItalic);
  EXPECT_STREQ(italic.lfFaceName, TemplateFont.lfFaceName) << "the rest comes from the template font";

  HWND second = Create();
  ApplyControlDescriptors(second, rows);
  EXPECT_EQ(ControlFont(second, IDC_TEST_BUTTON2), boldTen) << "one font per style byte, in every window";
  DestroyWindow(second);
  EXPECT_EQ(FontCache[2].font, nullptr) << "only two fonts were made";
}

TEST_F(Builder, AFifthStyleGetsNoFont) {
  window = Create();
  CaptureTemplateFont(window);
  for (std::uint32_t style : {0x80u, 0x81u, 0x82u, 0x83u}) ASSERT_NE(GetDescriptorFont(style), nullptr);
  EXPECT_EQ(GetDescriptorFont(0x84), nullptr);
  EXPECT_EQ(GetDescriptorFont(0x81), FontCache[1].font);

  static const ControlDescriptor rows[] = {
      {IDC_TEST_BUTTON, kPushButton, 0, 0, 50, 20, nullptr, 0x94, kDefaultColour, kDefaultColour},
      {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
  };
  HFONT before = ControlFont(window, IDC_TEST_BUTTON);
  ApplyControlDescriptors(window, rows);
  EXPECT_EQ(ControlFont(window, IDC_TEST_BUTTON), before);
}

}  // namespace
