// Control colouring from the descriptor rows: text colour, background and the
// brush the control is painted with.
#include "ui/brush_cache.h"
#include "ui/control_descriptor.h"
#include "ui/dialog_procs.h"

namespace {

HBRUSH CachedBrush(COLORREF colour) {
  for (BrushSlot& slot : BrushCache) {
    if (slot.colour == colour) return slot.brush;
  }
  for (BrushSlot& slot : BrushCache) {
    if (slot.colour != kFreeBrushSlot) continue;
    slot.colour = colour;
    slot.brush = CreateSolidBrush(colour);
    return slot.brush;
  }
  return nullptr;
}

// The first row whose control is `control`. Every control asks this each time
// it paints, so the control's own id is read once and only a row with that id
// costs a GetDlgItem (which walks the window's children).
const ControlDescriptor* FindControlRow(HWND window, HWND control, const ControlDescriptor* table) {
  const LONG_PTR id = GetWindowLongPtrA(control, GWLP_ID);
  for (const ControlDescriptor* row = table; row->id != kEndOfDescriptors; ++row) {
    if (row->id == 0 || static_cast<LONG_PTR>(row->id) != id) continue;
    return GetDlgItem(window, row->id) == control ? row : nullptr;
  }
  return nullptr;
}

INT_PTR Transparent(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

}  // namespace

INT_PTR ColourControl(HWND window, UINT, WPARAM first, LPARAM second) {
  const WindowRecord* record = AttachedRecord(window);
  if (record == nullptr || record->descriptors == nullptr) return 0;
  const ControlDescriptor* row = FindControlRow(window, reinterpret_cast<HWND>(second), record->descriptors);
  if (row == nullptr) return 0;

  HDC dc = reinterpret_cast<HDC>(first);
  if (row->textColour != kDefaultColour) SetTextColor(dc, ColourReference(row->textColour));

  if (row->background == kDefaultColour) {
    if (row->textColour == kDefaultColour) return 0;
    if (row->kind == kTextLabel) return Transparent(dc);
    COLORREF current = GetBkColor(dc);
    SetBkColor(dc, current);
    return reinterpret_cast<INT_PTR>(CachedBrush(current));
  }
  if (row->background == kTransparentColour) return Transparent(dc);
  if (IsGreyLevel(row->background)) {
    SetBkColor(dc, ColourReference(row->background));
    return reinterpret_cast<INT_PTR>(GetStockObject(static_cast<int>(row->background)));
  }
  if (IsExplicitColour(row->background)) {
    SetBkColor(dc, ColourReference(row->background));
    return reinterpret_cast<INT_PTR>(CachedBrush(ColourReference(row->background)));
  }
  return 0;
}
