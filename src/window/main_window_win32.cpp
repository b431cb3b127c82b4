// The window creation step, the assembly of the whole window, and the
// window's own procedure: painting, handing notifications back to the
// controls, and passing the focus on at activation.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "window/controls_win32.h"
#include "window/gdi_win32.h"
#include "window/keyboard.h"
#include "window/window_win32.h"

namespace quorvel {
namespace {

constexpr char kMainWindowClassName[] = "QuorvelMainWindow";
constexpr int kBigIconSize = 32;
constexpr int kSmallIconSize = 16;
// Identifiers are ours to choose; no handler uses them.
constexpr int kFirstControlId = 100;

// What the window keeps for its life; freed at WM_NCDESTROY.
struct MainWindowState {
  const WindowDesc* desc;
  EventSink* sink;
  HFONT font = nullptr;
  OwnedIcon big_icon;
  OwnedIcon small_icon;
  HWND focus_at_deactivation = nullptr;
};

MainWindowState* StateOf(HWND window) {
  return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The window takes over its state from the creation parameters; until then
// the creation step owns it.
void AdoptState(HWND window, LPARAM lparam) {
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
  auto* owner = static_cast<std::unique_ptr<MainWindowState>*>(create->lpCreateParams);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
}

void ReleaseState(HWND window) {
  const std::unique_ptr<MainWindowState> owned(StateOf(window));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

// The class has no background brush: painting fills the update region.
void Paint(HWND window, const WindowDesc& desc) {
  PaintDc dc(window);
  FillWithColour(dc.get(), dc.area(), desc.properties.background);
}

bool IsControlOf(HWND window, HWND control) {
  return control && control != window && IsChild(window, control);
}

// The control that had the focus when the window was last deactivated gets
// it back; otherwise the first control of the Tab cycle.
void PassFocusOn(HWND window, const MainWindowState& state) {
  HWND target = state.focus_at_deactivation;
  if (!IsWindow(target) || !IsControlOf(window, target)) {
    const std::vector<ControlName> cycle = TabCycle(*state.desc);
    target = cycle.empty() ? nullptr : FindControl(window, cycle.front());
  }
  if (target) SetFocus(target);
}

void RememberFocus(HWND window, MainWindowState& state) {
  HWND focus = GetFocus();
  state.focus_at_deactivation = IsControlOf(window, focus) ? focus : nullptr;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) AdoptState(window, lparam);
  MainWindowState* state = StateOf(window);
  if (!state) return DefWindowProcA(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT:
      Paint(window, *state->desc);
      return 0;
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wparam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_COMMAND:
      // A control's notification goes back to the control, which raises its
      // own event; menus and accelerators (no sender) have none here.
      if (lparam) return SendMessageA(reinterpret_cast<HWND>(lparam), message, wparam, lparam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // Each box answers for its own colours.
      return SendMessageA(reinterpret_cast<HWND>(lparam), message, wparam, lparam);
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) RememberFocus(window, *state);
      break;
    case WM_SETFOCUS:
      PassFocusOn(window, *state);
      return 0;
    case WM_DESTROY:
      state->sink->WindowDestroyed();
      return 0;
    case WM_NCDESTROY:
      ReleaseState(window);
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// Registered once, on first use; zero when the platform refused.
ATOM MainWindowClass() {
  static const ATOM atom = [] {
    // Loads the common controls, so that the manifest's version 6 draws the
    // edit boxes and the button.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return RegisterOwnClass(kMainWindowClassName, MainWindowProc);
  }();
  return atom;
}

DWORD WindowStyle(const WindowProperties& properties) {
  DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN | WS_CAPTION;
  if (properties.border == WindowBorder::Sizable) style |= WS_THICKFRAME;
  if (properties.control_box) style |= WS_SYSMENU;
  if (properties.minimise_button) style |= WS_MINIMIZEBOX;
  if (properties.maximise_button) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD WindowExStyle(const WindowProperties& properties) {
  DWORD style = 0;
  if (properties.always_on_top) style |= WS_EX_TOPMOST;
  if (!properties.show_in_taskbar) style |= WS_EX_TOOLWINDOW;
  return style;
}

// Centred on the whole primary screen, not its work area.
POINT StartPoint(const WindowDesc& desc) {
  if (desc.properties.start_position == StartPosition::AsDesigned) return {desc.left, desc.top};
  return {(GetSystemMetrics(SM_CXSCREEN) - desc.width) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - desc.height) / 2};
}

void EnsureOuterSize(HWND window, const WindowDesc& desc, POINT start) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (rect.right - rect.left != desc.width || rect.bottom - rect.top != desc.height) {
    MoveWindow(window, start.x, start.y, desc.width, desc.height, FALSE);
  }
}

OwnedIcon LoadExecutableIcon(int size) {
  return OwnedIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                 std::string(kExecutableIcon).c_str(),
                                                 IMAGE_ICON, size, size, 0)));
}

// A missing icon leaves the window with the system's, and says nothing.
void SetIcons(HWND window, MainWindowState& state) {
  state.big_icon = LoadExecutableIcon(kBigIconSize);
  state.small_icon = LoadExecutableIcon(kSmallIconSize);
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state.big_icon.get()));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state.small_icon.get()));
}

void DisallowMoving(HWND window) {
  DeleteMenu(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND);
}

// The direct child of `window` that holds `focus`; null for the window itself.
HWND ControlHolding(HWND window, HWND focus) {
  while (focus && focus != window && GetParent(focus) != window) focus = GetParent(focus);
  return focus == window ? nullptr : focus;
}

Key KeyOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_TAB:
      return Key::Tab;
    case VK_RETURN:
      return Key::Enter;
    case VK_ESCAPE:
      return Key::Escape;
    case VK_F1:
      return Key::F1;
    default:
      return Key::Other;
  }
}

bool IsDown(int virtual_key) { return GetKeyState(virtual_key) < 0; }

Modifiers CurrentModifiers() {
  return {.ctrl = IsDown(VK_CONTROL), .shift = IsDown(VK_SHIFT), .alt = IsDown(VK_MENU)};
}

bool CarryOut(HWND window, const KeyDecision& decision) {
  switch (decision.action) {
    case KeyAction::PassOn:
      return false;
    case KeyAction::UseUp:
      return true;
    case KeyAction::Focus:
      SetFocus(FindControl(window, decision.control));
      return true;
    case KeyAction::Click:
      SendMessageA(FindControl(window, decision.control), BM_CLICK, 0, 0);
      return true;
    case KeyAction::Close:
      SendMessageA(window, WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}

}  // namespace

const WindowDesc* MainWindowDescOf(HWND window) {
  if (!window || GetClassWord(window, GCW_ATOM) != MainWindowClass()) return nullptr;
  const MainWindowState* state = StateOf(window);
  return state ? state->desc : nullptr;
}

void RaiseControlEvent(HWND control, Event event) {
  HWND window = GetParent(control);
  const ControlDesc* desc = ControlDescOf(control);
  if (desc && MainWindowDescOf(window)) StateOf(window)->sink->Raise(desc->name, event);
}

HWND CreateMainWindow(const WindowDesc& desc, EventSink& sink) {
  if (!MainWindowClass()) return nullptr;
  auto state = std::make_unique<MainWindowState>(MainWindowState{&desc, &sink});
  const POINT start = StartPoint(desc);
  HWND window = CreateWindowExA(WindowExStyle(desc.properties), MAKEINTATOM(MainWindowClass()),
                                std::string(desc.caption).c_str(), WindowStyle(desc.properties),
                                start.x, start.y, desc.width, desc.height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), &state);
  if (!window) return nullptr;
  EnsureOuterSize(window, desc, start);
  SetIcons(window, *StateOf(window));
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (!desc.properties.movable) DisallowMoving(window);
  return window;
}

void ApplyZOrder(HWND window, const WindowDesc& desc) {
  HWND above = HWND_TOP;
  for (const ControlDesc& control : desc.controls) {
    HWND hwnd = FindControl(window, control.name);
    SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = hwnd;
  }
}

void ApplyVisibility(HWND window, const WindowDesc& desc) {
  for (const ControlDesc& control : desc.controls) {
    ShowWindow(FindControl(window, control.name), control.visible ? SW_SHOWNA : SW_HIDE);
  }
}

HWND BuildMainWindow(const WindowDesc& desc, EventSink& sink) {
  HWND window = CreateMainWindow(desc, sink);
  if (!window) return nullptr;
  for (std::size_t i = desc.controls.size(); i-- > 0;) {
    if (!CreateControl(desc.controls[i], window, kFirstControlId + static_cast<int>(i))) {
      DestroyWindow(window);
      return nullptr;
    }
  }
  ApplyZOrder(window, desc);
  ApplyVisibility(window, desc);
  return window;
}

HWND FindControl(HWND window, std::string_view name) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const ControlDesc* desc = ControlDescOf(child);
    if (desc && desc->name == name) return child;
  }
  return nullptr;
}

bool HandleKeyBeforeDispatch(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND window = GetAncestor(message.hwnd, GA_ROOT);
  const WindowDesc* desc = MainWindowDescOf(window);
  if (!desc) return false;
  const ControlDesc* focused = ControlDescOf(ControlHolding(window, message.hwnd));
  const KeyDecision decision = DecideKey(*desc, focused ? focused->name : ControlName{},
                                         KeyOf(message.wParam), CurrentModifiers());
  return CarryOut(window, decision);
}

}  // namespace quorvel
