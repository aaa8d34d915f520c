/* Resource and control identifiers, shared by the resource script, the program,
   the artwork generator and the tests. Plain defines: the resource compiler
   reads this file too. */
#pragma once

#define IDD_ABORT_RETRY 1000
#define IDD_MAIN_WINDOW 1001
#define IDD_PALM_SETUP 1002
#define IDR_BACKDROP 1010
#define IDR_MESSAGE_TABLE 1024

/* The Abort/Retry prompt. */
#define IDC_PROMPT_RETRY 101
#define IDC_PROMPT_ABORT 102
#define IDC_PROMPT_FAILURE 103
#define IDC_PROMPT_QUESTION 104

/* The main window. The language boxes and the level boxes run on without a
   gap, as do their pictures: the command map and the picture map follow them. */
#define IDC_LANGUAGE_UK 0x65
#define IDC_LANGUAGE_FR 0x66
#define IDC_LANGUAGE_GE 0x67
#define IDC_LANGUAGE_IT 0x68
#define IDC_LANGUAGE_SP 0x69
#define IDC_LEVEL_1 0x6A
#define IDC_LEVEL_2 0x6B
#define IDC_LEVEL_3 0x6C
#define IDC_LEVEL_4 0x6D
#define IDC_LEVEL_5 0x6E
#define IDC_LEVEL_6 0x6F
#define IDC_LEVEL_7 0x70
#define IDC_LEVEL_8 0x71
#define IDC_LEVEL_9 0x72
#define IDC_INSTALL 0x75
#define IDC_CANCEL 0x76
#define IDC_LANGUAGE_PICTURE_UK 0x77
#define IDC_LANGUAGE_PICTURE_FR 0x78
#define IDC_LANGUAGE_PICTURE_GE 0x79
#define IDC_LANGUAGE_PICTURE_IT 0x7A
#define IDC_LANGUAGE_PICTURE_SP 0x7B
#define IDC_LEVEL_PICTURE_1 0x7C
#define IDC_LEVEL_PICTURE_2 0x7D
#define IDC_LEVEL_PICTURE_3 0x7E
#define IDC_LEVEL_PICTURE_4 0x7F
#define IDC_LEVEL_PICTURE_5 0x80
#define IDC_LEVEL_PICTURE_6 0x81
#define IDC_LEVEL_PICTURE_7 0x82
#define IDC_LEVEL_PICTURE_8 0x83
#define IDC_LEVEL_PICTURE_9 0x84
#define IDC_COMMON_DATABASE 0x87
#define IDC_COLOUR_APPLICATION 0x88
#define IDC_MONO_APPLICATION 0x89
#define IDC_DATA_SIZE_TITLE 0x8A
#define IDC_DATA_SIZE 0x8B
#define IDC_PALM_USER 0x8C
#define IDC_PALM_USER_TITLE 0x8D

/* Palm Setup; its OK and Cancel share the main window's button ids. */
#define IDC_SETUP_OK IDC_INSTALL
#define IDC_SETUP_CANCEL IDC_CANCEL
#define IDC_PDA_TYPE_GROUP 0x8E
#define IDC_SCREEN_TYPE_GROUP 0x8F
#define IDC_MODEL_LIST 0x90
#define IDC_COLOUR_SCREEN 0x91
#define IDC_MONO_SCREEN 0x92

#ifndef RC_INVOKED
constexpr int kLanguageCount = 5;
constexpr int kLevelBoxCount = 9;
static_assert(IDC_LANGUAGE_SP - IDC_LANGUAGE_UK == kLanguageCount - 1);
static_assert(IDC_LEVEL_1 == IDC_LANGUAGE_SP + 1, "one command map range runs from UK to level 9");
static_assert(IDC_LEVEL_9 - IDC_LEVEL_1 == kLevelBoxCount - 1);
static_assert(IDC_LANGUAGE_PICTURE_SP - IDC_LANGUAGE_PICTURE_UK == kLanguageCount - 1);
static_assert(IDC_LEVEL_PICTURE_1 == IDC_LANGUAGE_PICTURE_SP + 1, "the picture map runs on without a gap");
static_assert(IDC_LEVEL_PICTURE_9 - IDC_LEVEL_PICTURE_1 == kLevelBoxCount - 1);
#endif
