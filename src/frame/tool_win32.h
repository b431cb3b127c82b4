// The running tool: its main window, the events that reach the handlers and
// the text property the handlers reach the boxes through.
#pragma once

#include <windows.h>

#include "frame/edit_boxes_win32.h"
#include "frame/events.h"
#include "frame/handler_bindings.h"
#include "storage/list_file.h"

namespace quorvel {

class Tool {
 public:
  // Binds the handlers; `list` holds the run directory, already fixed.
  explicit Tool(ListFile list);
  Tool(const Tool&) = delete;
  Tool& operator=(const Tool&) = delete;
  ~Tool() { ShutDown(); }

  // Builds the main window with events blocked, raises its created event
  // (which loads and saves the list), then shows it. False when the platform
  // refused the window or a control; no handler has run then.
  bool Load();

  // Takes and dispatches messages until the quit request; gives its code.
  int RunMessageLoop();

  // Blocks events for good and destroys whatever is left of the window.
  void ShutDown();

  HWND window() const { return window_; }
  TextProperty& boxes() { return boxes_; }

 private:
  ListFile list_;
  EventDispatcher events_;
  EditBoxes edit_boxes_;
  ControlTextProperty boxes_;
  HWND window_ = nullptr;
};

// The process from start to end: run directory, window, message loop,
// shutdown. Gives the exit code.
int RunTool();

}  // namespace quorvel
