#include "installer/selection.h"

#include <cstring>

#include "installer/choice_marks.h"
#include "installer/component_table.h"
#include "installer/install_rules.h"
#include "installer/palm_setup.h"
#include "installer/settings.h"
#include "archive/extract.h"
#include "palm/palm_database.h"
#include "palm/palm_user.h"
#include "platform/ansi_names.h"
#include "platform/file_identity.h"
#include "platform/file_layer.h"
#include "resources/resource_ids.h"
#include "shell/message_texts.h"
#include "shell/number_format.h"
#include "shell/text_builder.h"
#include "ui/backdrop.h"
#include "ui/control_descriptor.h"
#include "ui/window_record.h"

const PictureLink PictureMap[15] = {
    {IDC_LANGUAGE_PICTURE_UK, IDC_LANGUAGE_UK},
    {IDC_LANGUAGE_PICTURE_FR, IDC_LANGUAGE_FR},
    {IDC_LANGUAGE_PICTURE_GE, IDC_LANGUAGE_GE},
    {IDC_LANGUAGE_PICTURE_IT, IDC_LANGUAGE_IT},
    {IDC_LANGUAGE_PICTURE_SP, IDC_LANGUAGE_SP},
    {IDC_LEVEL_PICTURE_1, IDC_LEVEL_1},
    {IDC_LEVEL_PICTURE_2, IDC_LEVEL_2},
    {IDC_LEVEL_PICTURE_3, IDC_LEVEL_3},
    {IDC_LEVEL_PICTURE_4, IDC_LEVEL_4},
    {IDC_LEVEL_PICTURE_5, IDC_LEVEL_5},
    {IDC_LEVEL_PICTURE_6, IDC_LEVEL_6},
    {IDC_LEVEL_PICTURE_7, IDC_LEVEL_7},
    {IDC_LEVEL_PICTURE_8, IDC_LEVEL_8},
    {IDC_LEVEL_PICTURE_9, IDC_LEVEL_9},
    {0, 0},
};
std::uint8_t QueuedFlags[kMaxArchiveEntries];
std::uint32_t SelectedSize;

namespace {


HWND MainWindow() { return WindowTable[kMainWindowRecord].window; }

void Tick(std::uint8_t checkBox) { SendDlgItemMessageA(MainWindow(), checkBox, BM_SETCHECK, BST_CHECKED, 0); }

// Reads the first bytes of the file open in the reader slot and tells whether
// it is one of this game's databases; anything that cannot be read is left alone.
bool ReadGameHeader(std::uint32_t size, std::uint8_t (&header)[kGameHeaderSize]) {
  ErrorCode code;
  std::uint32_t read = 0, unread = 0;
  const bool game = MayBeGameFile(size) && FileFillBuffer(kGameHeaderSize, 0, &read, &unread, &code) &&
                    read == kGameHeaderSize && IsGameFile(size, IoBuffer, read);
  if (game) std::memcpy(header, IoBuffer, kGameHeaderSize);
  return game;
}

// Whether a file of this game may stay: its entry, row, device and box fit, it
// holds as many bytes as its entry, and no other file already stands for the entry.
bool Belongs(const std::uint8_t* header, std::uint32_t size, bool checkSelection) {
  const ComponentRow* row = nullptr;
  const int entry = FoundFileEntry(header, ArchiveDirectory, EntryCount, DeviceMask, &row);
  if (entry < 0) return false;
  if (checkSelection && !IsTicked(row->checkBox)) return false;
  if (QueuedFlags[entry] == kQueued) return false;
  if (size != ArchiveDirectory[entry].dataSize) {
    if (!checkSelection) QueuedFlags[entry] = kCutShort;
    return false;
  }
  QueuedFlags[entry] = kQueued;
  return true;
}

// Opens the file once, without following a link, and decides and deletes
// through that one handle, so the file checked is the file deleted. What an
// earlier, killed run left half way is removed, never counted.
void CheckInstalledFile(const char* name, const wchar_t (&folder)[kFinalPathSize], bool checkSelection) {
  char path[kPathSize];
  CopyText(path, sizeof path, InstallFolder);
  if (!JoinPath(path, name)) return;
  std::uint32_t size;
  ErrorCode code;
  if (!FileOpen(path, ModeCheck, &ReaderSlot, &size, &code)) return;
  std::uint8_t header[kGameHeaderSize];
  if (IsFileNamedIn(ReaderSlot, folder, name) &&
      (IsWriteLeftover(name) || (ReadGameHeader(size, header) && !Belongs(header, size, checkSelection)))) {
    DeleteOpenedFile(ReaderSlot);
  }
  FileCloseReader();
}

}  // namespace

bool IsTicked(std::uint8_t checkBox) {
  return SendDlgItemMessageA(MainWindow(), checkBox, BM_GETCHECK, 0, 0) != 0;
}

bool TickedBoxes::IsTicked(std::uint8_t checkBox) {
  if (state_[checkBox] == kNotRead) state_[checkBox] = ::IsTicked(checkBox) ? kTicked : kClear;
  return state_[checkBox] == kTicked;
}

void ScanInstallFolder(bool checkSelection) {
  wchar_t folder[kFinalPathSize];
  wchar_t pattern[kPathSize];
  char text[kPathSize];
  CopyText(text, sizeof text, InstallFolder);
  if (!JoinPath(text, "*") || !WidePathOf(text, pattern, kPathSize) || !FinalFolderPath(InstallFolder, folder)) return;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    char name[kPathSize];
    if (!ExactAnsiName(found.cFileName, name, sizeof name) || EndsInDotOrBlank(name)) continue;
    CheckInstalledFile(name, folder, checkSelection);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void ApplyInitialSelection() {
  for (std::uint32_t i = 0; i < EntryCount; ++i) {
    if (QueuedFlags[i] == kNotQueued) continue;
    std::size_t index;
    if (const ComponentRow* row = FindComponentRow(ArchiveDirectory[i].type, ArchiveDirectory[i].name,
                                                   kEntryNameSize, &index)) {
      Tick(row->checkBox);
    }
  }
  char setup[16] = {};
  ReadSetting(kPalmSetupSetting, setup, sizeof setup);
  if (lstrcmpiA(setup, text::kNewSetup) != 0) return;
  Tick(IDC_LANGUAGE_UK);
  Tick(kCommonDataBox);
  Tick(DeviceMask == kColourMask ? kColourApplicationBox : kMonoApplicationBox);
}

INT_PTR UpdateDataSize(HWND, UINT, WPARAM, LPARAM) {
  SelectedSize = 0;
  TickedBoxes boxes;
  for (std::uint32_t i = 0; i < EntryCount; ++i) {
    std::size_t index;
    const ComponentRow* row = InstallRow(ArchiveDirectory[i], DeviceMask, &index);
    if (row != nullptr && boxes.IsTicked(row->checkBox)) {
      SelectedSize += ArchiveDirectory[i].dataSize;
    }
  }
  char number[kDecimalTextSize];
  FormatUnsignedDecimal(SelectedSize, kDecimalGrouping, number, sizeof number);
  char label[kDecimalTextSize + 16];
  TextBuilder(label, sizeof label).Append(number).Append(text::kBytesSuffix);
  SetDlgItemTextA(MainWindow(), IDC_DATA_SIZE, label);
  return 1;
}

INT_PTR ClickPicture(HWND window, UINT message, WPARAM first, LPARAM second) {
  const int x = static_cast<int>(LOWORD(second)) - BackdropOrigin.x - 1;
  const int y = static_cast<int>(HIWORD(second)) - BackdropOrigin.y - 1;
  const ControlDescriptor* rows = WindowTable[kMainWindowRecord].descriptors;
  if (rows == nullptr) return 1;
  for (const ControlDescriptor* row = rows; row->id != kEndOfDescriptors; ++row) {
    if (row->kind != kPictureArea) continue;
    if (x - row->x < 0 || x - row->x >= row->width || y - row->y < 0 || y - row->y >= row->height) continue;
    for (const PictureLink* link = PictureMap; link->picture != 0; ++link) {
      if (link->picture != static_cast<std::uint32_t>(row->id)) continue;
      const LRESULT state = SendDlgItemMessageA(window, static_cast<int>(link->checkBox), BM_GETCHECK, 0, 0);
      SendDlgItemMessageA(window, static_cast<int>(link->checkBox), BM_SETCHECK, state ^ 1, 0);
      RepaintChoiceMark(window, link->checkBox);
      UpdateDataSize(window, message, first, second);
      return 1;
    }
    return 1;
  }
  return 1;
}
