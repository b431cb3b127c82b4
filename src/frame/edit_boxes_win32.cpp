#include "frame/edit_boxes_win32.h"

#include "window/window_win32.h"

namespace quorvel {

Text EditBoxes::Read(ControlName box) {
  const HWND window = find_(box);
  return window ? Text(WindowText(window)) : Text();
}

void EditBoxes::Replace(ControlName box, const Text& text) {
  if (const HWND window = find_(box)) SetWindowTextA(window, text.c_str());
}

// The box gets its change notification as if its parent had handed it back:
// no control identifier, the box itself as the sender.
void EditBoxes::ReportChange(ControlName box) {
  if (const HWND window = find_(box)) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(window));
  }
}

}  // namespace quorvel
