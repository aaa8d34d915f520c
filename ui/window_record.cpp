#include "ui/window_record.h"

WindowRecord WindowTable[kManagedWindowCount + 1];
WindowRecord* CurrentWindow;

void ResetWindowTable() {
  for (std::size_t i = 0; i < kManagedWindowCount; ++i) WindowTable[i] = {};
  WindowTable[kManagedWindowCount] = {};
  WindowTable[kManagedWindowCount].window = EndOfWindowTable();
  CurrentWindow = nullptr;
}

void AttachWindow(WindowRecord* record, HWND window) {
  record->window = window;
  CurrentWindow = record;
}

void ReleaseWindow(WindowRecord* record) {
  if (record->accelerators != nullptr) DestroyAcceleratorTable(record->accelerators);
  if (CurrentWindow == record) CurrentWindow = nullptr;
  *record = {};
}

WindowRecord* FindWindowRecord(HWND window) {
  for (WindowRecord* record = WindowTable; !IsEndOfWindowTable(*record); ++record) {
    if (record->window != nullptr && record->window == window) return record;
  }
  return nullptr;
}
