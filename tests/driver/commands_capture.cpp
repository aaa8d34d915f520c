#include <cstdio>

#include "command_handlers.h"
#include "pixels.h"
#include "script_errors.h"
#include "window_probe.h"

void RunScreenshot(Session& session, const Args& args) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (args.size() > 1) GetWindowRect(session.LiveWindow(args[1]), &area);
  std::optional<Pixels> image = CaptureScreen(area);
  if (!image) throw StepFailure("expected to capture the screen, BitBlt failed");
  char full_path[MAX_PATH];
  DWORD length = GetFullPathNameA(args[0].c_str(), sizeof full_path, full_path, nullptr);
  if (length == 0 || length >= sizeof full_path) throw ScriptError("unusable file name " + args[0]);
  if (!SaveBmp(*image, full_path)) throw StepFailure(std::string("expected to write ") + full_path + ", cannot");
  std::printf("screenshot %s (%dx%d)\n", full_path, image->width, image->height);
}

void RunDump(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  std::printf("%s: %s\n", args[0].c_str(), probe::Describe(window, nullptr).c_str());
  for (HWND child : probe::Descendants(window)) {
    std::printf("  %s\n", probe::Describe(child, window).c_str());
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
    std::printf("  thread focus %s active %s; foreground %s\n", session.WindowLabel(info.hwndFocus).c_str(),
                session.WindowLabel(info.hwndActive).c_str(), session.WindowLabel(GetForegroundWindow()).c_str());
  }
}
