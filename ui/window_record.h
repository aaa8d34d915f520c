// The windows the framework manages: one record each (main window, Palm Setup
// dialog) in the WindowTable, which ends with a record whose window is -1.
#pragma once

#include <windows.h>

#include <cstddef>

struct MessageMapRow;
struct CommandMapRow;
struct ControlDescriptor;

struct WindowRecord {
  HWND window;  // 0 while the record is free
  HACCEL accelerators;
  const MessageMapRow* messageMap;
  const CommandMapRow* commandMap;
  const ControlDescriptor* descriptors;
};

constexpr std::size_t kMainWindowRecord = 0;
constexpr std::size_t kSetupWindowRecord = 1;
constexpr std::size_t kManagedWindowCount = 2;

extern WindowRecord WindowTable[kManagedWindowCount + 1];
// The window in front: it owns every message box and lends the main loop its
// accelerators.
extern WindowRecord* CurrentWindow;

inline HWND EndOfWindowTable() { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)); }
inline bool IsEndOfWindowTable(const WindowRecord& record) { return record.window == EndOfWindowTable(); }

// Clears both records and writes the end marker.
void ResetWindowTable();
void AttachWindow(WindowRecord* record, HWND window);
void ReleaseWindow(WindowRecord* record);
// The record whose window is `window`, or nullptr.
WindowRecord* FindWindowRecord(HWND window);
