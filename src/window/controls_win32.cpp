#include "window/controls_win32.h"

#include "window/gdi_win32.h"
#include "window/window_win32.h"

namespace quorvel {

const ControlDesc* ControlDescOf(HWND control) {
  if (!control) return nullptr;
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

HWND CreateChildWindow(const ControlDesc& control, HWND parent, int id, const char* class_name,
                       DWORD style, DWORD ex_style, void* param) {
  return CreateWindowExA(ex_style, class_name, std::string(control.text).c_str(), style,
                         control.left, control.top, control.width, control.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), param);
}

void Subclass(HWND control, std::unique_ptr<ControlState> state, WNDPROC procedure) {
  state->own_procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
  SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

ControlState& ControlStateOf(HWND control) {
  return *reinterpret_cast<ControlState*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

LRESULT CallOwnProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  ControlState& state = ControlStateOf(control);
  const LRESULT result = CallWindowProcA(state.own_procedure, control, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    const std::unique_ptr<ControlState> owned(&state);
    SetWindowLongPtrA(control, GWLP_USERDATA, 0);
  }
  return result;
}

bool AnswerControlMessage(HWND control, UINT message, WPARAM wparam, WORD notification,
                          Event event, LRESULT& result) {
  switch (message) {
    case kGetControlDesc:
      result = reinterpret_cast<LRESULT>(ControlStateOf(control).desc);
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

// For text holding two-byte characters the length asked first may be larger
// than the text; the count GetWindowTextA returns is the true one.
std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

ATOM RegisterOwnClass(const char* name, WNDPROC procedure) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.lpszClassName = name;
  return RegisterClassExA(&window_class);
}

COLORREF ColourRef(Colour colour) {
  return colour.button_face ? GetSysColor(COLOR_BTNFACE)
                            : RGB(colour.red, colour.green, colour.blue);
}

void FillWithColour(HDC dc, const RECT& area, Colour colour) {
  const OwnedBrush brush(CreateSolidBrush(ColourRef(colour)));
  FillRect(dc, &area, brush.get());
}

// DEFAULT_GUI_FONT is the only stock font a description names.
HFONT StockFontHandle(StockFont) {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace quorvel
