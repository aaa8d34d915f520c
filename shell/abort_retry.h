// The Abort/Retry prompt that a failed file transfer puts to the user.
#pragma once

#include <windows.h>

#include "shell/error_code.h"

enum class IoAnswer { Abort, Retry };

// Stores `code` as the file layer's last error and asks; a prompt that cannot
// be shown answers Abort. Abort makes the run end as one that met an error.
IoAnswer IoError(ErrorCode code);

// The prompt's dialog procedure, exported by name.
extern "C" __declspec(dllexport) INT_PTR CALLBACK IS_RETRY(HWND window, UINT message, WPARAM first, LPARAM second);
