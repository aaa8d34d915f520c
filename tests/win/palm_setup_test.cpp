#include "installer/palm_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "installer/settings.h"
#include "shell/command_line_win.h"
#include "shell/error_report.h"
#include "shell/process_state.h"
#include "ui/window_record.h"

namespace {

constexpr int kOk = 0x75, kCancel = 0x76, kList = 0x90, kColour = 0x91, kMono = 0x92;

HWND FindSetupDialog(DWORD thread) {
  for (int i = 0; i < 2000; ++i) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND w, LPARAM out) -> BOOL {
          char title[64];
          GetWindowTextA(w, title, sizeof title);
          if (IsWindowVisible(w) && lstrcmpA(title, "Palm Setup") == 0) {
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found) return found;
    Sleep(5);
  }
  return nullptr;
}

// Runs `user` on each Palm Setup dialog the calling thread shows, one after the other.
class SetupUser {
 public:
  explicit SetupUser(std::vector<std::function<void(HWND)>> steps) : thread_(GetCurrentThreadId()) {
    worker_ = std::thread([this, steps] {
      for (const auto& step : steps) {
        HWND dialog = FindSetupDialog(thread_);
        if (dialog == nullptr) return;
        step(dialog);
        for (int i = 0; i < 2000 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) Sleep(2);
      }
    });
  }
  ~SetupUser() { worker_.join(); }

 private:
  DWORD thread_;
  std::thread worker_;
};

std::string SelectedModel(HWND dialog) {
  const LRESULT at = SendDlgItemMessageA(dialog, kList, LB_GETCURSEL, 0, 0);
  char text[64] = {};
  SendDlgItemMessageA(dialog, kList, LB_GETTEXT, at, reinterpret_cast<LPARAM>(text));
  return text;
}

void Choose(HWND dialog, const char* model) {
  const LRESULT at = SendDlgItemMessageA(dialog, kList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(model));
  SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, at, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, kList)));
}

bool Checked(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

struct PalmSetup : ::testing::Test {
  ErrorCode code = 0;
  HWND owner = nullptr;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    g_pixelsPerInch = 96;
    ResetWindowTable();
    g_registrySecurity = {sizeof g_registrySecurity, nullptr, FALSE};
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Zenti\\Vexo");
    g_rerunSetupFlag = 0;
    DeviceMask = 0;
    owner = CreateWindowExA(0, "#32770", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    AttachWindow(&WindowTable[kMainWindowRecord], owner);
  }
  void TearDown() override {
    ResetWindowTable();
    DestroyWindow(owner);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Zenti\\Vexo");
  }
  std::string Setting(const char* name) {
    char text[64] = {};
    return ReadSetting(name, text, sizeof text) == 0 ? text : "<none>";
  }
};

TEST_F(PalmSetup, FirstRunAsksAndSavesTheType) {
  std::vector<std::string> models;
  std::string selected, title;
  bool colourChecked = false, radiosDisabled = false, escapeIgnored = false;
  HWND dialogOwner = nullptr;
  {
    SetupUser user({[&](HWND dialog) {
      const LRESULT count = SendDlgItemMessageA(dialog, kList, LB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        char text[64] = {};
        SendDlgItemMessageA(dialog, kList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        models.push_back(text);
      }
      selected = SelectedModel(dialog);
      colourChecked = Checked(dialog, kColour) && !Checked(dialog, kMono);
      radiosDisabled = !Enabled(dialog, kColour) && !Enabled(dialog, kMono);
      dialogOwner = GetWindow(dialog, GW_OWNER);
      SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      escapeIgnored = IsWindowVisible(dialog) != 0;
      PostMessageA(dialog, WM_COMMAND, kOk, 0);
    }});
    ASSERT_TRUE(RunPalmSetup(&code));
  }
  ASSERT_EQ(models.size(), 15u);
  EXPECT_TRUE(std::is_sorted(models.begin(), models.end(),
                             [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; }));
  EXPECT_EQ(models[0], "<Other>");
  EXPECT_EQ(selected, "Palm IIIc");
  EXPECT_TRUE(colourChecked);
  EXPECT_TRUE(radiosDisabled);
  EXPECT_TRUE(escapeIgnored) << "the platform's Cancel command has no row";
  EXPECT_EQ(dialogOwner, owner);
  EXPECT_EQ(DeviceMask, kColourMask);
  EXPECT_EQ(Setting(kPalmTypeSetting), "Colour");
  EXPECT_EQ(Setting(kPalmSetupSetting), "New");
  EXPECT_EQ(CurrentWindow, &WindowTable[kMainWindowRecord]) << "the current window is restored";
  EXPECT_EQ(WindowTable[kSetupWindowRecord].window, nullptr) << "the dialog's record is released";
}

TEST_F(PalmSetup, ModelsSetTheTypeAndOtherLetsTheUserChoose) {
  bool monoAfterM500 = false, enabledAfterOther = false, marksKept = false;
  {
    SetupUser user({[&](HWND dialog) {
      Choose(dialog, "Palm m500");
      monoAfterM500 = Checked(dialog, kMono) && !Checked(dialog, kColour) && !Enabled(dialog, kMono);
      Choose(dialog, "<Other>");
      enabledAfterOther = Enabled(dialog, kColour) && Enabled(dialog, kMono);
      marksKept = Checked(dialog, kMono) && !Checked(dialog, kColour);
      PostMessageA(dialog, WM_COMMAND, kOk, 0);
    }});
    ASSERT_TRUE(RunPalmSetup(&code));
  }
  EXPECT_TRUE(monoAfterM500);
  EXPECT_TRUE(enabledAfterOther);
  EXPECT_TRUE(marksKept);
  EXPECT_EQ(DeviceMask, kMonoMask);
  EXPECT_EQ(Setting(kPalmTypeSetting), "Mono");
}

TEST_F(PalmSetup, ASavedTypeSkipsTheDialogWhateverItsCase) {
  WriteSetting(kPalmTypeSetting, "MONO");
  ASSERT_TRUE(RunPalmSetup(&code));
  EXPECT_EQ(DeviceMask, kMonoMask);
  EXPECT_EQ(Setting(kPalmSetupSetting), "<none>") << "no dialog, no new setup";
  WriteSetting(kPalmTypeSetting, "colour");
  ASSERT_TRUE(RunPalmSetup(&code));
  EXPECT_EQ(DeviceMask, kColourMask);
}

TEST_F(PalmSetup, InstallSwitchAsksAgainAndCancelFails) {
  WriteSetting(kPalmTypeSetting, "Mono");
  g_rerunSetupFlag = 1;
  std::string selected;
  {
    SetupUser user({[&](HWND dialog) {
      selected = SelectedModel(dialog);
      PostMessageA(dialog, WM_COMMAND, kCancel, 0);
    }});
    EXPECT_FALSE(RunPalmSetup(&code));
  }
  EXPECT_EQ(code, 0x20000129u);
  EXPECT_STREQ(MessageText(code), "Application has been 'cancelled'.");
  EXPECT_EQ(selected, "Palm IIIc") << "the dialog opens the same whatever was saved";
  EXPECT_EQ(Setting(kPalmTypeSetting), "Mono");
}

TEST_F(PalmSetup, ClosingTheDialogCancels) {
  {
    SetupUser user({[&](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }});
    EXPECT_FALSE(RunPalmSetup(&code));
  }
  EXPECT_EQ(code, 0x20000129u);
}

TEST_F(PalmSetup, ALongSavedTypeCountsAsNotSet) {
  WriteSetting(kPalmTypeSetting, "Mono            ");  // 16 characters
  char text[16] = "untouched";
  EXPECT_EQ(ReadSetting(kPalmTypeSetting, text, sizeof text), kInsufficientBuffer);
  EXPECT_STREQ(text, "untouched");
  {
    SetupUser user({[&](HWND dialog) { PostMessageA(dialog, WM_COMMAND, kCancel, 0); }});
    EXPECT_FALSE(RunPalmSetup(&code)) << "the dialog was shown";
  }
}

TEST_F(PalmSetup, ADialogThatCannotBeMadeEndsTheStepWithAnError) {
  g_instance = GetModuleHandleA("kernel32.dll");  // no template there
  EXPECT_FALSE(RunPalmSetup(&code));
  EXPECT_NE(code, 0x20000129u) << "not the player's cancel";
  EXPECT_NE(code, 0u) << "something to show";
}

}  // namespace
