#include "command_handlers.h"
#include "icon_classifier.h"
#include "script_errors.h"
#include "step_args.h"
#include "text_format.h"
#include "window_probe.h"

namespace {

std::string ListWindows(const std::vector<HWND>& windows) {
  if (windows.empty()) return "no visible window";
  std::string text;
  for (HWND w : windows) {
    if (!text.empty()) text += ", ";
    text += Quoted(probe::Caption(w)) + " of class " + Quoted(probe::ClassName(w));
  }
  return text;
}

// Polls for a visible top-level window of `process` that `accept` takes; fails early when the process ends.
HWND AwaitWindow(const TrackedProcess& process, DWORD timeout, const std::string& wanted,
                 const std::function<bool(HWND)>& accept, const std::function<std::string()>& found) {
  HWND match = nullptr;
  bool exited = false;
  PollUntil(timeout, [&] {
    exited = WaitForSingleObject(process.handle.Get(), 0) == WAIT_OBJECT_0;
    for (HWND w : probe::TopLevelWindows(process.pid, true)) {
      if (accept(w)) {
        match = w;
        return true;
      }
    }
    return exited;
  });
  if (match) return match;
  if (exited) {
    DWORD code = 0;
    GetExitCodeProcess(process.handle.Get(), &code);
    throw StepFailure("expected " + wanted + ", found that " + process.name + " exited with code " +
                      std::to_string(code));
  }
  throw StepFailure("expected " + wanted + " within " + std::to_string(timeout) + " ms, found " + found());
}

// Everything the box shows that the script checks, written the way the script writes it.
std::string BoxSummary(const Session& session, const std::string& title, const std::string& text,
                       const std::string& icon, HWND owner) {
  return "caption " + Quoted(title) + " text " + Quoted(text) + " icon " + icon + " owner " +
         session.WindowLabel(owner);
}

std::string ObservedBox(const Session& session, HWND box) {
  std::optional<std::string> text = probe::ControlText(probe::FindControl(box, probe::kMessageBoxTextId));
  IconReading icon = ReadBoxIcon(box);
  return BoxSummary(session, probe::Caption(box), text.value_or("<no answer>"),
                    icon.icon ? BoxIconName(*icon.icon) : icon.detail, GetWindow(box, GW_OWNER));
}

}  // namespace

void RunWaitWindow(Session& session, const Args& args) {
  const TrackedProcess& process = session.Process(args[1]);
  const std::string& title = args[2];
  const std::string& window_class = args[3];
  HWND window = AwaitWindow(
      process, TimeoutArg(args, 4),
      "a visible window " + Quoted(title) + " of class " + Quoted(window_class) + " of " + args[1],
      [&](HWND w) {
        return probe::Caption(w) == title && (window_class == "*" || probe::ClassName(w) == window_class);
      },
      [&] { return ListWindows(probe::TopLevelWindows(process.pid, true)); });
  session.BindWindow(args[0], window);
}

void RunExpectMsgbox(Session& session, const Args& args) {
  const TrackedProcess& process = session.Process(args[1]);
  std::optional<BoxIcon> icon = ParseBoxIcon(args[4]);
  if (!icon) throw ScriptError("expected an icon none, hand, exclamation, question or asterisk, got " + args[4]);
  // "any" takes whatever owner the box has: the owner may be a window the script never saw.
  const bool any_owner = args[5] == "any";
  const HWND owner = any_owner ? nullptr : session.WindowOrNone(args[5]);
  const std::string expected = BoxSummary(session, args[2], args[3], args[4], owner);
  HWND last_box = nullptr;
  HWND box = AwaitWindow(
      process, TimeoutArg(args, 6), "a message box of " + args[1] + " with " + expected,
      [&](HWND w) {
        if (!probe::IsMessageBox(w)) return false;
        last_box = w;
        const HWND wanted = any_owner ? GetWindow(w, GW_OWNER) : owner;
        return ObservedBox(session, w) == BoxSummary(session, args[2], args[3], args[4], wanted);
      },
      [&] {
        return IsWindow(last_box) ? "a message box with " + ObservedBox(session, last_box)
                                  : ListWindows(probe::TopLevelWindows(process.pid, true));
      });
  session.BindWindow(args[0], box);
}

void RunExpectGone(Session& session, const Args& args) {
  HWND window = session.Window(args[0]);
  DWORD timeout = TimeoutArg(args, 1);
  if (!PollUntil(timeout, [&] { return !IsWindow(window); }))
    throw StepFailure("expected window " + args[0] + " to be destroyed within " + std::to_string(timeout) +
                      " ms, it still exists as " + probe::Describe(window, nullptr));
}
