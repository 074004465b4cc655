#include <windows.h>

// Process entry of Velnix Setup. The window and the setup sequences are attached here as they are built.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
