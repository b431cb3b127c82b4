#include "frame/tool_win32.h"

#include "storage/list_file_win32.h"
#include "window/window_win32.h"

namespace quorvel {

Tool::Tool(ListFile list)
    : list_(std::move(list)),
      events_(BindHandlers(kMainWindow, ToolHandlers(boxes_, list_)),
              [](int exit_code) { PostQuitMessage(exit_code); }),
      edit_boxes_([this](ControlName box) { return FindControl(window_, box); }),
      boxes_(edit_boxes_, events_.setting_text()) {}

bool Tool::Load() {
  events_.block().Raise();
  window_ = BuildMainWindow(kMainWindow, events_);
  events_.block().Lower();
  if (!window_) return false;

  events_.Raise(kMainWindow.name, Event::Created);
  // The created handler could have closed the window; a gone window stays gone.
  if (IsWindow(window_) && kMainWindow.visible) ShowWindow(window_, SW_SHOW);
  return true;
}

int Tool::RunMessageLoop() {
  MSG message;
  int got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    if (HandleKeyBeforeDispatch(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // -1 only for an invalid window filter, which this loop never gives.
  return got == 0 ? static_cast<int>(message.wParam) : 0;
}

void Tool::ShutDown() {
  events_.block().Raise();
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
}

int RunTool() {
  Tool tool(ListFileBesideExecutable());
  if (!tool.Load()) {
    MessageBoxA(nullptr, "Quorvel could not create its window.", "Quorvel", MB_ICONERROR);
    return 1;
  }
  const int exit_code = tool.RunMessageLoop();
  tool.ShutDown();
  return exit_code;
}

}  // namespace quorvel
