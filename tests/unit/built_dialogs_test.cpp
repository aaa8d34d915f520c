// The dialog templates as the resource compiler wrote them into VexoLoad.exe
// (the file VEXO_EXE names), read out of the PE file and compared with what
// the windows must hold: a control the player must not see has to be hidden
// in the compiled template, whatever the resource script meant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/dialog_template.h"
#include "tests/support/pe_resources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kDialogType = 5;  // RT_DIALOG

constexpr std::uint32_t kChild = 0x40000000;    // WS_CHILD
constexpr std::uint32_t kVisible = 0x10000000;  // WS_VISIBLE
constexpr std::uint32_t kGroup = 0x00020000;    // WS_GROUP
constexpr std::uint32_t kTabStop = 0x00010000;  // WS_TABSTOP

constexpr std::uint32_t kPushButton = 0x0;
constexpr std::uint32_t kAutoCheckBox = 0x3;
constexpr std::uint32_t kGroupBox = 0x7;
constexpr std::uint32_t kAutoRadio = 0x9;
constexpr std::uint32_t kLeftText = 0x0;    // SS_LEFT
constexpr std::uint32_t kCentredText = 0x1;  // SS_CENTER
constexpr std::uint32_t kIcon = 0x3;        // SS_ICON
constexpr std::uint32_t kBlackFrame = 0x7;  // SS_BLACKFRAME

enum Bits : std::uint32_t { kHidden = 0, kShown = kVisible, kStartsGroup = kGroup, kTab = kTabStop };

struct Expected {
  std::uint16_t id;
  const char* className;
  std::uint32_t style;  // the whole style but WS_CHILD, which every control has
};

const Bytes& Exe() {
  static const Bytes bytes = [] {
    const char* path = std::getenv("VEXO_EXE");
    if (path == nullptr) return Bytes{};
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  return bytes;
}

std::optional<DialogTemplate> Dialog(std::uint16_t id, std::string* why) {
  const std::optional<Bytes> resource = FindPeResource(Exe(), kDialogType, id, why);
  if (!resource) return std::nullopt;
  return ParseDialogTemplate(*resource, why);
}

std::string Hex(std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", v);
  return text;
}

void ExpectControls(const DialogTemplate& dialog, const std::vector<Expected>& expected) {
  ASSERT_EQ(dialog.items.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const DialogItem& item = dialog.items[i];
    SCOPED_TRACE("control " + std::to_string(i) + ", expected id " + Hex(expected[i].id));
    EXPECT_EQ(item.id, expected[i].id);
    EXPECT_EQ(item.className, expected[i].className);
    EXPECT_EQ(Hex(item.style), Hex(kChild | expected[i].style));
    EXPECT_EQ(item.exStyle, 0u);
  }
}

std::vector<Expected> Range(std::uint16_t first, std::uint16_t last, const char* className, std::uint32_t style) {
  std::vector<Expected> rows;
  for (std::uint32_t id = first; id <= last; ++id) rows.push_back({static_cast<std::uint16_t>(id), className, style});
  return rows;
}

std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts) {
  std::vector<Expected> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Every window of the program: "MS Sans Serif" at 8 points, no menu, no class
// of its own, an empty title that the program sets.
void ExpectPlainHeader(const DialogTemplate& d) {
  EXPECT_EQ(d.pointSize, 8);
  EXPECT_EQ(d.typeface, "MS Sans Serif");
  EXPECT_EQ(d.menu, "");
  EXPECT_EQ(d.windowClass, "");
  EXPECT_EQ(d.title, "");
}

struct BuiltDialogs : ::testing::Test {
  void SetUp() override {
    ASSERT_NE(std::getenv("VEXO_EXE"), nullptr) << "VEXO_EXE names the VexoLoad.exe to read";
    ASSERT_FALSE(Exe().empty()) << "cannot read " << std::getenv("VEXO_EXE");
  }
};

TEST_F(BuiltDialogs, AbortRetryPrompt) {
  std::string why;
  const std::optional<DialogTemplate> d = Dialog(1000, &why);
  ASSERT_TRUE(d) << why;
  EXPECT_EQ(Hex(d->style), "0x90C000C4") << "popup, visible, caption, modal frame, set font, 3-D look; no system menu";
  EXPECT_EQ(d->cx, 186);
  EXPECT_EQ(d->cy, 104);
  ExpectPlainHeader(*d);
  ExpectControls(*d, {{101, "button", kPushButton | kShown | kStartsGroup | kTab},
                      {102, "button", kPushButton | kShown | kTab},
                      {103, "static", kLeftText | kShown | kStartsGroup},
                      {0xFFFF, "static", kBlackFrame | kShown},
                      {104, "static", kCentredText | kShown | kStartsGroup}});
  struct Place {
    const char* text;
    int x, y, cx, cy;
  };
  const Place places[] = {{"&Retry", 98, 81, 50, 16},
                          {"&Abort", 37, 81, 50, 16},
                          {"", 9, 10, 167, 45},
                          {"", 6, 7, 174, 68},
                          {"", 9, 59, 167, 12}};
  ASSERT_EQ(d->items.size(), std::size(places));
  for (std::size_t i = 0; i < std::size(places); ++i) {
    const DialogItem& item = d->items[i];
    SCOPED_TRACE("control " + std::to_string(i));
    EXPECT_EQ(item.text, places[i].text);
    EXPECT_EQ(item.x, places[i].x);
    EXPECT_EQ(item.y, places[i].y);
    EXPECT_EQ(item.cx, places[i].cx);
    EXPECT_EQ(item.cy, places[i].cy);
  }
}

// The player sees the nine level boxes, Install and Cancel, eight picture areas
// and the four labels; the language boxes and the three state holders exist
// only for the program.
TEST_F(BuiltDialogs, MainWindow) {
  std::string why;
  const std::optional<DialogTemplate> d = Dialog(1001, &why);
  ASSERT_TRUE(d) << why;
  EXPECT_EQ(Hex(d->style), "0x80000044") << "popup, set font, 3-D look: no caption, frame, system menu; hidden";
  ExpectPlainHeader(*d);
  ExpectControls(*d, Join({
                         {{0x6A, "button", kAutoCheckBox | kShown | kStartsGroup | kTab}},
                         Range(0x6B, 0x72, "button", kAutoCheckBox | kShown | kTab),
                         {{0x65, "button", kAutoCheckBox | kHidden | kStartsGroup}},
                         Range(0x66, 0x69, "button", kAutoCheckBox | kHidden),
                         {{0x75, "button", kPushButton | kShown | kStartsGroup | kTab},
                          {0x76, "button", kPushButton | kShown | kTab}},
                         Range(0x77, 0x7C, "static", kIcon | kHidden),
                         Range(0x7D, 0x84, "static", kIcon | kShown),
                         {{0x87, "button", kAutoCheckBox | kHidden | kTab},
                          {0x88, "button", kAutoRadio | kHidden | kStartsGroup},
                          {0x89, "button", kAutoRadio | kHidden}},
                         Range(0x8A, 0x8D, "static", kLeftText | kShown | kStartsGroup),
                     }));
  for (const DialogItem& item : d->items) EXPECT_EQ(item.text, "") << "control " << Hex(item.id);
}

TEST_F(BuiltDialogs, PalmSetup) {
  std::string why;
  const std::optional<DialogTemplate> d = Dialog(1002, &why);
  ASSERT_TRUE(d) << why;
  const std::uint32_t popup = 0x80000000, caption = 0x00C00000, sysMenu = 0x00080000;
  const std::uint32_t modalFrame = 0x80, setFont = 0x40, look3d = 0x4;
  EXPECT_EQ(d->style & (popup | caption | sysMenu | modalFrame | setFont | look3d),
            popup | caption | modalFrame | setFont | look3d);
  ExpectPlainHeader(*d);
  const std::uint32_t border = 0x00800000, vscroll = 0x00200000, notifySorted = 0x1 | 0x2;
  ExpectControls(*d, {{0x75, "button", kPushButton | kShown | kStartsGroup | kTab},
                      {0x76, "button", kPushButton | kShown},
                      {0x90, "listbox", notifySorted | border | vscroll | kShown | kStartsGroup | kTab},
                      {0x8E, "button", kGroupBox | kShown},
                      {0x91, "button", kAutoRadio | kShown | kStartsGroup | kTab},
                      {0x92, "button", kAutoRadio | kShown | kTab},
                      {0x8F, "button", kGroupBox | kShown}});
}

// The readers stop at the end of what they are given: every shorter copy of
// the main window's template, and the program cut at any of several points,
// is refused rather than read past its end.
TEST_F(BuiltDialogs, CutShortDataIsRefused) {
  std::string why;
  const std::optional<Bytes> resource = FindPeResource(Exe(), kDialogType, 1001, &why);
  ASSERT_TRUE(resource) << why;
  for (std::size_t length = 0; length < resource->size(); ++length) {
    const Bytes cut(resource->begin(), resource->begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(ParseDialogTemplate(cut, &why)) << length << " bytes";
  }
  const auto found = std::search(Exe().begin(), Exe().end(), resource->begin(), resource->end());
  ASSERT_NE(found, Exe().end());
  const std::size_t lastByte = static_cast<std::size_t>(found - Exe().begin()) + resource->size() - 1;
  for (std::size_t length : {std::size_t{0}, std::size_t{2}, std::size_t{0x40}, std::size_t{0x100}, lastByte}) {
    const Bytes cut(Exe().begin(), Exe().begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(FindPeResource(cut, kDialogType, 1001, &why)) << length << " bytes";
  }
  EXPECT_FALSE(FindPeResource(Exe(), kDialogType, 1003, &why)) << "no such dialog";
  EXPECT_EQ(why, "no resource of this name");
}

}  // namespace
