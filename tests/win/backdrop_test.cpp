#include "ui/backdrop.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/byte_order.h"
#include "installer/main_window_rows.h"
#include "platform/process_state.h"
#include "resources/resource_ids.h"
#include "ui/dialog_procs.h"
#include "ui/pcx_image.h"
#include "ui/window_builder.h"
#include "ui/window_rules.h"

namespace {

const MessageMapRow kMessages[] = {{PaintBackdrop, WM_PAINT}, VEXO_STANDARD_MESSAGE_ROWS};
const CommandMapRow kCommands[] = {{kEndOfCommandMap, nullptr}};
const ControlDescriptor kNoControls[] = {{kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0}};

struct Backdrop : ::testing::Test {
  HWND window = nullptr;
  ErrorCode code = 0;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    FreeBackdrop();
    BackdropOrigin = {};
    window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, DlgProc, 0);
    ASSERT_NE(window, nullptr);
    BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, kNoControls);
  }
  void TearDown() override {
    FreeBackdrop();
    ResetWindowTable();
    DestroyWindow(window);
  }
};

TEST_F(Backdrop, OneSlotIsClaimedAndFreed) {
  ASSERT_TRUE(LoadBackdrop(IDR_BACKDROP, &code));
  ASSERT_NE(FindBackdrop(IDR_BACKDROP), nullptr);
  EXPECT_NE(FindBackdrop(IDR_BACKDROP)->palette, nullptr);
  EXPECT_FALSE(LoadBackdrop(IDR_BACKDROP, &code));
  EXPECT_EQ(code, 0x20000107u) << "no free bitmap object";
  FreeBackdrop();
  EXPECT_EQ(FindBackdrop(IDR_BACKDROP), nullptr);
  EXPECT_FALSE(LoadBackdrop(4242, &code)) << "a resource that is not there";
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_RESOURCE_NAME_NOT_FOUND)) << "the system's own code";
  EXPECT_NE(FindBackdrop(4242), nullptr) << "the slot stays claimed after a failure";
}

RECT ClientRect(HWND parent, HWND control) {
  RECT placed;
  GetWindowRect(control, &placed);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&placed), 2);
  return placed;
}

// Fitting again puts back whatever has moved, the window and each control, and
// leaves what stands in place where it is.
TEST_F(Backdrop, RefittingPutsMovedWindowsBack) {
  const ControlDescriptor rows[] = {
      {IDC_INSTALL, kPushButton, 300, 200, 80, 24, nullptr, 0, 0, 0},
      {IDC_DATA_SIZE, kTextLabel, 40, 700, 120, 17, nullptr, 0, 0, 0},
      {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
  };
  WindowTable[kMainWindowRecord].descriptors = rows;
  ASSERT_TRUE(LoadBackdrop(IDR_BACKDROP, &code));
  HWND button = GetDlgItem(window, IDC_INSTALL), label = GetDlgItem(window, IDC_DATA_SIZE);
  MoveWindow(button, 5, 6, 7, 8, FALSE);
  SetWindowPos(window, nullptr, 30, 40, 500, 400, SWP_NOZORDER);
  FitBackdrop();
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 1024) / 2);
  EXPECT_EQ(frame.right - frame.left, 1024);
  EXPECT_EQ(frame.bottom - frame.top, 768);
  RECT placed = ClientRect(window, button);
  EXPECT_EQ(placed.left, 300);
  EXPECT_EQ(placed.top, 200);
  EXPECT_EQ(placed.right - placed.left, 80);
  EXPECT_EQ(placed.bottom - placed.top, 24);
  placed = ClientRect(window, label);
  EXPECT_EQ(placed.left, 40);
  EXPECT_EQ(placed.top, 700);

  MoveWindow(label, 40, 700, 121, 17, FALSE);  // only the width differs
  FitBackdrop();
  placed = ClientRect(window, label);
  EXPECT_EQ(placed.right - placed.left, 120);
  placed = ClientRect(window, button);
  EXPECT_EQ(placed.left, 300) << "a control in place stays there";
  EXPECT_EQ(placed.top, 200);
}

// The main window as the player gets it, its controls placed by its own rows
// and none hidden by the test: read back from the screen, it is the picture
// pixel for pixel wherever no visible control stands.
TEST_F(Backdrop, PaintedWindowIsThePicture) {
  ApplyControlDescriptors(window, MainWindowRows);
  WindowTable[kMainWindowRecord].descriptors = MainWindowRows;
  ASSERT_TRUE(LoadBackdrop(IDR_BACKDROP, &code));
  FitBackdrop();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  ASSERT_GE(screenWidth, 1024) << "the test display is 1024 x 768";
  ASSERT_GE(screenHeight, 768);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, (screenWidth - 1024) / 2);
  EXPECT_EQ(frame.right - frame.left, 1024);
  EXPECT_EQ(frame.bottom - frame.top, 768);
  EXPECT_EQ(BackdropOrigin.x, 0);
  EXPECT_EQ(BackdropOrigin.y, 0);

  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  for (int i = 0; i < 20; ++i) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  }

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 1024;
  info.bmiHeader.biHeight = -768;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, shot);
  BitBlt(memory, 0, 0, 1024, 768, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);

  // The level pictures 0x7D to 0x84 are see-through: the picture shows under
  // them, so only the controls that paint themselves are left out.
  std::vector<RECT> covered;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    const bool seeThrough = id >= 0x7D && id <= 0x84;
    if (IsWindowVisible(child) && !seeThrough) covered.push_back(ClientRect(window, child));
  }
  const auto uncovered = [&](int x, int y) {
    const POINT p{x, y};
    for (const RECT& r : covered) {
      if (PtInRect(&r, p)) return false;
    }
    return true;
  };

  const std::uint8_t* block = FindBackdrop(IDR_BACKDROP)->image;
  const std::uint8_t* table = block + kPcxColourTableOffset;
  const std::uint8_t* rows = block + kPcxPixelsOffset;
  const std::uint32_t* captured = static_cast<const std::uint32_t*>(bits);
  int differing = 0, compared = 0;
  for (int y = 0; y < 768; ++y) {
    for (int x = 0; x < 1024; ++x) {
      if (!uncovered(x, y)) continue;
      ++compared;
      const std::uint8_t index = rows[(767 - y) * 1024 + x];
      const std::uint32_t expected = table[index * 4] | (table[index * 4 + 1] << 8) | (table[index * 4 + 2] << 16);
      if ((captured[y * 1024 + x] & 0xFFFFFF) != expected) ++differing;
    }
  }
  DeleteObject(shot);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(differing, 0);
  EXPECT_GT(compared, 1024 * 768 * 8 / 10) << "the visible controls cover at most a fifth of the window";
}

}  // namespace
