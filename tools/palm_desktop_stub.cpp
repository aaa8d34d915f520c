// Stand-in for Palm Desktop in the test Wine prefix: it only has to exist as
// the program associated with .pdb files, so it shows nothing and exits.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
