// What the window and the creation steps of its controls share inside the
// window subsystem.
#pragma once

#include <windows.h>

#include <string_view>

#include "window/window_desc.h"
#include "window/window_events.h"

namespace quorvel {

// Every control of ours answers this message with its ControlDesc*, which
// is how the window tells its controls apart by name.
inline constexpr UINT kGetControlDesc = WM_APP + 1;

// The description of one of our controls; null for any other window.
const ControlDesc* ControlDescOf(HWND control);

HWND CreateEditBox(const ControlDesc& control, HWND parent, int id);
HWND CreateLabel(const ControlDesc& control, HWND parent, int id);
HWND CreateButton(const ControlDesc& control, HWND parent, int id);

// The description a main window of ours was built from; null for any other
// window.
const WindowDesc* MainWindowDescOf(HWND window);

// Reports an event of `control` to the sink of the window it belongs to.
void RaiseControlEvent(HWND control, Event event);

// The subclass procedure that edit boxes and the button share for what all
// our controls answer: their description and their handed-back notification
// `notification`, raised as `event`. False for every other message.
bool AnswerControlMessage(HWND control, UINT message, WPARAM wparam, const ControlDesc& desc,
                          WORD notification, Event event, LRESULT& result);

COLORREF ColourRef(Colour colour);
HFONT StockFontHandle(StockFont font);

// The label's window class, registered once, on first use; zero when the
// platform refused it.
ATOM LabelClass();


}  // namespace quorvel
