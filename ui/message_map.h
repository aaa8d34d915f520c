// MessageMap and CommandMap rows: how a window's messages and commands reach
// their handlers. The two formats put their fields in opposite order; each ends
// with a row holding -1 in its first field, and the first matching row wins.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/message_handler.h"
#include "ui/window_rules.h"

struct MessageMapRow {
  MessageHandler handler;
  UINT message;
};

struct CommandMapRow {
  std::uint32_t command;  // notification code << 16 | control id
  MessageHandler handler;
};

inline const MessageHandler kEndOfMessageMap = reinterpret_cast<MessageHandler>(static_cast<INT_PTR>(-1));
constexpr std::uint32_t kEndOfCommandMap = 0xFFFFFFFF;

INT_PTR RouteCommand(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR ColourControl(HWND window, UINT message, WPARAM first, LPARAM second);

// Scans a message map; returns false when no row handles the message.
bool DispatchMessageMap(const MessageMapRow* map, HWND window, UINT message, WPARAM first, LPARAM second,
                        INT_PTR* result);
// Scans a command map for the whole first parameter; false when no row matches.
bool DispatchCommandMap(const CommandMapRow* map, HWND window, UINT message, WPARAM first, LPARAM second,
                        INT_PTR* result);

// The rows every managed window's message map ends with.
#define VEXO_STANDARD_MESSAGE_ROWS                                                        \
  {RouteCommand, WM_COMMAND}, {QuitRuleHandler, WM_DESTROY}, {ActivationHandler, WM_USER}, \
      {ColourControl, WM_CTLCOLORBTN}, {ColourControl, WM_CTLCOLORSTATIC},                 \
      {ColourControl, WM_CTLCOLORSCROLLBAR}, {ColourControl, WM_CTLCOLORDLG},              \
      {ColourControl, WM_CTLCOLORLISTBOX}, {ColourControl, WM_CTLCOLOREDIT},               \
      {ColourControl, WM_CTLCOLORMSGBOX}, {                                                \
    kEndOfMessageMap, 0                                                                    \
  }
