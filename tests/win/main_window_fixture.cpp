#include "tests/win/main_window_fixture.h"

#include <cstring>

#include "archive/extract.h"
#include "installer/main_window_rows.h"
#include "installer/palm_setup.h"
#include "installer/selection.h"
#include "palm/palm_database.h"
#include "palm/palm_user.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"
#include "resources/resource_ids.h"
#include "ui/dialog_procs.h"
#include "ui/error_report.h"
#include "ui/window_builder.h"

namespace {

const MessageMapRow kMessages[] = {VEXO_STANDARD_MESSAGE_ROWS};
const CommandMapRow kCommands[] = {{kEndOfCommandMap, nullptr}};

}  // namespace

std::string GameHeader(const std::string& name, const std::string& type, const std::string& creator) {
  std::string h(78, '\0');
  std::memcpy(h.data(), name.data(), name.size());
  h[36] = 0x11;  // creation date
  h[40] = 0x22;  // modification date
  std::memcpy(h.data() + 60, type.data(), 4);
  std::memcpy(h.data() + 64, creator.data(), 4);
  return h;
}

void MainWindowFixture::SetUp() {
  g_instance = GetModuleHandleA(nullptr);
  ResetWindowTable();
  ASSERT_TRUE(LoadMessageTable());
  window = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, DlgProc, 0);
  ASSERT_NE(window, nullptr);
  BuildWindow(&WindowTable[kMainWindowRecord], window, kMessages, kCommands, MainWindowRows);
  CreateDirectoryA(install.c_str(), nullptr);
  std::strcpy(InstallFolder, (install + "\\").c_str());
  DeviceMask = kColourMask;
  std::memset(QueuedFlags, 0, sizeof QueuedFlags);
}

void MainWindowFixture::TearDown() {
  ReleaseArchive();
  EntryCount = 0;
  ResetWindowTable();
  DestroyWindow(window);
}

void MainWindowFixture::LoadArchive(const std::vector<FixtureEntry>& entries) {
  const auto archive = BuildArchive(entries);
  ASSERT_TRUE(WriteWholeFile(folder / "Vexo.qpk", std::string(archive.begin(), archive.end())));
  std::strcpy(ArchiveName, (folder / "Vexo.qpk").c_str());
  TargetFolder[0] = 0;
  ErrorCode code = 0;
  ASSERT_TRUE(Extract(kGameCreatorWord, 0xFFFFFFFF, 0, 0, nullptr, &code));
}

bool MainWindowFixture::Ticked(int checkBox) const {
  return SendDlgItemMessageA(window, checkBox, BM_GETCHECK, 0, 0) != 0;
}

void MainWindowFixture::Tick(int checkBox) const {
  SendDlgItemMessageA(window, checkBox, BM_SETCHECK, BST_CHECKED, 0);
}

std::string MainWindowFixture::SizeText() const {
  char text[64] = {};
  GetDlgItemTextA(window, 0x8B, text, sizeof text);
  return text;
}
