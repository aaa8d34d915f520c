#include <cctype>

#include "command_handlers.h"
#include "script_errors.h"
#include "step_args.h"
#include "window_probe.h"

namespace {

void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!PostMessageA(window, message, wparam, lparam))
    throw StepFailure("expected to post a message to " + probe::HandleText(window) +
                      ", PostMessage failed with error " + std::to_string(GetLastError()));
}

// Lets the target take in what was just posted, so the next step sees its effect (a moved focus, for one).
// A thread answers sent messages before it takes posted ones, so a single round trip could come back
// first; a pause between round trips gives it the turn to fetch the posted ones. The input may well end
// the target, and then no answer comes, so each round trip waits only briefly.
void Settle(HWND window) {
  for (int round = 0; round < 3; ++round) {
    if (!IsWindow(window) || !probe::Query(window, WM_NULL, 0, 0, 100)) return;
    Sleep(5);
  }
}

UINT VirtualKeyArg(const std::string& name) {
  struct Named {
    const char* name;
    UINT key;
  };
  static const Named named[] = {{"ESCAPE", VK_ESCAPE}, {"RETURN", VK_RETURN}, {"TAB", VK_TAB}, {"SPACE", VK_SPACE}};
  for (const Named& n : named) {
    if (name == n.name) return n.key;
  }
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<UINT>(std::toupper(static_cast<unsigned char>(name[0])));
  return static_cast<UINT>(IntegerArg(name, 1, 254));
}

// The window a real key stroke would reach: the keyboard focus of the thread that owns `window`.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) return info.hwndFocus;
  return window;
}

}  // namespace

void RunPress(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  LONG_PTR id = ControlIdArg(args[1]);
  HWND button = nullptr;
  // A user can only press a button that is there, visible and enabled; give it time to become so.
  bool ready = PollUntil(kDefaultTimeoutMs, [&] {
    button = probe::FindControl(window, id);
    return button && IsWindowVisible(button) && IsWindowEnabled(button);
  });
  if (!ready) {
    std::string state = !button ? "no such control" : !IsWindowVisible(button) ? "it is hidden" : "it is disabled";
    throw StepFailure("expected control " + args[1] + " of " + args[0] + " to be pressable, found " + state);
  }
  Post(button, BM_CLICK, 0, 0);
  Settle(button);
}

void RunCommand(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  Post(window, WM_COMMAND, static_cast<WPARAM>(ControlIdArg(args[1])), 0);
  Settle(window);
}

void RunPostMessage(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  const UINT message = static_cast<UINT>(IntegerArg(args[1], 0, 0xFFFF));
  Post(window, message, static_cast<WPARAM>(IntegerArg(args[2], 0, 0xFFFFFFFFLL)),
       static_cast<LPARAM>(IntegerArg(args[3], 0, 0xFFFFFFFFLL)));
  Settle(window);
}

void RunClick(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  int x = static_cast<int>(IntegerArg(args[1], -32768, 32767));
  int y = static_cast<int>(IntegerArg(args[2], -32768, 32767));
  LPARAM where = MAKELPARAM(x, y);
  Post(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  Post(window, WM_LBUTTONUP, 0, where);
  Settle(window);
}

void RunKey(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  UINT key = VirtualKeyArg(args[1]);
  bool alt = args.size() > 2;
  if (alt && args[2] != "alt") throw ScriptError("expected alt, got " + args[2]);
  // Repeat count 1, scan code, context (Alt held) bit 29; a release adds previous-state and transition bits.
  UINT_PTR stroke = 1 | (static_cast<UINT_PTR>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC) & 0xFF) << 16);
  if (alt) stroke |= 1u << 29;
  const UINT_PTR release = stroke | 0xC0000000u;
  HWND target = FocusOf(window);
  Post(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, static_cast<LPARAM>(stroke));
  Post(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(release));
  Settle(target);
}

void RunClose(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  Post(window, WM_CLOSE, 0, 0);
  Settle(window);
}

void RunMinimize(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  // The asynchronous form, so that a target that stopped answering cannot block the driver.
  ShowWindowAsync(window, SW_MINIMIZE);
  Settle(window);
}
