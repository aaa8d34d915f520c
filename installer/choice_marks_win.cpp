#include "installer/choice_marks.h"

#include "installer/main_window_rows.h"
#include "installer/selection.h"
#include "ui/backdrop.h"

namespace {

constexpr COLORREF kMarkColour = RGB(0x1E, 0xE6, 0x4B);

// The tile of a language picture in the window's client area, following the
// backdrop origin.
bool TileInWindow(std::uint32_t picture, RECT* placed) {
  PictureRect tile;
  if (!LanguageTile(static_cast<std::int16_t>(picture), &tile)) return false;
  placed->left = BackdropOrigin.x + tile.x;
  placed->top = BackdropOrigin.y + tile.y;
  placed->right = placed->left + tile.width;
  placed->bottom = placed->top + tile.height;
  return true;
}

// A two-pixel frame along the tile's edge and a tick in the margin right of
// the language's code.
void DrawMark(HDC dc, RECT tile) {
  HBRUSH brush = CreateSolidBrush(kMarkColour);
  FrameRect(dc, &tile, brush);
  InflateRect(&tile, -1, -1);
  FrameRect(dc, &tile, brush);
  DeleteObject(brush);
  HPEN pen = CreatePen(PS_SOLID, 2, kMarkColour);
  HGDIOBJ previous = SelectObject(dc, pen);
  const POINT tick[] = {{tile.right - 9, tile.top + 11}, {tile.right - 6, tile.top + 15},
                        {tile.right - 2, tile.top + 6}};
  Polyline(dc, tick, 3);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

}  // namespace

INT_PTR PaintMainWindow(HWND window, UINT, WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (PaintBackdropOn(dc)) {
    for (const PictureLink* link = PictureMap; link->picture != 0; ++link) {
      RECT tile;
      if (TileInWindow(link->picture, &tile) && IsTicked(static_cast<std::uint8_t>(link->checkBox))) {
        DrawMark(dc, tile);
      }
    }
  }
  EndPaint(window, &paint);
  return 1;
}

void RepaintChoiceMark(HWND window, std::uint32_t checkBox) {
  for (const PictureLink* link = PictureMap; link->picture != 0; ++link) {
    RECT tile;
    if (link->checkBox == checkBox && TileInWindow(link->picture, &tile)) InvalidateRect(window, &tile, FALSE);
  }
}
