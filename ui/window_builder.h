// Building a window from its template and its ControlDescriptor table: the
// template font, the descriptor rows and the four-slot font cache.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "ui/control_descriptor.h"
#include "ui/window_record.h"

constexpr std::size_t kFontSlots = 4;

struct FontSlot {
  HFONT font;  // 0 while the slot is free
  std::uint32_t style;
  LOGFONTA description;
};

extern FontSlot FontCache[kFontSlots];
extern LOGFONTA TemplateFont;

void CaptureTemplateFont(HWND window);
void ApplyControlDescriptors(HWND window, const ControlDescriptor* table);
// Moves every control row's control that is not already there to the row's
// place shifted by the origin, all in one step.
void PlaceControls(HWND window, const ControlDescriptor* table, int originX, int originY);
// The window has that rectangle, in its parent's client coordinates (screen
// coordinates without a parent).
bool IsPlacedAt(HWND window, HWND parent, int x, int y, int width, int height);
// The cached font for a style byte, made on first use; nullptr without bit 0x80
// or when all four slots hold other styles.
HFONT GetDescriptorFont(std::uint32_t style);

// The whole build after the dialog exists: attach the record, store its tables,
// take the template font, apply the rows, and hang the record on the window.
void BuildWindow(WindowRecord* record, HWND window, const MessageMapRow* messageMap,
                 const CommandMapRow* commandMap, const ControlDescriptor* descriptors);
