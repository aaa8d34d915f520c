// The baseline of the start-up benchmark: a Win32 program that only shows an
// empty modeless dialog, made from an in-memory DLGTEMPLATE, titled
// "Bare Dialog", and ends when it is closed.
#include <windows.h>

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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
