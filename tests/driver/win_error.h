#pragma once

#include <windows.h>

#include <string>

// `error 32 (The process cannot access the file ...)`: the code scripts can look up, and its meaning.
std::string ErrorText(DWORD code);
