// The button creation step: a "BUTTON" push button that reports its clicks.
#include <memory>
#include <string>

#include "window/controls_win32.h"

namespace quorvel {
namespace {

DWORD HorizontalStyle(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::Left:
      return BS_LEFT;
    case HorizontalAlignment::Centre:
      return BS_CENTER;
    case HorizontalAlignment::Right:
      return BS_RIGHT;
  }
  return BS_CENTER;
}

DWORD VerticalStyle(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::Top:
      return BS_TOP;
    case VerticalAlignment::Centre:
      return BS_VCENTER;
    case VerticalAlignment::Bottom:
      return BS_BOTTOM;
  }
  return BS_VCENTER;
}

DWORD ButtonStyle(const ControlDesc& control) {
  const ButtonProperties& button = control.button;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE | HorizontalStyle(button.horizontal) |
                VerticalStyle(button.vertical);
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
  HWND button = CreateWindowExA(0, "BUTTON", std::string(control.text).c_str(),
                                ButtonStyle(control), control.left, control.top, control.width,
                                control.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  if (!button) return nullptr;
  SendMessageA(button, WM_SETFONT,
               reinterpret_cast<WPARAM>(StockFontHandle(control.button.font)), FALSE);
  auto state = std::make_unique<ControlState>();
  state->desc = &control;
  Subclass(button, std::move(state), ButtonProc);
  return button;
}

}  // namespace quorvel
