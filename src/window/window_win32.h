// Building the main window and its controls from their descriptions, and
// the window's keyboard handling, over USER32 and GDI32 (ANSI).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/window_desc.h"
#include "window/window_events.h"

namespace quorvel {

// The top-level window alone: hidden, at its start position, with its exact
// outer size, icons and font. The window keeps `sink` for its whole life and
// reports its controls' notifications and its own destruction to it.
// Null when the platform refuses the window.
HWND CreateMainWindow(const WindowDesc& window, EventSink& sink);

// One control of the kind's own creation step, hidden; null when refused.
HWND CreateControl(const ControlDesc& control, HWND parent, int id);

// Stacks the controls in record order, the first one on top.
void ApplyZOrder(HWND window, const WindowDesc& desc);

// Shows or hides each control as designed; the window itself is untouched.
void ApplyVisibility(HWND window, const WindowDesc& desc);

// The window, then its controls in reverse record order, their stacking
// and their visibility; the window stays hidden. Null when any part is
// refused, and then nothing of it is left.
HWND BuildMainWindow(const WindowDesc& window, EventSink& sink);

// The control of `window` with this name; null when there is none.
HWND FindControl(HWND window, std::string_view name);

// The text of a window or control, as the platform gives it; empty for none.
std::string WindowText(HWND window);

// To be offered every message before it is translated and dispatched. True
// when the window used the key up and the message must not be dispatched.
bool HandleKeyBeforeDispatch(const MSG& message);

}  // namespace quorvel
