// A function of a system DLL that the oldest Windows the program runs on may
// lack, looked up where it is needed instead of imported, so the program still
// starts there; nullptr where this Windows has none.
#pragma once

#include <windows.h>

template <typename Function>
Function SystemFunction(const char* dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
}
