#include "installer/main_window_rows.h"

#include "shell/message_texts.h"

namespace {
constexpr std::uint32_t kDarkRed = 0x80000080;
constexpr std::uint32_t kPanel = 0x80F8F8F8;
constexpr std::uint32_t kBlack = 4;
constexpr std::uint32_t kWhite = 0;
constexpr std::uint32_t D = kDefaultColour;
constexpr std::uint32_t T = kTransparentColour;
}  // namespace

const ControlDescriptor MainWindowRows[kMainWindowRowCount + 1] = {
    {0, kWindowRow, 0, 0, 830, 636, text::kMainWindowTitle, 0, kDarkRed, D},
    {0x89, kRadioButton, 484, 580, 129, 17, "Colour Application", 0, kBlack, kWhite},
    {0x88, kRadioButton, 484, 564, 129, 17, "Colour Application", 0, kBlack, kWhite},
    {0x87, kCheckBox, 484, 548, 129, 17, "Common Database", 0, kBlack, kWhite},
    {0x65, kCheckBox, 267, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x66, kCheckBox, 386, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x67, kCheckBox, 504, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x68, kCheckBox, 622, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x69, kCheckBox, 739, 472, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x6B, kCheckBox, 328, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x6A, kCheckBox, 212, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x6C, kCheckBox, 448, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x6D, kCheckBox, 566, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x6E, kCheckBox, 684, 167, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x6F, kCheckBox, 212, 282, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x70, kCheckBox, 330, 282, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x71, kCheckBox, 448, 281, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x72, kCheckBox, 566, 282, 13, 13, nullptr, 0, kBlack, kWhite},
    {0x76, kPushButton, 364, 548, 101, 53, "Cancel", 0x82, kDarkRed, D},
    {0x75, kPushButton, 229, 548, 101, 53, "Install", 0x82, kDarkRed, D},
    {0x8D, kTextLabel, 556, 408, 229, 17, "Registered Palm User", 0xC2, kPanel, D},
    {0x8C, kTextLabel, 556, 426, 229, 17, nullptr, 0x82, kPanel, D},
    {0x8B, kTextLabel, 236, 426, 229, 17, nullptr, 0x82, kPanel, D},
    {0x8A, kTextLabel, 236, 408, 229, 17, "Data Size", 0xC2, kPanel, D},
    {0x84, kPictureArea, 581, 280, 94, 94, nullptr, 0, T, D},
    {0x83, kPictureArea, 463, 280, 94, 94, nullptr, 0, T, D},
    {0x82, kPictureArea, 345, 279, 94, 94, nullptr, 0, T, D},
    {0x81, kPictureArea, 227, 280, 94, 94, nullptr, 0, T, D},
    {0x80, kPictureArea, 699, 165, 94, 94, nullptr, 0, T, D},
    {0x7F, kPictureArea, 581, 166, 94, 94, nullptr, 0, T, D},
    {0x7E, kPictureArea, 463, 165, 94, 94, nullptr, 0, T, D},
    {0x7D, kPictureArea, 345, 165, 94, 94, nullptr, 0, T, D},
    {0x7C, kPictureArea, 227, 164, 94, 94, nullptr, 0, T, D},
    {0x7B, kPictureArea, 699, 405, 94, 64, nullptr, 0, T, D},
    {0x7A, kPictureArea, 581, 405, 94, 64, nullptr, 0, T, D},
    {0x79, kPictureArea, 463, 405, 94, 64, nullptr, 0, T, D},
    {0x78, kPictureArea, 345, 406, 94, 64, nullptr, 0, T, D},
    {0x77, kPictureArea, 227, 405, 94, 64, nullptr, 0, T, D},
    {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
};
