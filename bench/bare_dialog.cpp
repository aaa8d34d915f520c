// The baselines of the start-up benchmark: Win32 programs that show one dialog,
// do nothing else, and end when it is closed.
//   bare_dialog            an empty modeless dialog from an in-memory template,
//                          titled "Bare Dialog";
//   bare_dialog INSTALLER  the installer's main window template (dialog 1001, read
//                          from the file INSTALLER) at the size of the screen, titled
//                          "Template Dialog": what the installer's window alone costs;
//   bare_dialog /shell INSTALLER
//                          the same after the shell calls the installer makes first:
//                          an empty probe file "*.tmp.pdb" in the temporary folder,
//                          FindExecutableA on it, a registry key opened and one BSTR.
#include <windows.h>
#include <oleauto.h>
#include <shellapi.h>

#include <cstring>

namespace {

INT_PTR CALLBACK BareProc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    DestroyWindow(window);
    return TRUE;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

HWND EmptyDialog(HINSTANCE instance) {
  // DLGTEMPLATE, then menu (none), class (default), title, all WORD-aligned.
  alignas(4) WORD buffer[64] = {};
  DLGTEMPLATE* dialog = reinterpret_cast<DLGTEMPLATE*>(buffer);
  dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  dialog->cdit = 0;
  dialog->x = 10;
  dialog->y = 10;
  dialog->cx = 200;
  dialog->cy = 100;
  WORD* p = reinterpret_cast<WORD*>(dialog + 1);
  *p++ = 0;  // no menu
  *p++ = 0;  // default class
  const wchar_t title[] = L"Bare Dialog";
  std::memcpy(p, title, sizeof title);
  HWND window = CreateDialogIndirectParamW(instance, dialog, nullptr, BareProc, 0);
  if (window != nullptr) ShowWindow(window, SW_SHOW);
  return window;
}

HWND InstallerTemplate(const char* installer) {
  HMODULE module = LoadLibraryExA(installer, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return nullptr;
  HWND window = CreateDialogParamA(module, MAKEINTRESOURCEA(1001), nullptr, BareProc, 0);
  if (window == nullptr) return nullptr;
  SetWindowTextA(window, "Template Dialog");
  SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
  ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

void ShellCalls() {
  char folder[MAX_PATH], unique[MAX_PATH], probe[MAX_PATH + 8], program[MAX_PATH];
  if (GetTempPathA(sizeof folder, folder) != 0 && GetTempFileNameA(folder, "", 0, unique) != 0) {
    lstrcpyA(probe, unique);
    lstrcatA(probe, ".pdb");
    HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      char noFolder[] = "";
      FindExecutableA(probe, noFolder, program);
      DeleteFileA(probe);
    }
    DeleteFileA(unique);
  }
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Zenti\\Vexo", 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    RegCloseKey(key);
  }
  SysFreeString(SysAllocStringByteLen("VexoLoad", 8));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  constexpr char kShell[] = "/shell ";
  if (std::strncmp(commandLine, kShell, sizeof kShell - 1) == 0) {
    ShellCalls();
    commandLine += sizeof kShell - 1;
  }
  HWND window = *commandLine != 0 ? InstallerTemplate(commandLine) : EmptyDialog(instance);
  if (window == nullptr) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
