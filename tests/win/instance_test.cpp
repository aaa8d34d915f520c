#include "shell/instance_win.h"

#include <gtest/gtest.h>

#include "ui/window_record.h"

namespace {

const char kTitle[] = "Vexo Component Installer";

HWND CreateDialogWindow(const char* title, HWND parent = nullptr, DWORD style = WS_POPUP) {
  HWND window = CreateWindowExA(0, "#32770", title, style, 0, 0, 100, 100, parent, nullptr, nullptr, nullptr);
  EXPECT_NE(window, nullptr);
  return window;
}

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM a, LPARAM b) { return DefWindowProcA(w, m, a, b); }

HWND CreateOtherClassWindow(const char* title) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VexoLookalike";
  RegisterClassA(&wc);
  return CreateWindowExA(0, "VexoLookalike", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

struct Instance : ::testing::Test {
  void SetUp() override { ResetWindowTable(); }
};

TEST_F(Instance, OnlyTheExactTitleAndTheDialogClassCount) {
  ASSERT_EQ(FindRunningInstance(kTitle), nullptr);
  HWND lookalike = CreateOtherClassWindow(kTitle);
  HWND otherTitle = CreateDialogWindow("Vexo Component Installer ");
  HWND lowerCase = CreateDialogWindow("vexo component installer");
  EXPECT_EQ(FindRunningInstance(kTitle), nullptr);

  HWND real = CreateDialogWindow(kTitle);
  EXPECT_EQ(FindRunningInstance(kTitle), real);
  for (HWND w : {lookalike, otherTitle, lowerCase, real}) DestroyWindow(w);
}

TEST_F(Instance, TheWalkReachesChildWindows) {
  HWND outer = CreateOtherClassWindow("outer");
  HWND middle = CreateDialogWindow("middle", outer, WS_CHILD);
  HWND inner = CreateDialogWindow(kTitle, middle, WS_CHILD);
  EXPECT_EQ(FindRunningInstance(kTitle), inner);
  DestroyWindow(outer);
  EXPECT_EQ(FindRunningInstance(kTitle), nullptr);
}

bool QuitPosted() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST_F(Instance, QuitRuleQuitsOnlyWhenNoOtherManagedWindowRemains) {
  HWND main = CreateDialogWindow("main");
  HWND setup = CreateDialogWindow("setup");
  AttachWindow(&WindowTable[kMainWindowRecord], main);
  AttachWindow(&WindowTable[kSetupWindowRecord], setup);

  QuitRuleHandler(setup, WM_DESTROY, 0, 0);
  EXPECT_FALSE(QuitPosted()) << "the main window still exists";
  ReleaseWindow(&WindowTable[kSetupWindowRecord]);
  EXPECT_EQ(CurrentWindow, nullptr);

  QuitRuleHandler(main, WM_DESTROY, 0, 0);
  EXPECT_TRUE(QuitPosted()) << "its own record does not count";
  DestroyWindow(main);
  DestroyWindow(setup);
}

TEST_F(Instance, ActivationRestoresAMinimisedWindow) {
  HWND window = CreateDialogWindow(kTitle, nullptr, WS_POPUP | WS_VISIBLE | WS_CAPTION);
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(window));
  ActivationHandler(window, WM_USER, 0x1CDF, 0);
  EXPECT_TRUE(IsIconic(window)) << "another first parameter is ignored";
  ActivationHandler(window, WM_USER, kActivationRequest, 0);
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(GetForegroundWindow(), window);
  DestroyWindow(window);
}

// A first instance that runs elevated holds the mutex with a security
// descriptor a standard user's process may not open: still another instance.
TEST_F(Instance, AMutexThisProcessMayNotOpenIsAnotherInstance) {
  SECURITY_DESCRIPTOR descriptor;
  ACL nobody;
  ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ASSERT_TRUE(InitializeAcl(&nobody, sizeof nobody, ACL_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, &nobody, FALSE));
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
  HANDLE held = CreateMutexA(&attributes, FALSE, "Local\\Zenti Vexo Component Installer");
  ASSERT_NE(held, nullptr);
  ASSERT_EQ(CreateMutexA(nullptr, FALSE, "Local\\Zenti Vexo Component Installer"), nullptr);
  ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << "the state an elevated first instance leaves";
  EXPECT_TRUE(HandOverToRunningInstance());
  CloseHandle(held);
}

}  // namespace
