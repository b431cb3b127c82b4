// The label creation step: a window of our own class that paints its text
// itself and never takes the focus.
#include <string>

#include "window/controls_win32.h"
#include "window/gdi_win32.h"
#include "window/window_win32.h"

namespace quorvel {
namespace {

constexpr char kLabelClassName[] = "QuorvelLabel";

// Indexed by HorizontalAlignment and VerticalAlignment.
constexpr UINT kHorizontalFormat[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
constexpr UINT kVerticalFormat[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};

// An ampersand is drawn as itself, never as an underline marker.
UINT TextFormat(const LabelProperties& label) {
  const UINT lines = label.word_wrap ? DT_WORDBREAK : DT_SINGLELINE;
  return DT_NOPREFIX | lines | kHorizontalFormat[Index(label.horizontal)] |
         kVerticalFormat[Index(label.vertical)];
}

void Paint(HWND label, const ControlDesc& desc) {
  PaintDc dc(label);
  FillWithColour(dc.get(), dc.area(), desc.label.background);
  SelectedObject font(dc.get(), StockFontHandle(desc.label.font));
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), ColourRef(desc.label.text_colour));
  RECT client{};
  GetClientRect(label, &client);
  const std::string text = WindowText(label);
  DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &client, TextFormat(desc.label));
}

const ControlDesc* DescOf(HWND label) {
  return reinterpret_cast<const ControlDesc*>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case kGetControlDesc:
      return reinterpret_cast<LRESULT>(DescOf(label));
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(StockFontHandle(DescOf(label)->label.font));
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wparam, lparam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    case WM_PAINT:
      Paint(label, *DescOf(label));
      return 0;
  }
  return DefWindowProcA(label, message, wparam, lparam);
}

// Registered once, on first use; zero when the platform refused.
ATOM LabelClass() {
  static const ATOM atom = RegisterOwnClass(kLabelClassName, LabelProc);
  return atom;
}

}  // namespace

HWND CreateLabel(const ControlDesc& control, HWND parent, int id) {
  if (!LabelClass()) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (control.disabled) style |= WS_DISABLED;
  return CreateChildWindow(control, parent, id, MAKEINTATOM(LabelClass()), style, 0,
                           const_cast<ControlDesc*>(&control));
}

}  // namespace quorvel
