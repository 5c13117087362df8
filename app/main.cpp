// Program entry of Quillstead.
#include <windows.h>

#include "app/program_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunQuillstead(); }
