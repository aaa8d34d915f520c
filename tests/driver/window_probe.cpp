#include "window_probe.h"

#include <cstdio>

#include "text_format.h"

namespace probe {

namespace {

struct TopLevelSearch {
  DWORD pid;
  bool visible_only;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopLevelSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && (!search->visible_only || IsWindowVisible(window))) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::string RectText(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return text;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid, bool visible_only) {
  TopLevelSearch search{pid, visible_only, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ClassName(HWND window) {
  char name[256];
  int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Caption(HWND window) {
  std::vector<char> text(65536);
  int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

std::optional<LRESULT> Query(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT timeout_ms) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, timeout_ms, &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

std::optional<std::string> ControlText(HWND control) {
  std::optional<LRESULT> length = Query(control, WM_GETTEXTLENGTH);
  if (!length) return std::nullopt;
  // The length is counted in the control's own character set; leave room for a wider ANSI form.
  std::vector<char> text(static_cast<size_t>(*length) * 2 + 16);
  std::optional<LRESULT> copied = Query(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (!copied || *copied < 0 || static_cast<size_t>(*copied) >= text.size()) return std::nullopt;
  return std::string(text.data(), static_cast<size_t>(*copied));
}

LONG_PTR ControlId(HWND control) { return GetWindowLongPtrA(control, GWLP_ID); }

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindControl(HWND parent, LONG_PTR id) {
  if (id == 0) return parent;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ControlId(child) == id) return child;
  }
  for (HWND child : Descendants(parent)) {
    if (ControlId(child) == id) return child;
  }
  return nullptr;
}

RECT RectInClient(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool IsMessageBox(HWND window) {
  if (ClassName(window) != "#32770") return false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ControlId(child) == kMessageBoxTextId && ClassName(child) == "Static") return true;
  }
  return false;
}

HWND FindIconControl(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if (ClassName(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON) return child;
  }
  return nullptr;
}

std::string HandleText(HWND window) { return Hex(reinterpret_cast<UINT_PTR>(window)); }

std::string Describe(HWND window, HWND relative_to) {
  RECT r{};
  std::string text;
  if (relative_to) {
    r = RectInClient(relative_to, window);
    text = ControlText(window).value_or("<no answer>");
  } else {
    GetWindowRect(window, &r);
    text = Caption(window);
  }
  return "id " + Hex(static_cast<UINT_PTR>(ControlId(window))) + " hwnd " + HandleText(window) + " class " +
         Quoted(ClassName(window)) + " text " + Quoted(text) + " visible " +
         (IsWindowVisible(window) ? "yes" : "no") + " enabled " + (IsWindowEnabled(window) ? "yes" : "no") +
         " rect " + RectText(r);
}

}  // namespace probe
