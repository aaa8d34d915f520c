// The two handlers every managed window shares: the quit rule (WM_DESTROY) and
// the activation request (WM_USER) that a second start sends.
#pragma once

#include <windows.h>

constexpr WPARAM kActivationRequest = 0x1CDE;

INT_PTR QuitRuleHandler(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR ActivationHandler(HWND window, UINT message, WPARAM first, LPARAM second);
