#include "installer/install_command.h"

#include <cstring>

#include "archive/extract.h"
#include "base/message_texts.h"
#include "base/text_builder.h"
#include "installer/install_rules.h"
#include "installer/main_window.h"
#include "installer/palm_setup.h"
#include "installer/selection.h"
#include "installer/settings.h"
#include "palm/palm_user.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"
#include "ui/error_report.h"

namespace {

constexpr UINT kWarningStyle = MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND;
constexpr UINT kClosingStyle = MB_OK | MB_SETFOREGROUND;

void WriteTickedComponents() {
  TickedBoxes boxes;
  for (std::uint32_t i = 0; i < EntryCount; ++i) {
    if (QueuedFlags[i] == kQueued) continue;
    const ArchiveEntry& entry = ArchiveDirectory[i];
    std::size_t index;
    const ComponentRow* row = InstallRow(entry, DeviceMask, &index);
    if (row == nullptr || !boxes.IsTicked(row->checkBox)) continue;
    char name[kComponentFileNameSize];
    ComponentFileName(entry, index, name);
    char path[kPathSize];
    CopyText(path, sizeof path, InstallFolder);
    ErrorCode code = 0;
    if (!JoinPath(path, name)) {
      ShowError(ERROR_FILENAME_EXCED_RANGE);
      continue;
    }
    if (!WriteEntryFile(&entry, path, &code)) ShowError(code);
  }
}

}  // namespace

INT_PTR InstallCommand(HWND window, UINT message, WPARAM first, LPARAM second) {
  std::memset(QueuedFlags, 0, sizeof QueuedFlags);
  ScanInstallFolder(true);
  // A file that several entries write is flushed and moved into place once.
  FileWriteBatchBegin();
  WriteTickedComponents();
  FileWriteBatchCommit(ShowError);
  ErrorCode code = 0;
  if (!SetInstallFlag(1, &code)) {
    RecordOutcome(kExitFailed);
    MessageBoxA(OwnerWindow(), text::kHotSyncUpdateFailed, text::kErrorBoxTitle, kWarningStyle);
  }
  WriteSetting(kPalmSetupSetting, text::kSetupDone);
  MessageBoxA(nullptr, SelectedSize != 0 ? text::kInstallQueued : text::kNothingToInstall, text::kErrorBoxTitle,
              kClosingStyle);
  return CloseMainWindow(window, message, first, second);
}
