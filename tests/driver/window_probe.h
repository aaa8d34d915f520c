#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Reads the state of windows that belong to other processes, without ever blocking for long.
namespace probe {

// Top-level windows of process `pid`, in Z order.
std::vector<HWND> TopLevelWindows(DWORD pid, bool visible_only);

std::string ClassName(HWND window);

// The caption as the window manager stores it: answers even while the owning thread is busy.
std::string Caption(HWND window);

// The text the control itself reports through WM_GETTEXT (edit controls keep theirs privately).
std::optional<std::string> ControlText(HWND control);

// SendMessageTimeout that gives up when the owning thread does not answer in time. Under Wine a pending
// message is not cancelled when the owning process ends, so the wait then always lasts `timeout_ms`.
constexpr UINT kAnswerTimeoutMs = 2000;
std::optional<LRESULT> Query(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0,
                             UINT timeout_ms = kAnswerTimeoutMs);

LONG_PTR ControlId(HWND control);

// The descendant of `parent` with id `id`, direct children first; `parent` itself for id 0.
HWND FindControl(HWND parent, LONG_PTR id);

std::vector<HWND> Descendants(HWND parent);

// `child`'s rectangle in `parent`'s client coordinates.
RECT RectInClient(HWND parent, HWND child);

// Wine's MessageBox is a "#32770" dialog that puts its text into a static control with id 0xFFFF.
constexpr LONG_PTR kMessageBoxTextId = 0xFFFF;
bool IsMessageBox(HWND window);

// The static control with SS_ICON style among the children of `box`, if any.
HWND FindIconControl(HWND box);

// One line with id, class, text, visibility and rectangle, for logs.
std::string Describe(HWND window, HWND relative_to);

std::string HandleText(HWND window);

}  // namespace probe
