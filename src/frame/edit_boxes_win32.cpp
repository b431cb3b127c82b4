#include "frame/edit_boxes_win32.h"

#include <string>

namespace quorvel {

Text EditBoxes::Read(ControlName box) {
  const HWND window = find_(box);
  if (!window) return Text();
  // For a box holding two-byte characters the length may be larger than the
  // text; the count GetWindowTextA returns is the true one.
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return Text();
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, bytes.data(), length + 1);
  bytes.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return Text(std::move(bytes));
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
