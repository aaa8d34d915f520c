// The selection: check boxes of the main window, the files of this game already
// waiting in the Install folder, and the total size of what is ticked.
#pragma once

#include <windows.h>

#include <cstdint>

#include "archive/archive_format.h"

struct PictureLink {
  std::uint32_t picture;  // 0 ends the map
  std::uint32_t checkBox;
};

extern const PictureLink PictureMap[15];
// One per archive entry: whether a file for it already lies in the Install folder.
extern std::uint8_t QueuedFlags[kMaxArchiveEntries];
enum : std::uint8_t {
  kNotQueued = 0,
  kQueued = 1,
  // Its file was there with another size than the entry's (cut short by an
  // earlier copy) and the start-up scan deleted it: still the user's choice, so
  // its box is ticked, and Install writes it whole.
  kCutShort = 2,
};
extern std::uint32_t SelectedSize;

// Deletes this game's files that no longer belong in the Install folder (and,
// when asked, those whose box is clear), and those whose size is not their
// entry's (cut short by an earlier copy), and marks the rest as queued.
void ScanInstallFolder(bool checkSelection);
void ApplyInitialSelection();
INT_PTR UpdateDataSize(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR ClickPicture(HWND window, UINT message, WPARAM first, LPARAM second);
bool IsTicked(std::uint8_t checkBox);

// Check box states, each read from its control at most once. A size update or an
// install asks for a box once per archive entry, up to a thousand times, and every
// read is a message to the control; the boxes do not change in between.
class TickedBoxes {
 public:
  bool IsTicked(std::uint8_t checkBox);

 private:
  enum : std::uint8_t { kNotRead, kClear, kTicked };
  std::uint8_t state_[256] = {};
};
