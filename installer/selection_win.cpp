#include "installer/selection.h"

#include <cstring>

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
#include "shell/message_texts.h"
#include "shell/number_format.h"
#include "shell/text_builder.h"
#include "ui/backdrop.h"
#include "ui/control_descriptor.h"
#include "ui/window_record.h"

const PictureLink PictureMap[15] = {
    {0x77, 0x65}, {0x78, 0x66}, {0x79, 0x67}, {0x7A, 0x68}, {0x7B, 0x69}, {0x7C, 0x6A}, {0x7D, 0x6B}, {0x7E, 0x6C},
    {0x7F, 0x6D}, {0x80, 0x6E}, {0x81, 0x6F}, {0x82, 0x70}, {0x83, 0x71}, {0x84, 0x72}, {0, 0},
};
std::uint8_t QueuedFlags[kMaxArchiveEntries];
std::uint32_t SelectedSize;

namespace {

constexpr int kSizeLabel = 0x8B;

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
// through that one handle, so the file checked is the file deleted.
void CheckInstalledFile(const char* name, const wchar_t (&folder)[kFinalPathSize], bool checkSelection) {
  char path[kPathSize];
  CopyText(path, sizeof path, InstallFolder);
  if (!JoinPath(path, name)) return;
  std::uint32_t size;
  ErrorCode code;
  if (!FileOpen(path, ModeCheck, &ReaderSlot, &size, &code)) return;
  std::uint8_t header[kGameHeaderSize];
  if (IsFileNamedIn(ReaderSlot, folder, name) && ReadGameHeader(size, header) &&
      !Belongs(header, size, checkSelection) && ReaderSlot != nullptr) {
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
  Tick(0x65);
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
  SetDlgItemTextA(MainWindow(), kSizeLabel, label);
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
      UpdateDataSize(window, message, first, second);
      return 1;
    }
    return 1;
  }
  return 1;
}
