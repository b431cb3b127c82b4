#include "window/controls_win32.h"

#include "window/window_win32.h"

namespace quorvel {

const ControlDesc* ControlDescOf(HWND control) {
  return reinterpret_cast<const ControlDesc*>(SendMessageA(control, kGetControlDesc, 0, 0));
}

HWND CreateControl(const ControlDesc& control, HWND parent, int id) {
  switch (control.kind) {
    case ControlKind::EditBox:
      return CreateEditBox(control, parent, id);
    case ControlKind::Label:
      return CreateLabel(control, parent, id);
    case ControlKind::Button:
      return CreateButton(control, parent, id);
  }
  return nullptr;
}

bool AnswerControlMessage(HWND control, UINT message, WPARAM wparam, const ControlDesc& desc,
                          WORD notification, Event event, LRESULT& result) {
  switch (message) {
    case kGetControlDesc:
      result = reinterpret_cast<LRESULT>(&desc);
      return true;
    case WM_COMMAND:
      // Only the notifications the parent hands back arrive here; the
      // control's own procedure has no use for them.
      if (HIWORD(wparam) == notification) RaiseControlEvent(control, event);
      result = 0;
      return true;
    default:
      return false;
  }
}

COLORREF ColourRef(Colour colour) {
  return colour.button_face ? GetSysColor(COLOR_BTNFACE)
                            : RGB(colour.red, colour.green, colour.blue);
}

// DEFAULT_GUI_FONT is the only stock font a description names.
HFONT StockFontHandle(StockFont) {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace quorvel
