// A second start-up baseline: a Win32 program that shows the installer's main
// window template (dialog 1001, read from the installer's file given on the
// command line) at the size of the screen, titled "Template Dialog", with none of
// the installer's work behind it. Beside the bare dialog it tells how much of the
// installer's start-up is the cost of its window alone.
#include <windows.h>

namespace {

INT_PTR CALLBACK TemplateProc(HWND window, UINT message, WPARAM, LPARAM) {
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

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  HMODULE installer = LoadLibraryExA(commandLine, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (installer == nullptr) return 2;
  HWND window = CreateDialogParamA(installer, MAKEINTRESOURCEA(1001), nullptr, TemplateProc, 0);
  if (window == nullptr) return 1;
  SetWindowTextA(window, "Template Dialog");
  SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return 0;
}
