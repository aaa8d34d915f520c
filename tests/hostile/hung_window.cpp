// Another program's window with the installer's title and the dialog class,
// whose thread stops answering once the window is up.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HWND window = CreateWindowExA(0, MAKEINTATOM(0x8002), "Vexo Component Installer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                10, 10, 300, 200, nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return 1;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  Sleep(INFINITE);
  return 0;
}
