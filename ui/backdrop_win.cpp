#include "ui/backdrop.h"

#include "base/byte_order.h"
#include "base/message_texts.h"
#include "platform/file_layer.h"
#include "platform/process_state.h"
#include "resources/resource_ids.h"
#include "ui/backdrop_fit.h"
#include "ui/control_descriptor.h"
#include "ui/pcx_image.h"
#include "ui/window_builder.h"
#include "ui/window_record.h"

PictureSlot PictureTable[1];
POINT BackdropOrigin;

namespace {

ErrorCode LastErrorOr(ErrorCode fallback) {
  const ErrorCode code = GetLastError();
  return code != 0 ? code : fallback;
}

std::int32_t ImageWidth(const PictureSlot& slot) {
  return static_cast<std::int32_t>(GetLe32(slot.image + kPcxBitmapInfoOffset + 4));
}
std::int32_t ImageHeight(const PictureSlot& slot) {
  return static_cast<std::int32_t>(GetLe32(slot.image + kPcxBitmapInfoOffset + 8));
}

const PictureSlot* MainBackdrop() {
  const PictureSlot* slot = FindBackdrop(IDR_BACKDROP);
  return slot != nullptr && slot->image != nullptr && slot->palette != nullptr ? slot : nullptr;
}

}  // namespace

PictureSlot* FindBackdrop(std::uint32_t resource) {
  for (PictureSlot& slot : PictureTable) {
    if (slot.resource == resource) return &slot;
  }
  return nullptr;
}

bool LoadBackdrop(std::uint32_t resource, ErrorCode* code) {
  PictureSlot* slot = FindBackdrop(0);
  if (slot == nullptr) {
    *code = msg::NoFreeBitmap;
    return false;
  }
  slot->resource = resource;
  HRSRC found = FindResourceA(g_instance, MAKEINTRESOURCEA(resource), RT_RCDATA);
  HGLOBAL loaded = found != nullptr ? LoadResource(g_instance, found) : nullptr;
  const std::uint8_t* picture = loaded != nullptr ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (picture == nullptr) {
    *code = LastErrorOr(ERROR_RESOURCE_DATA_NOT_FOUND);
    return false;
  }
  const std::uint32_t size = SizeofResource(g_instance, found);
  std::uint32_t blockSize = 0;
  if (PcxBlockSize(picture, size, &blockSize) != PcxResult::Ok) {
    *code = msg::GeneralFileError;
    return false;
  }
  slot->image = static_cast<std::uint8_t*>(MemAlloc(0, blockSize));
  if (slot->image == nullptr) {
    *code = LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  if (DecodePcx(picture, size, slot->image, blockSize) != PcxResult::Ok) {
    *code = msg::GeneralFileError;
    return false;
  }
  slot->palette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(slot->image + kPcxLogPaletteOffset));
  if (slot->palette == nullptr) {
    *code = LastErrorOr(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

void FitBackdrop() {
  const WindowRecord& record = WindowTable[kMainWindowRecord];
  if (record.window == nullptr) return;
  if (const PictureSlot* slot = MainBackdrop()) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const BackdropFit fit = FitPicture(desktop.right - desktop.left, desktop.bottom - desktop.top,
                                       ImageWidth(*slot), ImageHeight(*slot));
    if (!IsPlacedAt(record.window, nullptr, fit.left, fit.top, fit.width, fit.height))
      SetWindowPos(record.window, nullptr, fit.left, fit.top, fit.width, fit.height, SWP_NOZORDER);
    BackdropOrigin.x = fit.originX;
    BackdropOrigin.y = fit.originY;
  }
  if (record.descriptors != nullptr) {
    PlaceControls(record.window, record.descriptors, BackdropOrigin.x, BackdropOrigin.y);
  }
}

bool PaintBackdropOn(HDC dc) {
  const PictureSlot* slot = MainBackdrop();
  if (slot == nullptr) return false;
  HPALETTE previous = SelectPalette(dc, slot->palette, FALSE);
  RealizePalette(dc);
  const int height = ImageHeight(*slot);
  SetDIBitsToDevice(dc, BackdropOrigin.x, BackdropOrigin.y, ImageWidth(*slot), height, 0, 0, 0, height,
                    slot->image + kPcxPixelsOffset,
                    reinterpret_cast<const BITMAPINFO*>(slot->image + kPcxBitmapInfoOffset), DIB_RGB_COLORS);
  SelectPalette(dc, previous, FALSE);
  return true;
}

INT_PTR PaintBackdrop(HWND window, UINT, WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  PaintBackdropOn(dc);
  EndPaint(window, &paint);
  return 1;
}

INT_PTR RefitBackdrop(HWND window, UINT, WPARAM, LPARAM) {
  FitBackdrop();
  InvalidateRect(window, nullptr, TRUE);
  return 1;
}

void FreeBackdrop() {
  for (PictureSlot& slot : PictureTable) {
    if (slot.palette != nullptr) DeleteObject(slot.palette);
    MemFree(&slot.image);
    slot = {};
  }
}
