#include <gtest/gtest.h>

#include "platform/process_state.h"
#include "tests/win/test_dialog_ids.h"
#include "ui/brush_cache.h"
#include "ui/dialog_procs.h"
#include "ui/window_builder.h"
#include "ui/window_rules.h"

namespace {

constexpr std::uint32_t Explicit(std::uint32_t rgb) { return kExplicitColourBit | rgb; }

const MessageMapRow kMessages[] = {VEXO_STANDARD_MESSAGE_ROWS};
const CommandMapRow kCommands[] = {{kEndOfCommandMap, nullptr}};

// Each control row exercises one colouring rule.
const ControlDescriptor kRows[] = {
    {0, kWindowRow, 0, 0, 200, 200, nullptr, 0, Explicit(0x000080), kDefaultColour},
    {IDC_TEST_BUTTON, kPushButton, 0, 0, 20, 20, nullptr, 0, 2, 0},
    {IDC_TEST_PICTURE, kPictureArea, 0, 0, 20, 20, nullptr, 0, kTransparentColour, kDefaultColour},
    {IDC_TEST_LABEL, kTextLabel, 0, 0, 20, 20, nullptr, 0, kDefaultColour, Explicit(0x0000FF)},
    {IDC_TEST_CHECK, kCheckBox, 0, 0, 20, 20, nullptr, 0, kDefaultColour, Explicit(0x00FF00)},
    {IDC_TEST_BUTTON2, kPushButton, 0, 0, 20, 20, nullptr, 0, Explicit(0xF8F8F8), kDefaultColour},
    {IDC_TEST_TEXT, kTextLabel, 0, 0, 20, 20, nullptr, 0, Explicit(0xF8F8F8), 4},
    {IDC_TEST_LIST, kListBox, 0, 0, 20, 20, nullptr, 0, kDefaultColour, kDefaultColour},
    {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
};

struct Colouring : ::testing::Test {
  HWND window = nullptr;
  HDC dc = nullptr;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ResetBrushCache();
    window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_TEST_WINDOW), nullptr, DlgProc, 0);
    ASSERT_NE(window, nullptr);
    BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, kRows);
    dc = GetDC(window);
  }
  void TearDown() override {
    ReleaseDC(window, dc);
    ResetWindowTable();
    DestroyWindow(window);
  }
  INT_PTR Colour(int id, UINT message = WM_CTLCOLORSTATIC) {
    return DlgProc(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
  }
  static COLORREF BrushColour(INT_PTR brush) {
    LOGBRUSH description = {};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof description, &description);
    return description.lbColor;
  }
};

TEST_F(Colouring, GreyLevelReturnsTheStockBrushOfTheSameNumber) {
  SetTextColor(dc, 0x123456);
  EXPECT_EQ(Colour(IDC_TEST_BUTTON, WM_CTLCOLORBTN), reinterpret_cast<INT_PTR>(GetStockObject(GRAY_BRUSH)));
  EXPECT_EQ(GetBkColor(dc), 0xA0A0A0u) << "the text background is the table's grey";
  EXPECT_EQ(GetTextColor(dc), 0xFFFFFFu) << "text colour 0 is grey level white";
}

TEST_F(Colouring, TransparentRowGetsTheHollowBrush) {
  SetBkMode(dc, OPAQUE);
  EXPECT_EQ(Colour(IDC_TEST_PICTURE), reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
}

TEST_F(Colouring, OnlyATextColourMakesALabelTransparentAndAnythingElseSolid) {
  SetBkMode(dc, OPAQUE);
  EXPECT_EQ(Colour(IDC_TEST_LABEL), reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(GetTextColor(dc), 0x0000FFu);

  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, 0x345678);
  INT_PTR brush = Colour(IDC_TEST_CHECK, WM_CTLCOLORBTN);
  ASSERT_NE(brush, 0);
  EXPECT_EQ(BrushColour(brush), 0x345678u) << "a brush of the context's current background";
  EXPECT_EQ(GetBkColor(dc), 0x345678u);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetTextColor(dc), 0x00FF00u);
}

TEST_F(Colouring, ExplicitBackgroundsShareOneCachedBrushPerColour) {
  INT_PTR first = Colour(IDC_TEST_BUTTON2, WM_CTLCOLORBTN);
  ASSERT_NE(first, 0);
  EXPECT_EQ(BrushColour(first), 0xF8F8F8u);
  EXPECT_EQ(GetBkColor(dc), 0xF8F8F8u);
  EXPECT_EQ(Colour(IDC_TEST_TEXT), first) << "the same colour in another row";
  EXPECT_EQ(GetTextColor(dc), 0x000000u);
  EXPECT_EQ(Colour(IDC_TEST_BUTTON2, WM_CTLCOLORBTN), first);
  EXPECT_EQ(BrushCache[1].brush, nullptr) << "only one brush was made";
}

TEST_F(Colouring, BothDefaultAndUnknownControlsAreLeftToTheSystem) {
  EXPECT_EQ(Colour(IDC_TEST_LIST, WM_CTLCOLORLISTBOX), 0);
  EXPECT_EQ(DlgProc(window, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)), 0)
      << "the window's own row never matches";
}

TEST_F(Colouring, ANinthColourGetsNoBrushButItsTextColour) {
  for (COLORREF c = 1; c <= 8; ++c) {
    BrushCache[c - 1] = {c, CreateSolidBrush(c)};
  }
  SetTextColor(dc, 0x111111);
  EXPECT_EQ(Colour(IDC_TEST_TEXT), 0);
  EXPECT_EQ(GetTextColor(dc), 0x000000u);
}

}  // namespace
