// The exported dialog procedures and the map scans behind them.
#include "ui/dialog_procs.h"

#include <prsht.h>

#include "platform/process_state.h"
#include "ui/window_record.h"

namespace {

// Property pages the program could show: template, initialisation handler,
// flags. The program shows none, so the table holds only its end row.
struct PropertyPageRow {
  std::uint32_t dialogTemplate;
  MessageHandler initialise;
  std::uint32_t flags;
};
const PropertyPageRow kPropertyPages[] = {{0, nullptr, 0}};
constexpr std::size_t kPropertyPageCount = sizeof kPropertyPages / sizeof kPropertyPages[0] - 1;

MessageHandler g_pendingInitialiser;

INT_PTR DispatchToRecord(HWND window, UINT message, WPARAM first, LPARAM second) {
  const WindowRecord* record = FindWindowRecord(window);
  INT_PTR result = 0;
  if (record != nullptr && record->messageMap != nullptr) {
    DispatchMessageMap(record->messageMap, window, message, first, second, &result);
  }
  return result;
}

}  // namespace

bool DispatchMessageMap(const MessageMapRow* map, HWND window, UINT message, WPARAM first, LPARAM second,
                        INT_PTR* result) {
  for (const MessageMapRow* row = map; row->handler != kEndOfMessageMap; ++row) {
    if (row->message == message) {
      *result = row->handler(window, message, first, second);
      return true;
    }
  }
  return false;
}

bool DispatchCommandMap(const CommandMapRow* map, HWND window, UINT message, WPARAM first, LPARAM second,
                        INT_PTR* result) {
  for (const CommandMapRow* row = map; row->command != kEndOfCommandMap; ++row) {
    if (static_cast<WPARAM>(row->command) == first) {
      *result = row->handler(window, message, first, second);
      return true;
    }
  }
  return false;
}

const WindowRecord* AttachedRecord(HWND window) {
  return reinterpret_cast<const WindowRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

INT_PTR RouteCommand(HWND window, UINT message, WPARAM first, LPARAM second) {
  const WindowRecord* record = AttachedRecord(window);
  INT_PTR result = 0;
  if (record != nullptr && record->commandMap != nullptr) {
    DispatchCommandMap(record->commandMap, window, message, first, second, &result);
  }
  return result;
}

extern "C" INT_PTR CALLBACK DlgProc(HWND window, UINT message, WPARAM first, LPARAM second) {
  return DispatchToRecord(window, message, first, second);
}

INT_PTR RunModalDialog(int templateId, HWND owner, MessageHandler initialise) {
  g_pendingInitialiser = initialise;
  const INT_PTR answer = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(templateId), owner, ModalDlgProc,
                                         reinterpret_cast<LPARAM>(initialise));
  g_pendingInitialiser = nullptr;
  return answer;
}

extern "C" INT_PTR CALLBACK ModalDlgProc(HWND window, UINT message, WPARAM first, LPARAM second) {
  if (message == WM_INITDIALOG) {
    const MessageHandler initialise = reinterpret_cast<MessageHandler>(second);
    if (initialise == nullptr || initialise != g_pendingInitialiser) return 0;
    g_pendingInitialiser = nullptr;
    return initialise(window, message, first, second);
  }
  return DispatchToRecord(window, message, first, second);
}

extern "C" INT_PTR CALLBACK PropertySheetProc(HWND window, UINT message, WPARAM first, LPARAM second) {
  if (message == WM_INITDIALOG) {
    const PROPSHEETPAGEA* page = reinterpret_cast<const PROPSHEETPAGEA*>(second);
    if (page == nullptr || page->lParam < 0 || static_cast<std::size_t>(page->lParam) >= kPropertyPageCount) return 0;
    MessageHandler initialise = kPropertyPages[page->lParam].initialise;
    return initialise != nullptr ? initialise(window, message, first, second) : 0;
  }
  return DispatchToRecord(window, message, first, second);
}
