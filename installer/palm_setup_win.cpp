#include "installer/palm_setup.h"

#include <windows.h>

#include "installer/settings.h"
#include "resources/resource_ids.h"
#include "shell/command_line_win.h"
#include "shell/instance_win.h"
#include "shell/message_texts.h"
#include "shell/process_state.h"
#include "ui/dialog_procs.h"
#include "ui/window_builder.h"

std::uint16_t DeviceMask;

const char* const DeviceModelList[] = {
    "#<Other>",
    "CPalm m505", "CHandspring Visor Prism", "CPalm IIIc",
    "MPalm m500", "MPalm m100", "MPalm m105", "MPalm Vx", "MPalm V", "MPalm IIIxe", "MPalm III",
    "MHandspring Visor", "MHandspring Visor Deluxe", "MHandspring Visor Platinum", "MHandspring Visor Edge",
    "",
};

namespace {

constexpr std::uint32_t kModelChanged = (LBN_SELCHANGE << 16) | IDC_MODEL_LIST;

char g_savedType[16];

INT_PTR SelectModel(HWND window, UINT, WPARAM, LPARAM) {
  const LRESULT position = SendDlgItemMessageA(window, IDC_MODEL_LIST, LB_GETCURSEL, 0, 0);
  const char letter =
      static_cast<char>(SendDlgItemMessageA(window, IDC_MODEL_LIST, LB_GETITEMDATA, position, 0) & 0xFF);
  const bool other = letter == '#';
  if (!other) {
    const bool colour = letter == 'C';
    SendDlgItemMessageA(window, IDC_COLOUR_SCREEN, BM_SETCHECK, colour ? BST_CHECKED : BST_UNCHECKED, 0);
    SendDlgItemMessageA(window, IDC_MONO_SCREEN, BM_SETCHECK, colour ? BST_UNCHECKED : BST_CHECKED, 0);
  }
  EnableWindow(GetDlgItem(window, IDC_COLOUR_SCREEN), other);
  EnableWindow(GetDlgItem(window, IDC_MONO_SCREEN), other);
  return 1;
}

INT_PTR ConfirmSetup(HWND window, UINT, WPARAM, LPARAM) {
  const bool colour = SendDlgItemMessageA(window, IDC_COLOUR_SCREEN, BM_GETCHECK, 0, 0) != 0;
  WriteSetting(kPalmTypeSetting, colour ? text::kColourType : text::kMonoType);
  EndDialog(window, 1);
  return 0;
}

INT_PTR CancelSetup(HWND window, UINT, WPARAM, LPARAM) {
  EndDialog(window, 0);
  return 0;
}

const MessageMapRow kSetupMessages[] = {
    {CancelSetup, WM_CLOSE},
    VEXO_STANDARD_MESSAGE_ROWS,
};

const CommandMapRow kSetupCommands[] = {
    {IDC_SETUP_OK, ConfirmSetup},
    {IDC_SETUP_CANCEL, CancelSetup},
    {kModelChanged, SelectModel},
    {kEndOfCommandMap, nullptr},
};

constexpr std::uint32_t D = kDefaultColour;
const ControlDescriptor kSetupRows[] = {
    {0, kWindowRow, 0, 0, 223, 289, "Palm Setup", 0, D, D},
    {IDC_SETUP_CANCEL, kPushButton, 112, 224, 93, 29, "Cancel", 0, D, D},
    {IDC_SETUP_OK, kPushButton, 8, 224, 93, 29, "OK", 0, D, D},
    {IDC_PDA_TYPE_GROUP, kGroupBox, 8, 8, 197, 209, "Select PDA type", 0xE0, D, D},
    {IDC_SCREEN_TYPE_GROUP, kGroupBox, 16, 148, 181, 61, "Type", 0xE0, D, D},
    {IDC_MONO_SCREEN, kRadioButton, 28, 184, 161, 21, "B/W PDA", 0, D, D},
    {IDC_COLOUR_SCREEN, kRadioButton, 28, 164, 161, 21, "Colour PDA", 0, D, D},
    {IDC_MODEL_LIST, kListBox, 16, 24, 181, 121, nullptr, 0, D, D},
    {kEndOfDescriptors, 0, 0, 0, 0, 0, nullptr, 0, 0, 0},
};

INT_PTR InitialiseSetup(HWND window, UINT message, WPARAM first, LPARAM second) {
  BuildWindow(&WindowTable[kSetupWindowRecord], window, kSetupMessages, kSetupCommands, kSetupRows);
  for (const char* const* model = DeviceModelList; **model != 0; ++model) {
    const LRESULT position = SendDlgItemMessageA(window, IDC_MODEL_LIST, LB_ADDSTRING, 0,
                                                 reinterpret_cast<LPARAM>(*model + 1));
    SendDlgItemMessageA(window, IDC_MODEL_LIST, LB_SETITEMDATA, position, static_cast<unsigned char>(**model));
  }
  LRESULT start = SendDlgItemMessageA(window, IDC_MODEL_LIST, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text::kDefaultModel));
  if (start == LB_ERR) start = 0;
  SendDlgItemMessageA(window, IDC_MODEL_LIST, LB_SETCURSEL, start, 0);
  SelectModel(window, message, first, second);
  return 1;
}

bool ReadSavedType() {
  ReadSetting(kPalmTypeSetting, g_savedType, sizeof g_savedType);
  if (lstrcmpiA(g_savedType, text::kMonoType) == 0) {
    DeviceMask = kMonoMask;
    return true;
  }
  if (lstrcmpiA(g_savedType, text::kColourType) == 0) {
    DeviceMask = kColourMask;
    return true;
  }
  return false;
}

}  // namespace

bool RunPalmSetup(ErrorCode* code) {
  // A read that finds nothing leaves the buffer as it was: empty on the way in.
  g_savedType[0] = 0;
  bool ask = g_rerunSetupFlag != 0;
  for (;;) {
    if (!ask && ReadSavedType()) return true;
    ask = false;
    WindowRecord* saved = CurrentWindow;
    const INT_PTR answer = RunModalDialog(IDD_PALM_SETUP, WindowTable[kMainWindowRecord].window, InitialiseSetup);
    const ErrorCode failure = GetLastError();
    CurrentWindow = saved;
    ReleaseWindow(&WindowTable[kSetupWindowRecord]);
    // A dialog that cannot be made (-1) is an error, never a loop.
    if (answer == -1) {
      *code = failure != 0 ? failure : ERROR_NOT_ENOUGH_MEMORY;
      return false;
    }
    if (answer != 1) {
      *code = msg::Cancelled;
      return false;
    }
    WriteSetting(kPalmSetupSetting, text::kNewSetup);
  }
}
