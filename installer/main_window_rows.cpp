#include "installer/main_window_rows.h"

#include "base/message_texts.h"
#include "resources/resource_ids.h"

namespace {
constexpr std::int32_t kBackdropRows = 768;
constexpr std::uint32_t kDarkRed = 0x80000080;
constexpr std::uint32_t kPanel = 0x80F8F8F8;
constexpr std::uint32_t kBlack = 4;
constexpr std::uint32_t kWhite = 0;
constexpr std::uint32_t D = kDefaultColour;
constexpr std::uint32_t T = kTransparentColour;
}  // namespace

const ControlDescriptor MainWindowRows[kMainWindowRowCount + 1] = {
    {0, kWindowRow, 0, 0, 830, 636, text::kMainWindowTitle, 0, kDarkRed, D},
    {IDC_MONO_APPLICATION, kRadioButton, 484, 580, 129, 17, "Colour Application", 0, kBlack, kWhite},
    {IDC_COLOUR_APPLICATION, kRadioButton, 484, 564, 129, 17, "Colour Application", 0, kBlack, kWhite},
    {IDC_COMMON_DATABASE, kCheckBox, 484, 548, 129, 17, "Common Database", 0, kBlack, kWhite},
    {IDC_LANGUAGE_UK, kCheckBox, 267, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LANGUAGE_FR, kCheckBox, 386, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LANGUAGE_GE, kCheckBox, 504, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LANGUAGE_IT, kCheckBox, 622, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LANGUAGE_SP, kCheckBox, 739, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_2, kCheckBox, 328, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_1, kCheckBox, 212, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_3, kCheckBox, 448, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_4, kCheckBox, 566, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_5, kCheckBox, 684, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_6, kCheckBox, 212, 282, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_7, kCheckBox, 330, 282, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_8, kCheckBox, 448, 281, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_LEVEL_9, kCheckBox, 566, 282, 13, 13, nullptr, 0, kBlack, kWhite},
    {IDC_CANCEL, kPushButton, 364, 548, 101, 53, "Cancel", 0x82, kDarkRed, D},
    {IDC_INSTALL, kPushButton, 229, 548, 101, 53, "Install", 0x82, kDarkRed, D},
    {IDC_PALM_USER_TITLE, kTextLabel, 556, 408, 229, 17, "Registered Palm User", 0xC2, kPanel, D},
    {IDC_PALM_USER, kTextLabel, 556, 426, 229, 17, nullptr, 0x82, kPanel, D},
    {IDC_DATA_SIZE, kTextLabel, 236, 426, 229, 17, nullptr, 0x82, kPanel, D},
    {IDC_DATA_SIZE_TITLE, kTextLabel, 236, 408, 229, 17, "Data Size", 0xC2, kPanel, D},
    {IDC_LEVEL_PICTURE_9, kPictureArea, 581, 280, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_8, kPictureArea, 463, 280, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_7, kPictureArea, 345, 279, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_6, kPictureArea, 227, 280, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_5, kPictureArea, 699, 165, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_4, kPictureArea, 581, 166, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_3, kPictureArea, 463, 165, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_2, kPictureArea, 345, 165, 94, 94, nullptr, 0, T, D},
    {IDC_LEVEL_PICTURE_1, kPictureArea, 227, 164, 94, 94, nullptr, 0, T, D},
    {IDC_LANGUAGE_PICTURE_SP, kPictureArea, 699, 405, 94, 64, nullptr, 0, T, D},
    {IDC_LANGUAGE_PICTURE_IT, kPictureArea, 581, 405, 94, 64, nullptr, 0, T, D},
    {IDC_LANGUAGE_PICTURE_GE, kPictureArea, 463, 405, 94, 64, nullptr, 0, T, D},
    {IDC_LANGUAGE_PICTURE_FR, kPictureArea, 345, 406, 94, 64, nullptr, 0, T, D},
    {IDC_LANGUAGE_PICTURE_UK, kPictureArea, 227, 405, 94, 64, nullptr, 0, T, D},
    {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
};

namespace {

const ControlDescriptor* FindRow(std::int16_t id) {
  for (const ControlDescriptor* row = MainWindowRows; row->id != kEndOfDescriptors; ++row) {
    if (row->id == id && row->kind != kWindowRow) return row;
  }
  return nullptr;
}

}  // namespace

bool LanguageTile(std::int16_t pictureId, PictureRect* tile) {
  if (pictureId < IDC_LANGUAGE_PICTURE_UK || pictureId > IDC_LANGUAGE_PICTURE_SP) return false;
  std::int32_t top = 0;
  for (std::int16_t label : {IDC_DATA_SIZE_TITLE, IDC_DATA_SIZE, IDC_PALM_USER, IDC_PALM_USER_TITLE}) {
    const ControlDescriptor* row = FindRow(label);
    if (row->y + row->height > top) top = row->y + row->height;
  }
  ++top;
  std::int32_t bottom = kBackdropRows;
  for (std::int16_t id = IDC_LANGUAGE_PICTURE_UK; id <= IDC_LANGUAGE_PICTURE_SP; ++id) {
    const ControlDescriptor* row = FindRow(id);
    if (row->y + row->height < bottom) bottom = row->y + row->height;
  }
  const ControlDescriptor* area = FindRow(pictureId);
  *tile = {area->x, top, area->width, bottom - top};
  return true;
}
