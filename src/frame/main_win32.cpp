// The process entry of quorvel.exe, a GUI program without a command line.
#include <windows.h>

#include "frame/tool_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return quorvel::RunTool(); }
