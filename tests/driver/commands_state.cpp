#include <algorithm>
#include <cstdio>

#include "command_handlers.h"
#include "step_args.h"
#include "text_format.h"
#include "window_probe.h"

namespace {

std::string YesNo(bool value) { return value ? "yes" : "no"; }

std::string Subject(const Args& args) {
  return args[1] == "0" ? "window " + args[0] : "control " + args[1] + " of " + args[0];
}

// Polls one property of control `args[1]` of window `args[0]` until it reads `expected`.
void ExpectControl(Session& session, const Args& args, const std::string& property, const std::string& expected,
                   size_t timeout_index, const std::function<std::string(HWND window, HWND control)>& read) {
  HWND window = session.LiveWindow(args[0]);
  LONG_PTR id = ControlIdArg(args[1]);
  ExpectEventually(TimeoutArg(args, timeout_index), property + " of " + Subject(args) + " to be", expected,
                   [&]() -> std::string {
                     if (!IsWindow(window)) return "that the window has been destroyed";
                     HWND control = probe::FindControl(window, id);
                     return control ? read(window, control) : "no control with id " + args[1];
                   });
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
         std::to_string(r.bottom - r.top);
}

}  // namespace

void RunExpectText(Session& session, const Args& args) {
  ExpectControl(session, args, "the text", Quoted(args[2]), 3, [](HWND, HWND control) {
    std::optional<std::string> text = probe::ControlText(control);
    return text ? Quoted(*text) : "no answer to WM_GETTEXT";
  });
}

void RunExpectCheck(Session& session, const Args& args) {
  long long state = IntegerArg(args[2], 0, 2);
  ExpectControl(session, args, "the check state", std::to_string(state), 3, [](HWND, HWND control) {
    std::optional<LRESULT> checked = probe::Query(control, BM_GETCHECK);
    return checked ? std::to_string(*checked) : "no answer to BM_GETCHECK";
  });
}

void RunExpectEnabled(Session& session, const Args& args) {
  ExpectControl(session, args, "enabled", YesNo(YesNoArg(args[2])), 3,
                [](HWND, HWND control) { return YesNo(IsWindowEnabled(control)); });
}

void RunExpectVisible(Session& session, const Args& args) {
  ExpectControl(session, args, "visible", YesNo(YesNoArg(args[2])), 3,
                [](HWND, HWND control) { return YesNo(IsWindowVisible(control)); });
}

// Control ids in rising order, as "0x6A 0x6B ...", or "-" for none.
std::string IdList(std::vector<LONG_PTR> ids) {
  std::sort(ids.begin(), ids.end());
  std::string text;
  for (LONG_PTR id : ids) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%lX", static_cast<unsigned long>(id));
    text += (text.empty() ? "" : " ") + std::string(hex);
  }
  return text.empty() ? "-" : text;
}

// The ids of the children of `window` that a user can see.
std::string VisibleChildIds(HWND window) {
  std::vector<LONG_PTR> ids;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) ids.push_back(GetDlgCtrlID(child));
  }
  return IdList(ids);
}

void RunExpectVisibleControls(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  std::vector<LONG_PTR> wanted;
  if (!(args.size() == 2 && args[1] == "-")) {
    for (size_t i = 1; i < args.size(); ++i) wanted.push_back(ControlIdArg(args[i]));
  }
  ExpectEventually(kDefaultTimeoutMs, "the visible controls of " + args[0] + " to be", IdList(wanted),
                   [&]() -> std::string {
                     if (!IsWindow(window)) return "that the window has been destroyed";
                     return VisibleChildIds(window);
                   });
}

void RunExpectRect(Session& session, const Args& args) {
  RECT wanted{};
  wanted.left = static_cast<LONG>(IntegerArg(args[2], -100000, 100000));
  wanted.top = static_cast<LONG>(IntegerArg(args[3], -100000, 100000));
  wanted.right = wanted.left + static_cast<LONG>(IntegerArg(args[4], 0, 100000));
  wanted.bottom = wanted.top + static_cast<LONG>(IntegerArg(args[5], 0, 100000));
  ExpectControl(session, args, "the rectangle (x y width height)", RectText(wanted), 6,
                [](HWND window, HWND control) {
                  RECT r{};
                  if (control == window)
                    GetWindowRect(window, &r);
                  else
                    r = probe::RectInClient(window, control);
                  return RectText(r);
                });
}

void RunExpectOwner(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  HWND owner = session.WindowOrNone(args[1]);
  ExpectEventually(TimeoutArg(args, 2), "the owner of " + args[0] + " to be", session.WindowLabel(owner),
                   [&] { return session.WindowLabel(GetWindow(window, GW_OWNER)); });
}

void RunExpectIconic(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  ExpectEventually(TimeoutArg(args, 2), args[0] + " to be minimized:", YesNo(YesNoArg(args[1])),
                   [&] { return YesNo(IsIconic(window)); });
}

void RunExpectForeground(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  ExpectEventually(TimeoutArg(args, 1), "the foreground window to be", session.WindowLabel(window),
                   [&] { return session.WindowLabel(GetForegroundWindow()); });
}
