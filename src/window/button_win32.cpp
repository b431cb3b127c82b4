// The button creation step: a "BUTTON" push button that reports its clicks.
#include <memory>

#include "window/controls_win32.h"

namespace quorvel {
namespace {

// Indexed by HorizontalAlignment and VerticalAlignment.
constexpr DWORD kHorizontalStyle[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
constexpr DWORD kVerticalStyle[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};

DWORD ButtonStyle(const ControlDesc& control) {
  const ButtonProperties& button = control.button;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE |
                kHorizontalStyle[Index(button.horizontal)] | kVerticalStyle[Index(button.vertical)];
  style |= button.type == ButtonType::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (control.tab_stop) style |= WS_TABSTOP;
  if (control.disabled) style |= WS_DISABLED;
  return style;
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (AnswerControlMessage(button, message, wparam, BN_CLICKED, Event::Clicked, result)) {
    return result;
  }
  return CallOwnProcedure(button, message, wparam, lparam);
}

}  // namespace

HWND CreateButton(const ControlDesc& control, HWND parent, int id) {
  HWND button = CreateChildWindow(control, parent, id, "BUTTON", ButtonStyle(control));
  if (!button) return nullptr;
  SendMessageA(button, WM_SETFONT,
               reinterpret_cast<WPARAM>(StockFontHandle(control.button.font)), FALSE);
  auto state = std::make_unique<ControlState>();
  state->desc = &control;
  Subclass(button, std::move(state), ButtonProc);
  return button;
}

}  // namespace quorvel
