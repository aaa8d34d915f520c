#include "tools/backdrop_art.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <stdexcept>
#include <vector>

#include "installer/main_window_rows.h"
#include "resources/resource_ids.h"
#include "tools/backdrop_decor.h"
#include "tools/language_flags.h"
#include "tools/level_pictures.h"
#include "tools/pixel_font.h"

namespace {

constexpr Rgb kBoard{0x16, 0x1A, 0x38};
constexpr Rgb kBoardEdge{0x5A, 0x64, 0xA8};
constexpr Rgb kPictureFrame{0xC9, 0xA2, 0x27};  // in no picture, so each picture's edge shows

Rect Bounds(const ControlDescriptor& row) { return {row.x, row.y, row.width, row.height}; }

const ControlDescriptor& Row(std::int16_t id) {
  for (const ControlDescriptor* row = MainWindowRows; row->id != kEndOfDescriptors; ++row) {
    if (row->id == id && row->kind != kWindowRow) return *row;
  }
  throw std::out_of_range("the main window has no such control");
}

// The colour a control paints its background with, so the picture around it matches.
Rgb Background(const ControlDescriptor& row) {
  const std::uint32_t c = ColourReference(row.background);
  return {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c >> 16)};
}

Rect Grow(Rect r, int by) { return {r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by}; }

Rect Union(Rect a, Rect b) {
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  return {left, top, std::max(a.x + a.w, b.x + b.w) - left, std::max(a.y + a.h, b.y + b.h) - top};
}

Rect UnionOf(std::initializer_list<std::int16_t> ids) {
  Rect all = Bounds(Row(*ids.begin()));
  for (std::int16_t id : ids) all = Union(all, Bounds(Row(id)));
  return all;
}

Rect ContentBounds() {
  Rect all = Bounds(Row(IDC_INSTALL));
  for (const ControlDescriptor* row = MainWindowRows; row->id != kEndOfDescriptors; ++row) {
    if (row->kind != kWindowRow) all = Union(all, Bounds(*row));
  }
  return all;
}

// The picture areas of the ids, left to right.
std::vector<Rect> AreasByX(std::int16_t firstId, std::int16_t lastId) {
  std::vector<Rect> areas;
  for (std::int16_t id = firstId; id <= lastId; ++id) areas.push_back(Bounds(Row(id)));
  std::sort(areas.begin(), areas.end(), [](const Rect& a, const Rect& b) { return a.x < b.x; });
  return areas;
}

// The four labels stand in one row across the top of the language pictures;
// each language shows its flag and code in the strip below them.
Rect Labels() { return UnionOf({IDC_DATA_SIZE_TITLE, IDC_DATA_SIZE, IDC_PALM_USER, IDC_PALM_USER_TITLE}); }

// One light panel behind the labels and the language pictures, ending just
// below the pictures: the language check boxes under them are never shown, so
// nothing may be drawn where they sit.
void DrawPanels(IndexedCanvas& canvas) {
  const Rect languages =
      Union(Labels(), UnionOf({IDC_LANGUAGE_PICTURE_UK, IDC_LANGUAGE_PICTURE_FR, IDC_LANGUAGE_PICTURE_GE,
                               IDC_LANGUAGE_PICTURE_IT, IDC_LANGUAGE_PICTURE_SP}));
  const Rect panel{languages.x - 8, Labels().y - 10, languages.w + 16, languages.y + languages.h - (Labels().y - 10)};
  canvas.FillRoundRect(panel, 8, Background(Row(IDC_DATA_SIZE_TITLE)));
  canvas.FillRoundRect(Grow(UnionOf({IDC_INSTALL, IDC_CANCEL}), 8), 8, Background(Row(IDC_INSTALL)));
}

// Only the nine level boxes are ever visible; each stands on a spot of its own colour.
void DrawControlSpots(IndexedCanvas& canvas) {
  for (std::int16_t id = IDC_LEVEL_1; id <= IDC_LEVEL_9; ++id) {
    canvas.FillRect(Grow(Bounds(Row(id)), 1), Background(Row(id)));
  }
}

void DrawPictures(IndexedCanvas& canvas) {
  std::vector<Rect> levels = AreasByX(IDC_LEVEL_PICTURE_1, IDC_LEVEL_PICTURE_5);
  const std::vector<Rect> secondRow = AreasByX(IDC_LEVEL_PICTURE_6, IDC_LEVEL_PICTURE_9);
  levels.insert(levels.end(), secondRow.begin(), secondRow.end());
  for (const Rect& area : levels) canvas.FrameRect(Grow(area, 2), 2, kPictureFrame);
  DrawControlSpots(canvas);
  for (std::size_t i = 0; i < levels.size(); ++i) DrawLevelPicture(canvas, levels[i], static_cast<int>(i) + 1);
  constexpr Language kLanguages[] = {Language::UK, Language::FR, Language::GE, Language::IT, Language::SP};
  for (std::int16_t id = IDC_LANGUAGE_PICTURE_UK; id <= IDC_LANGUAGE_PICTURE_SP; ++id) {
    PictureRect tile;
    LanguageTile(id, &tile);
    DrawLanguagePicture(canvas, {tile.x, tile.y, tile.width, tile.height}, kLanguages[id - IDC_LANGUAGE_PICTURE_UK]);
  }
}

// Text centred on `centreX` and on the middle of the rows from `gapTop` to `gapBottom`.
void DrawHintLine(IndexedCanvas& canvas, int centreX, int gapTop, int gapBottom, std::string_view text) {
  constexpr int kScale = 2;
  const int top = (gapTop + gapBottom - kCapHeight * kScale) / 2;
  DrawText(canvas, centreX - TextWidth(text, kScale) / 2, top, text, kScale, {0xE8, 0xEC, 0xFF});
}

// The language boxes never show, so the picture itself says how to choose:
// between the levels and the languages, and between the languages' hidden
// boxes and the buttons.
void DrawHints(IndexedCanvas& canvas, int centreX) {
  const Rect levels = UnionOf({IDC_LEVEL_PICTURE_1, IDC_LEVEL_PICTURE_2, IDC_LEVEL_PICTURE_3, IDC_LEVEL_PICTURE_4,
                               IDC_LEVEL_PICTURE_5, IDC_LEVEL_PICTURE_6, IDC_LEVEL_PICTURE_7, IDC_LEVEL_PICTURE_8,
                               IDC_LEVEL_PICTURE_9});
  DrawHintLine(canvas, centreX, levels.y + levels.h + 2, Labels().y - 10,
               "Click a picture to choose a level or a language");
  const Rect hiddenBoxes =
      UnionOf({IDC_LANGUAGE_UK, IDC_LANGUAGE_FR, IDC_LANGUAGE_GE, IDC_LANGUAGE_IT, IDC_LANGUAGE_SP});
  DrawHintLine(canvas, centreX, hiddenBoxes.y + hiddenBoxes.h + 2, UnionOf({IDC_INSTALL, IDC_CANCEL}).y - 8,
               "Press Install to send them at the next HotSync");
}

}  // namespace

IndexedCanvas DrawBackdrop() {
  IndexedCanvas canvas(kBackdropWidth, kBackdropHeight, kBoard);
  const Rect board = Grow(ContentBounds(), 18);
  const int centreX = board.x + board.w / 2;
  DrawSky(canvas, board);
  DrawTitle(canvas, centreX, board.y - 6);
  DrawSideArt(canvas, board);
  DrawFooter(canvas, centreX, board.y + board.h + 40);
  canvas.FillRoundRect(Grow(board, 3), 16, kBoardEdge);
  canvas.FillRoundRect(board, 14, kBoard);
  DrawPanels(canvas);
  DrawPictures(canvas);
  DrawHints(canvas, centreX);
  return canvas;
}
