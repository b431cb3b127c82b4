// The process entry of quorvel.exe, a GUI program without a command line.
#include <windows.h>

#include <cstdlib>

#include "frame/tool_win32.h"

// A C++ failure the tool can't survive (memory exhausted) ends it at once.
// The library's own handler would print the failure's name to a console the
// tool doesn't have, and would bring its whole name demangler, a sixth of
// the executable, along.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return quorvel::RunTool(); }
