// Shows the main window built from its descriptions until it is closed,
// with the list box's design-time lines and a query answered by hand. Used
// for screenshots; the tool itself starts from the frame.
#include <windows.h>

#include <string>

#include "window/window_win32.h"

namespace {

class QuitOnDestroy : public quorvel::EventSink {
 public:
  void Raise(std::string_view, quorvel::Event) override {}
  void WindowDestroyed() override { PostQuitMessage(0); }
};

// The last line of the list and its first character, as a query finds it.
void ShowAnsweredQuery(HWND window) {
  const std::string_view list = quorvel::kListBoxSampleText;
  const std::string last_line(list.substr(list.rfind("\r\n") + 2));
  SetWindowTextA(quorvel::FindControl(window, quorvel::编辑框1), last_line.substr(0, 2).c_str());
  SetWindowTextA(quorvel::FindControl(window, quorvel::编辑框3), last_line.c_str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  QuitOnDestroy sink;
  HWND window = quorvel::BuildMainWindow(quorvel::kMainWindow, sink);
  if (!window) return 1;
  ShowAnsweredQuery(window);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (quorvel::HandleKeyBeforeDispatch(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
