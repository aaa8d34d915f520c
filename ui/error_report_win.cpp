#include "ui/error_report.h"

#include "base/message_lookup.h"
#include "base/message_texts.h"
#include "platform/process_state.h"
#include "resources/resource_ids.h"
#include "ui/window_record.h"

namespace {

constexpr UINT kErrorBoxStyle = MB_OK | MB_ICONHAND | MB_SETFOREGROUND;

MessageTableView g_messageTable;

bool SystemText(ErrorCode code, char* buffer, std::size_t size) {
  return FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                        static_cast<DWORD>(size), nullptr) != 0;
}

}  // namespace

bool LoadMessageTable() {
  HRSRC found = FindResourceA(g_instance, MAKEINTRESOURCEA(IDR_MESSAGE_TABLE), RT_RCDATA);
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(g_instance, found);
  if (loaded == nullptr) return false;
  g_messageTable.data = static_cast<const std::uint8_t*>(LockResource(loaded));
  g_messageTable.size = SizeofResource(g_instance, found);
  return g_messageTable.data != nullptr;
}

void LookupMessage(ErrorCode code) {
  LookupMessageInto(MessageSources{g_messageTable, SystemText}, code, MessageBuffer, kMessageBufferSize);
}

const char* MessageText(ErrorCode code) {
  if (const char* builtIn = FindBuiltInMessage(code)) return builtIn;
  LookupMessage(code);
  return MessageBuffer;
}

HWND OwnerWindow() { return CurrentWindow != nullptr ? CurrentWindow->window : nullptr; }

void ShowInErrorBox(const char* text) { MessageBoxA(OwnerWindow(), text, text::kErrorBoxTitle, kErrorBoxStyle); }

void ShowErrorText(const char* text) {
  RecordOutcome(kExitFailed);
  ShowInErrorBox(text);
}

bool ShowError(ErrorCode code) {
  if (code == 0) return false;
  RecordOutcome(code == msg::Cancelled ? kExitCancelled : kExitFailed);
  ShowInErrorBox(MessageText(code));
  return false;
}
