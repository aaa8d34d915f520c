#include "ui/window_builder.h"

#include "platform/process_state.h"

FontSlot FontCache[kFontSlots];
LOGFONTA TemplateFont;

namespace {

// A window's direct children by control id, from one walk: every GetDlgItem
// walks all the children again, 37 times for one table. Ids from 1024 up are
// looked up with GetDlgItem.
class ControlIndex {
 public:
  explicit ControlIndex(HWND window) : window_(window) { EnumChildWindows(window, Add, reinterpret_cast<LPARAM>(this)); }

  // What GetDlgItem gives: the first child in z-order with that id.
  HWND Find(int id) const {
    return id >= 0 && id < kIds ? byId_[id] : GetDlgItem(window_, id);
  }

 private:
  static constexpr int kIds = 1024;

  static BOOL CALLBACK Add(HWND child, LPARAM self) {
    ControlIndex* index = reinterpret_cast<ControlIndex*>(self);
    const LONG_PTR id = GetWindowLongPtrA(child, GWLP_ID);
    if (id >= 0 && id < kIds && index->byId_[id] == nullptr && GetParent(child) == index->window_) {
      index->byId_[id] = child;
    }
    return TRUE;
  }

  HWND window_;
  HWND byId_[kIds] = {};
};

// Moves every control that is not where its row puts it: all in one deferred
// batch, so that they move together instead of one round of position messages
// and repainting each, or one by one without a batch. False when the batch failed.
// Controls of a hidden window need no repainting and no notice before they move,
// which saves Wine a third of each move.
bool MoveControls(HWND window, const ControlIndex& controls, const ControlDescriptor* table, int originX,
                  int originY, HDWP batch) {
  const UINT quiet = IsWindowVisible(window) ? 0 : SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_NOSENDCHANGING;
  for (const ControlDescriptor* row = table; row->id != kEndOfDescriptors; ++row) {
    if (row->id == 0) continue;
    HWND control = controls.Find(row->id);
    const int x = originX + row->x;
    const int y = originY + row->y;
    if (control == nullptr || IsPlacedAt(control, window, x, y, row->width, row->height)) continue;
    if (batch == nullptr) {
      MoveWindow(control, x, y, row->width, row->height, quiet == 0);
      continue;
    }
    batch = DeferWindowPos(batch, control, nullptr, x, y, row->width, row->height,
                           SWP_NOZORDER | SWP_NOACTIVATE | quiet);
    if (batch == nullptr) return false;
  }
  return batch == nullptr || EndDeferWindowPos(batch);
}

void PlaceAll(HWND window, const ControlIndex& controls, const ControlDescriptor* table, int originX,
              int originY) {
  int count = 0;
  for (const ControlDescriptor* row = table; row->id != kEndOfDescriptors; ++row) ++count;
  // A batch that fails drops the moves it held; then each control is moved on its own.
  if (!MoveControls(window, controls, table, originX, originY, BeginDeferWindowPos(count))) {
    MoveControls(window, controls, table, originX, originY, nullptr);
  }
}

}  // namespace

void CaptureTemplateFont(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  GetObjectA(font, sizeof TemplateFont, &TemplateFont);
}

HFONT GetDescriptorFont(std::uint32_t style) {
  style &= 0xFF;
  if ((style & kOwnFont) == 0) return nullptr;
  for (const FontSlot& slot : FontCache) {
    if (slot.font != nullptr && slot.style == style) return slot.font;
  }
  for (FontSlot& slot : FontCache) {
    if (slot.font != nullptr) continue;
    slot.description = TemplateFont;
    slot.description.lfWeight = (style & kBoldFont) ? FW_BOLD : FW_NORMAL;
    slot.description.lfItalic = (style & kItalicFont) ? TRUE : FALSE;
    slot.description.lfUnderline = (style & kUnderlinedFont) ? TRUE : FALSE;
    slot.description.lfHeight = DescriptorFontHeight(style, g_pixelsPerInch);
    HFONT font = CreateFontIndirectA(&slot.description);
    if (font == nullptr) return nullptr;
    slot.font = font;
    slot.style = style;
    return font;
  }
  return nullptr;
}

void ApplyControlDescriptors(HWND window, const ControlDescriptor* table) {
  const ControlIndex controls(window);
  for (const ControlDescriptor* row = table; row->id != kEndOfDescriptors; ++row) {
    if (row->kind == kWindowRow) {
      const int x = (GetSystemMetrics(SM_CXSCREEN) - row->width) >> 1;
      const int y = (GetSystemMetrics(SM_CYSCREEN) - row->height) >> 1;
      MoveWindow(window, x, y, row->width, row->height, TRUE);
      if (row->caption != nullptr) SetWindowTextA(window, row->caption);
      continue;
    }
    HWND control = controls.Find(row->id);
    if (control == nullptr) continue;
    if (row->fontStyle != 0) {
      if (HFONT font = GetDescriptorFont(row->fontStyle)) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      }
    }
    if (row->caption != nullptr) SetWindowTextA(control, row->caption);
  }
  PlaceAll(window, controls, table, 0, 0);
}

void PlaceControls(HWND window, const ControlDescriptor* table, int originX, int originY) {
  PlaceAll(window, ControlIndex(window), table, originX, originY);
}

// Moving a window to the place it already has still costs a full round of
// position messages, so windows already in place are left alone.
bool IsPlacedAt(HWND window, HWND parent, int x, int y, int width, int height) {
  RECT placed;
  if (!GetWindowRect(window, &placed)) return false;
  if (parent != nullptr) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&placed), 2);
  return placed.left == x && placed.top == y && placed.right - placed.left == width &&
         placed.bottom - placed.top == height;
}

void BuildWindow(WindowRecord* record, HWND window, const MessageMapRow* messageMap,
                 const CommandMapRow* commandMap, const ControlDescriptor* descriptors) {
  AttachWindow(record, window);
  record->messageMap = messageMap;
  record->commandMap = commandMap;
  record->descriptors = descriptors;
  CaptureTemplateFont(window);
  ApplyControlDescriptors(window, descriptors);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
}
