// What the window and the creation steps of its controls share inside the
// window subsystem.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string_view>

#include "window/window_desc.h"
#include "window/window_events.h"

namespace quorvel {

// Every control of ours answers this message with its ControlDesc*, which
// is how the window tells its controls apart by name.
inline constexpr UINT kGetControlDesc = WM_APP + 1;

// The description of one of our controls; null for any other window.
const ControlDesc* ControlDescOf(HWND control);

// A child window of `parent` at the control's place and size, with its text
// and identifier; `param` reaches the class's WM_NCCREATE. Null when refused.
HWND CreateChildWindow(const ControlDesc& control, HWND parent, int id, const char* class_name,
                       DWORD style, DWORD ex_style = 0, void* param = nullptr);

// The position of an enumerator in its enum, for the tables of constants
// that hold one entry per enumerator in declaration order.
template <typename Enum>
constexpr std::size_t Index(Enum value) {
  return static_cast<std::size_t>(value);
}

HWND CreateEditBox(const ControlDesc& control, HWND parent, int id);
HWND CreateLabel(const ControlDesc& control, HWND parent, int id);
HWND CreateButton(const ControlDesc& control, HWND parent, int id);

// The description a main window of ours was built from; null for any other
// window.
const WindowDesc* MainWindowDescOf(HWND window);

// What a subclassed control keeps for its life: it lives in the control's
// user data and is freed right after the control's own WM_NCDESTROY.
struct ControlState {
  virtual ~ControlState() = default;

  const ControlDesc* desc = nullptr;
  WNDPROC own_procedure = nullptr;
};

// Puts `procedure` in front of the control's own procedure. SetWindowLongPtrA
// keeps the control an ANSI window (SetWindowSubclass would turn it into a
// Unicode one on Windows), so text and characters stay GBK bytes throughout.
void Subclass(HWND control, std::unique_ptr<ControlState> state, WNDPROC procedure);

ControlState& ControlStateOf(HWND control);

// Hands a message on to the control's own procedure.
LRESULT CallOwnProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

// Reports an event of `control` to the sink of the window it belongs to.
void RaiseControlEvent(HWND control, Event event);

// What every subclassed control of ours answers: its description, and its
// handed-back `notification`, raised as `event`. False for other messages.
bool AnswerControlMessage(HWND control, UINT message, WPARAM wparam, WORD notification,
                          Event event, LRESULT& result);

COLORREF ColourRef(Colour colour);
void FillWithColour(HDC dc, const RECT& area, Colour colour);
HFONT StockFontHandle(StockFont font);

// Both window classes of our own share everything but name and procedure:
// the arrow, no background brush, and redrawing on every size change.
ATOM RegisterOwnClass(const char* name, WNDPROC procedure);

}  // namespace quorvel
