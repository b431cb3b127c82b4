// peek: looks at the running tool from outside, as a user's second program
// would, for the end-to-end tests. Prints one answer on stdout; exit code 1
// when the window (or the control) isn't there.
//
//   peek find               the visible main window's handle
//   peek text <id>          a control's text (WM_GETTEXT), as hex bytes
//   peek settext <id> <hex> sets a control's text (WM_SETTEXT)
//   peek focus              the identifier of the control with the focus, 0 if none
//   peek center <id>        a control's centre in screen coordinates
//   peek closebox           the centre of the window's close box
//   peek rect               the window rectangle: left top right bottom
//   peek close              asks the window to close (WM_CLOSE)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kCaptionStart = "Quorvel  ";

BOOL CALLBACK TakeIfMain(HWND window, LPARAM found) {
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (IsWindowVisible(window) && std::string_view(caption).starts_with(kCaptionStart)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindMainWindow() {
  HWND found = nullptr;
  EnumWindows(TakeIfMain, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string Hex(std::string_view bytes) {
  std::string hex;
  char pair[3];
  for (char byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(byte));
    hex += pair;
  }
  return hex;
}

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::strtoul(std::string(hex.substr(i, 2)).c_str(), nullptr, 16));
  }
  return bytes;
}

std::string ControlText(HWND control) {
  const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(control, WM_GETTEXT, bytes.size(),
                                      reinterpret_cast<LPARAM>(bytes.data()));
  bytes.resize(static_cast<std::size_t>(copied));
  return bytes;
}

int FocusedId(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 0;
  return info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
}

// The close box is wherever the window's own hit test says it is, along the
// middle of the title bar.
bool CloseBox(HWND window, POINT& centre) {
  RECT rect;
  GetWindowRect(window, &rect);
  const int y = rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  int first = -1, last = -1;
  for (int x = rect.right - 1; x > rect.left; --x) {
    const bool hit =
        SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
    if (hit && last < 0) last = x;
    if (hit) first = x;
    if (!hit && last >= 0) break;
  }
  if (last < 0) return false;
  centre = {(first + last) / 2, y};
  return true;
}

int Fail(const char* why) {
  std::fprintf(stderr, "peek: %s\n", why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Fail("no command");
  const std::string_view command = argv[1];
  const HWND window = FindMainWindow();
  if (!window) return Fail("no visible main window");

  if (command == "find") {
    std::printf("%p\n", static_cast<void*>(window));
  } else if (command == "focus") {
    std::printf("%d\n", FocusedId(window));
  } else if (command == "rect") {
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
  } else if (command == "closebox") {
    POINT centre;
    if (!CloseBox(window, centre)) return Fail("no close box");
    std::printf("%ld %ld\n", centre.x, centre.y);
  } else if (command == "close") {
    PostMessageA(window, WM_CLOSE, 0, 0);
  } else {
    if (argc < 3) return Fail("no control identifier");
    const HWND control = GetDlgItem(window, std::atoi(argv[2]));
    if (!control) return Fail("no such control");
    if (command == "text") {
      std::printf("%s\n", Hex(ControlText(control)).c_str());
    } else if (command == "settext" && argc == 4) {
      SendMessageA(control, WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(FromHex(argv[3]).c_str()));
    } else if (command == "center") {
      RECT rect;
      GetWindowRect(control, &rect);
      std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    } else {
      return Fail("unknown command");
    }
  }
  return 0;
}
