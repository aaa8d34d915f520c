// Where the installer lets Windows take DLLs from. It is run from Downloads
// folders full of other people's files, so a DLL that system code loads by bare
// name must never come from the installer's folder or the current one.
#pragma once

// The first call of the program, before anything that may load a DLL.
void NarrowDllSearch();
