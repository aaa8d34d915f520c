#include "ui/window_builder.h"

#include "platform/process_state.h"

FontSlot FontCache[kFontSlots];
LOGFONTA TemplateFont;

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
  for (const ControlDescriptor* row = table; row->id != kEndOfDescriptors; ++row) {
    if (row->kind == kWindowRow) {
      const int x = (GetSystemMetrics(SM_CXSCREEN) - row->width) >> 1;
      const int y = (GetSystemMetrics(SM_CYSCREEN) - row->height) >> 1;
      MoveWindow(window, x, y, row->width, row->height, TRUE);
      if (row->caption != nullptr) SetWindowTextA(window, row->caption);
      continue;
    }
    HWND control = GetDlgItem(window, row->id);
    if (control == nullptr) continue;
    MoveWindow(control, row->x, row->y, row->width, row->height, TRUE);
    if (row->fontStyle != 0) {
      if (HFONT font = GetDescriptorFont(row->fontStyle)) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      }
    }
    if (row->caption != nullptr) SetDlgItemTextA(window, row->id, row->caption);
  }
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
